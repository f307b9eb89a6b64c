#pragma once

#include <QFont>

// The table's one typeface (Liberation Sans, metric twin of Arial), bold,
// at a size in logical units.
namespace boardfonts {

inline QFont bold(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace boardfonts
