#pragma once

#include <QIcon>

class QPainter;

// The program's icon: a red heart on a card, drawn at every size asked for.
QIcon programIcon();

// Paints the icon into a square of `size` units at the painter's origin:
// the same drawing for the window's icon, the desktop's PNGs and its SVG.
void paintProgramIcon(QPainter& painter, qreal size);
