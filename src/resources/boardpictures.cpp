// The board's pictures: arrows, buttons, the speech bubble, the winner's heart,
// the moon, the trick stack and the rest.
#include "drawing.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace cardpictures::drawing {

void drawArrow(QPainter& p, QSize size, qreal angle) {
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.rotate(angle);
    const qreal w = angle == 0 || angle == 180 ? size.width() : size.height();
    const qreal h = angle == 0 || angle == 180 ? size.height() : size.width();
    QPainterPath arrow;
    arrow.moveTo(-w / 2 + 1, 0);
    arrow.lineTo(-w / 2 + h / 2, -h / 2 + 1);
    arrow.lineTo(-w / 2 + h / 2, -h / 4);
    arrow.lineTo(w / 2 - 1, -h / 4);
    arrow.lineTo(w / 2 - 1, h / 4);
    arrow.lineTo(-w / 2 + h / 2, h / 4);
    arrow.lineTo(-w / 2 + h / 2, h / 2 - 1);
    arrow.closeSubpath();
    // Dark enough for its white word to read at 5:1.
    p.setPen(QPen(QColor(0x5A, 0x2C, 0x00), 1));
    p.setBrush(QColor(0xA8, 0x53, 0x00));
    p.drawPath(arrow);
    // The word reads from the left whichever way the arrow points sideways.
    QRectF body(-w / 2 + h / 2 - 2, -h / 4, w - h / 2, h / 2);
    if (angle == 180) {
        p.rotate(180);
        body.moveLeft(-w / 2 + 1);
    }
    p.setPen(Qt::white);
    p.setFont(boldFont(9));
    p.drawText(body, Qt::AlignCenter, QStringLiteral("Passing"));
}

void drawButton(QPainter& p, QSize size, const QString& text) {
    QLinearGradient shade(0, 0, 0, size.height());
    // From top to bottom dark enough for white text at 5:1 or more.
    shade.setColorAt(0, QColor(0x1F, 0x7A, 0x76));
    shade.setColorAt(1, QColor(0x12, 0x4A, 0x48));
    p.setPen(QPen(QColor(0x0C, 0x33, 0x31), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);
    p.setPen(Qt::white);
    p.setFont(boldFont(15));
    p.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter, text);
}

void drawBoardPicture(QPainter& p, Picture picture, QSize size) {
    const qreal w = size.width();
    const qreal h = size.height();
    switch (picture) {
    case Picture::Bubble: {
        QPainterPath bubble;
        bubble.addEllipse(QRectF(2, 2, w - 4, h - 16));
        QPainterPath tail;
        tail.moveTo(w * 0.3, h - 20);
        tail.lineTo(w * 0.18, h - 2);
        tail.lineTo(w * 0.48, h - 18);
        tail.closeSubpath();
        bubble = bubble.united(tail);
        p.setPen(QPen(QColor(0x80, 0x08, 0x10), 1.5));
        QRadialGradient shade(QPointF(w * 0.4, h * 0.3), w * 0.6);
        shade.setColorAt(0, QColor(0xF0, 0x40, 0x40));
        shade.setColorAt(1, QColor(0xB0, 0x10, 0x18));
        p.setBrush(shade);
        p.drawPath(bubble);
        break;
    }
    case Picture::Winner: {
        QRadialGradient shade(QPointF(w * 0.4, h * 0.35), w * 0.7);
        shade.setColorAt(0, QColor(0xFF, 0x50, 0x50));
        shade.setColorAt(1, QColor(0xB0, 0x08, 0x18));
        p.setPen(QPen(QColor(0x70, 0x00, 0x08), 2));
        p.setBrush(shade);
        p.drawPath(suitPath(4, QPointF(w / 2, h / 2 + 2), w * 0.9));
        p.setPen(Qt::white);
        p.setFont(boldFont(12));
        p.drawText(QRectF(0, h * 0.3, w, h * 0.3), Qt::AlignCenter, QStringLiteral("WINNER"));
        break;
    }
    case Picture::Moon: {
        QPainterPath disc;
        disc.addEllipse(QRectF(6, 6, w - 12, h - 12));
        QPainterPath bite;
        bite.addEllipse(QRectF(w * 0.32, 0, w - 10, h - 14));
        QRadialGradient shade(QPointF(w * 0.3, h * 0.4), w * 0.6);
        shade.setColorAt(0, QColor(0xFF, 0xF6, 0xC0));
        shade.setColorAt(1, QColor(0xE8, 0xC0, 0x30));
        p.setPen(QPen(QColor(0x90, 0x70, 0x10), 1.5));
        p.setBrush(shade);
        p.drawPath(disc.subtracted(bite));
        p.setPen(QColor(0x20, 0x30, 0x70));
        p.setFont(boldFont(24));
        p.drawText(QRectF(w * 0.42, h * 0.45, w * 0.55, h * 0.4), Qt::AlignCenter,
                   QStringLiteral("26"));
        break;
    }
    case Picture::TrickStack:
        for (int i = 2; i >= 0; --i) {
            p.setPen(QPen(QColor(0x40, 0x40, 0x48), 1));
            p.setBrush(i == 0 ? QColor(0x2A, 0x55, 0xA8) : QColor(0x1E, 0x40, 0x88));
            p.drawRoundedRect(QRectF(1 + i * 3, 1 + i * 3, w - 8, h - 8), 2.5, 2.5);
        }
        break;
    case Picture::Eyes:
        for (qreal cx : {w * 0.27, w * 0.73}) {
            p.setPen(QPen(kBlack, 1));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(cx, h / 2), w * 0.22, h / 2 - 1);
            p.setBrush(kBlack);
            p.drawEllipse(QPointF(cx + 1.5, h / 2), 2.2, 2.2);
        }
        break;
    case Picture::TurnArrow: {
        QPainterPath arrow;
        arrow.moveTo(w - 1, h / 2);
        arrow.lineTo(w * 0.45, 1);
        arrow.lineTo(w * 0.45, h * 0.3);
        arrow.lineTo(1, h * 0.3);
        arrow.lineTo(1, h * 0.7);
        arrow.lineTo(w * 0.45, h * 0.7);
        arrow.lineTo(w * 0.45, h - 1);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(0x80, 0x08, 0x10), 1));
        p.setBrush(kRed);
        p.drawPath(arrow);
        break;
    }
    case Picture::ArrowLeft:
        drawArrow(p, size, 0);
        break;
    case Picture::ArrowRight:
        drawArrow(p, size, 180);
        break;
    case Picture::ArrowUp:
        drawArrow(p, size, 90);
        break;
    case Picture::StartButton:
        drawButton(p, size, QStringLiteral("START GAME"));
        break;
    case Picture::PassButton:
        drawButton(p, size, QStringLiteral("Pass Cards"));
        break;
    case Picture::Logo: {
        QRadialGradient shade(QPointF(w * 0.45, h * 0.4), w * 0.6);
        shade.setColorAt(0, QColor(0x5C, 0xD0, 0xCA));
        shade.setColorAt(1, kTeal);
        p.setPen(QPen(QColor(0x1F, 0x6E, 0x6B), 2));
        p.setBrush(shade);
        p.drawEllipse(QRectF(4, 4, w - 8, h - 8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xFF, 0xF0));
        p.drawPath(suitPath(4, QPointF(w / 2, h * 0.42), w * 0.42));
        p.setPen(Qt::white);
        p.setFont(boldFont(17));
        p.drawText(QRectF(0, h * 0.64, w, h * 0.2), Qt::AlignCenter, QStringLiteral("Hearts"));
        break;
    }
    case Picture::Tile: {
        p.fillRect(QRectF(0, 0, w, h), QColor(0xFF, 0xFF, 0xC0));
        // A faint weave, so the table does not look flat.
        p.setPen(QPen(QColor(0xF2, 0xEE, 0xB0), 1));
        for (int y = 0; y < h; y += 4) {
            p.drawLine(QPointF(0, y + 0.5), QPointF(w, y + 0.5));
        }
        p.setPen(QPen(QColor(0xF7, 0xF3, 0xB8), 1));
        for (int x = 0; x < w; x += 6) {
            p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, h));
        }
        break;
    }
    case Picture::SwitchOff:
    case Picture::SwitchOn: {
        const bool on = picture == Picture::SwitchOn;
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.setBrush(on ? QColor(0x2D, 0x9E, 0x9A) : QColor(0xC8, 0xC8, 0xC8));
        p.drawRoundedRect(QRectF(1.5, 3.5, w - 3, h - 7), (h - 7) / 2, (h - 7) / 2);
        p.setBrush(Qt::white);
        const qreal knob = h - 9;
        p.drawEllipse(QRectF(on ? w - knob - 3 : 3, 4.5, knob, knob));
        break;
    }
    case Picture::HeartsBroken: {
        p.setPen(QPen(QColor(0x70, 0x00, 0x08), 1));
        p.setBrush(kRed);
        p.drawPath(suitPath(4, QPointF(w / 2, h / 2 + 0.5), h - 1));
        QPainterPath crack;
        crack.moveTo(w / 2, h * 0.22);
        crack.lineTo(w / 2 - 2.5, h * 0.45);
        crack.lineTo(w / 2 + 2, h * 0.6);
        crack.lineTo(w / 2 - 1, h * 0.9);
        p.setPen(QPen(Qt::white, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(crack);
        break;
    }
    }
}

} // namespace cardpictures::drawing
