// The chat's pictures: the smileys and the phrase buttons.
#include "drawing.h"

#include <QRadialGradient>

#include <array>
#include <cmath>

namespace cardpictures::drawing {

// One smiley: a face colour, the eyes and the mouth vary by number.
void drawSmiley(QPainter& p, int index) {
    static const std::array<QColor, 18> kFaces = {
        QColor(0xFF, 0xD8, 0x30), QColor(0xFF, 0xD8, 0x30), QColor(0xFF, 0xD8, 0x30),
        QColor(0x9C, 0xC8, 0xFF), QColor(0xFF, 0xD8, 0x30), QColor(0xFF, 0xD8, 0x30),
        QColor(0xFF, 0xD8, 0x30), QColor(0xF0, 0x50, 0x40), QColor(0x9C, 0xC8, 0xFF),
        QColor(0xFF, 0xD8, 0x30), QColor(0xFF, 0xB0, 0xC8), QColor(0xE0, 0xE0, 0xA0),
        QColor(0xC8, 0xE8, 0x90), QColor(0xFF, 0xB0, 0xC8), QColor(0xD0, 0xD0, 0xF0),
        QColor(0xB0, 0x70, 0xE0), QColor(0xFF, 0xF0, 0xA0), QColor(0xFF, 0xD8, 0x30)};
    const QColor ink(0x30, 0x20, 0x10);
    p.setPen(QPen(ink, 0.8));
    p.setBrush(kFaces[static_cast<std::size_t>(index)]);
    p.drawEllipse(QRectF(1, 1, 15, 14));
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    // Eyes.
    switch (index) {
    case 2: // wink
        p.drawEllipse(QPointF(6, 6), 1.1, 1.3);
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(9.8, 6), QPointF(12, 6));
        break;
    case 6: // sunglasses
        p.drawRoundedRect(QRectF(3.5, 4.5, 4.5, 3), 1, 1);
        p.drawRoundedRect(QRectF(9, 4.5, 4.5, 3), 1, 1);
        p.setPen(QPen(ink, 0.8));
        p.drawLine(QPointF(8, 5.5), QPointF(9, 5.5));
        break;
    case 10: // love
        p.setBrush(QColor(0xD0, 0x10, 0x30));
        p.drawPath(suitPath(4, QPointF(6, 6), 3.5));
        p.drawPath(suitPath(4, QPointF(11, 6), 3.5));
        break;
    case 14: // sleepy
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(4.5, 6.5), QPointF(7.5, 6.5));
        p.drawLine(QPointF(9.5, 6.5), QPointF(12.5, 6.5));
        break;
    case 4:
    case 17: // surprised, shocked: round open eyes
        p.setPen(QPen(ink, 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(6, 6), 1.8, 2);
        p.drawEllipse(QPointF(11, 6), 1.8, 2);
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(6, 6), 0.8, 0.8);
        p.drawEllipse(QPointF(11, 6), 0.8, 0.8);
        break;
    default:
        p.drawEllipse(QPointF(6, 6), 1.1, 1.4);
        p.drawEllipse(QPointF(11, 6), 1.1, 1.4);
        break;
    }
    if (index == 7 || index == 15) { // angry, devil: brows
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(4, 3.5), QPointF(7.5, 4.8));
        p.drawLine(QPointF(13, 3.5), QPointF(9.5, 4.8));
    }
    if (index == 8) { // crying: a tear
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x80, 0xF0));
        p.drawEllipse(QPointF(4.5, 9.5), 1.1, 1.6);
    }
    if (index == 16) { // angel: halo
        p.setPen(QPen(QColor(0xE0, 0xA0, 0x00), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4.5, 0, 8, 2.2));
    }
    // Mouths.
    p.setPen(QPen(ink, 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath mouth;
    switch (index) {
    case 1:
    case 9: // grin, laugh: open smile
        mouth.moveTo(4.5, 9);
        mouth.quadTo(8.5, 14.5, 12.5, 9);
        mouth.closeSubpath();
        p.setBrush(index == 9 ? QColor(0xC0, 0x20, 0x20) : QColor(Qt::white));
        break;
    case 3:
    case 8:
    case 7: // sad, crying, angry
        mouth.moveTo(5, 12);
        mouth.quadTo(8.5, 8.5, 12, 12);
        break;
    case 4:
    case 17: // surprised, shocked
        p.setBrush(ink);
        mouth.addEllipse(QPointF(8.5, 11), index == 17 ? 2 : 1.4, index == 17 ? 2.2 : 1.6);
        break;
    case 5: // tongue
        mouth.moveTo(5, 10);
        mouth.quadTo(8.5, 12.5, 12, 10);
        p.drawPath(mouth);
        mouth = QPainterPath();
        p.setBrush(QColor(0xE0, 0x50, 0x70));
        mouth.addEllipse(QPointF(9.5, 12), 1.6, 1.6);
        break;
    case 11: // neutral
        mouth.moveTo(5.5, 10.5);
        mouth.lineTo(11.5, 10.5);
        break;
    case 12: // confused
        mouth.moveTo(5, 11);
        mouth.cubicTo(7, 9.5, 9, 12.5, 12, 10);
        break;
    case 13: // kiss
        p.setBrush(QColor(0xD0, 0x10, 0x30));
        mouth.addEllipse(QPointF(8.5, 10.8), 1.5, 1.2);
        break;
    case 14: // sleepy
        mouth.addEllipse(QPointF(8.5, 11), 1.2, 1.2);
        break;
    default:
        mouth.moveTo(4.8, 9.5);
        mouth.quadTo(8.5, 13.5, 12.2, 9.5);
        break;
    }
    p.drawPath(mouth);
    if (index == 15) { // devil: horns
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x80, 0x10, 0x10));
        QPainterPath horns;
        horns.moveTo(2.5, 3.5);
        horns.lineTo(2, 0);
        horns.lineTo(5, 2);
        horns.moveTo(14.5, 3.5);
        horns.lineTo(15, 0);
        horns.lineTo(12, 2);
        p.drawPath(horns);
    }
}

void drawPhraseButton(QPainter& p, int number) {
    QLinearGradient shade(0, 0, 0, 22);
    shade.setColorAt(0, QColor(0x5C, 0xD0, 0xCA));
    shade.setColorAt(1, QColor(0x1F, 0x7A, 0x76));
    p.setPen(QPen(QColor(0x15, 0x55, 0x52), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 21), 5, 5);
    if (number <= 9) {
        p.setPen(Qt::white);
        p.setFont(boldFont(13));
        p.drawText(QRectF(0, 0, 24, 22), Qt::AlignCenter, QString::number(number));
        return;
    }
    // A loudspeaker with sound waves.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath speaker;
    speaker.moveTo(5, 9);
    speaker.lineTo(8, 9);
    speaker.lineTo(12, 5);
    speaker.lineTo(12, 17);
    speaker.lineTo(8, 13);
    speaker.lineTo(5, 13);
    speaker.closeSubpath();
    p.drawPath(speaker);
    p.setPen(QPen(Qt::white, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 7, 5, 8), -60 * 16, 120 * 16);
    p.drawArc(QRectF(11, 4.5, 9, 13), -60 * 16, 120 * 16);
}

} // namespace cardpictures::drawing
