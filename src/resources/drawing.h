#pragma once

// The drawing of the program's own pictures, shared by the files that draw
// them: card faces and backs (cardfaces.cpp), the board's pictures
// (boardpictures.cpp), smileys and phrase buttons (chatpictures.cpp).
// cardpictures.cpp draws each once per size and keeps it.

#include "cardpictures.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace cardpictures::drawing {

inline const QColor kRed(0xC8, 0x10, 0x24);
inline const QColor kBlack(0x18, 0x18, 0x20);
inline const QColor kTeal(0x2D, 0x9E, 0x9A);

// A suit symbol filling a square of `size` centred on `centre`.
QPainterPath suitPath(int suit, QPointF centre, qreal size);
QFont boldFont(qreal pixelSize, const QString& family = QStringLiteral("Liberation Sans"));
void drawFace(QPainter& p, int cardNumber);
void drawBack(QPainter& p);
void drawBlank(QPainter& p);
void drawBoardPicture(QPainter& p, Picture picture, QSize size);
void drawSmiley(QPainter& p, int index);
void drawPhraseButton(QPainter& p, int number);

} // namespace cardpictures::drawing
