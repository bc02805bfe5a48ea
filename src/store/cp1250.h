#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The single-byte Central European code page every file of the program uses.
namespace vz::cp1250 {

QString decode(QByteArrayView bytes);

// Characters the code page cannot hold become '?' and clear *ok.
QByteArray encode(const QString& text, bool* ok = nullptr);

bool canEncode(QChar c);
bool canEncode(const QString& text);

} // namespace vz::cp1250
