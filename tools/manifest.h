#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vz::tools {

// One picture to make: a source SVG rendered into an output file.
struct PictureJob {
    QString output;                       // relative to the resource directory
    QString source;                       // relative to the assets directory
    QHash<QString, QString> placeholders; // {{key}} in the SVG text -> value
    QHash<QString, QString> options;      // e.g. hotspot=3,4
    int line = 0;
};

// Reads the picture list: "output source [key=value ...]" per line; "#"
// starts a comment. foreach=group and foreach=game expand one line into one
// job per menu group or per game of the catalogue, filling {key} in the
// output name and {{key}} in the SVG text. Raises std::runtime_error on a
// malformed line.
QVector<PictureJob> readPictureList(const QString& text);

// Replaces every {{key}} of the SVG text (values XML-escaped); raises
// std::runtime_error when a placeholder has no value.
QString fillPlaceholders(const QString& svg, const QHash<QString, QString>& values);

} // namespace vz::tools
