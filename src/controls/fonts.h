#pragma once

#include <QFont>

namespace vz {

// The one typeface of every screen, by height in pixels.
inline QFont screenFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace vz
