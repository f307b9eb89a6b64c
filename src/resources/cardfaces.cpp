// The built-in cards: faces with their pips or court figures, and the back.
#include "drawing.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace cardpictures::drawing {

QPainterPath suitPath(int suit, QPointF centre, qreal size) {
    const qreal s = size / 2;
    const qreal x = centre.x();
    const qreal y = centre.y();
    QPainterPath path;
    auto heart = [&](qreal top, qreal bottom, bool upsideDown) {
        const qreal dir = upsideDown ? -1 : 1;
        const qreal tip = upsideDown ? top : bottom;
        path.moveTo(x, tip);
        path.cubicTo(x - s * 1.15, y + dir * s * 0.1, x - s * 0.75, y - dir * s * 1.15, x,
                     y - dir * s * 0.45);
        path.cubicTo(x + s * 0.75, y - dir * s * 1.15, x + s * 1.15, y + dir * s * 0.1, x, tip);
    };
    switch (suit) {
    case 1: { // clubs: three leaves and a stem
        const qreal r = s * 0.42;
        path.addEllipse(QPointF(x, y - s * 0.45), r, r);
        path.addEllipse(QPointF(x - s * 0.47, y + s * 0.12), r, r);
        path.addEllipse(QPointF(x + s * 0.47, y + s * 0.12), r, r);
        path.addRect(QRectF(x - s * 0.2, y - s * 0.2, s * 0.4, s * 0.5));
        QPainterPath stem;
        stem.moveTo(x - s * 0.1, y);
        stem.quadTo(x - s * 0.05, y + s * 0.75, x - s * 0.45, y + s);
        stem.lineTo(x + s * 0.45, y + s);
        stem.quadTo(x + s * 0.05, y + s * 0.75, x + s * 0.1, y);
        stem.closeSubpath();
        path.addPath(stem);
        path.setFillRule(Qt::WindingFill);
        break;
    }
    case 2: // diamonds
        path.moveTo(x, y - s);
        path.quadTo(x + s * 0.35, y - s * 0.35, x + s * 0.78, y);
        path.quadTo(x + s * 0.35, y + s * 0.35, x, y + s);
        path.quadTo(x - s * 0.35, y + s * 0.35, x - s * 0.78, y);
        path.quadTo(x - s * 0.35, y - s * 0.35, x, y - s);
        break;
    case 3: { // spades: an upside-down heart with a stem
        heart(y - s, y + s * 0.55, true);
        QPainterPath stem;
        stem.moveTo(x - s * 0.08, y + s * 0.2);
        stem.quadTo(x - s * 0.05, y + s * 0.8, x - s * 0.45, y + s);
        stem.lineTo(x + s * 0.45, y + s);
        stem.quadTo(x + s * 0.05, y + s * 0.8, x + s * 0.08, y + s * 0.2);
        stem.closeSubpath();
        path.addPath(stem);
        path.setFillRule(Qt::WindingFill);
        break;
    }
    default: // hearts
        heart(y - s, y + s * 0.95, false);
        break;
    }
    return path;
}

namespace {

QString rankText(int rank) {
    static const std::array<const char*, 13> kRanks = {"2", "3",  "4", "5", "6", "7", "8",
                                                       "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(kRanks[static_cast<std::size_t>(rank)]);
}

} // namespace

QFont boldFont(qreal pixelSize, const QString& family) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(true);
    return font;
}

namespace {

// Rank and suit in a corner: the part that shows when cards overlap.
void drawIndex(QPainter& p, int rank, int suit, const QColor& colour) {
    p.setPen(colour);
    p.setFont(boldFont(rank == 8 ? 12 : 14));
    p.drawText(QRectF(1, 2, 17, 15), Qt::AlignHCenter | Qt::AlignTop, rankText(rank));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(suitPath(suit, QPointF(9.5, 24), 10));
}

// Pip positions for 2..10 as fractions of the pip area.
const std::array<std::vector<QPointF>, 9>& pipLayouts() {
    static const std::array<std::vector<QPointF>, 9> layouts = {{
        {{0.5, 0}, {0.5, 1}},
        {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
        {{0, 0},
         {1, 0},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0.5, 0.5},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0, 1},
         {1, 1}},
        {{0, 0},
         {1, 0},
         {0.5, 1.0 / 6},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0.5, 5.0 / 6},
         {0, 1},
         {1, 1}},
    }};
    return layouts;
}

void drawCardFrame(QPainter& p, const QColor& fill) {
    p.setPen(QPen(QColor(0x50, 0x50, 0x58), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 5, 5);
}

// One half of a court card's figure, head up, in a box of 43 by 38 whose
// bottom edge is the card's middle: robe and shoulders, the face, the
// headwear of the rank (crown, tiara, cap), and what the figure holds.
void drawCourtHalf(QPainter& p, int rank, int suit, const QColor& ink) {
    constexpr qreal w = 43;
    constexpr qreal h = 38;
    constexpr qreal cx = w / 2;
    const QColor gold(0xE8, 0xB8, 0x20);
    const QColor skin(0xF4, 0xCC, 0xA0);
    const QColor outline(0x30, 0x20, 0x20);
    // Jack, queen, king: robe and trim.
    static const std::array<QColor, 3> kRobe = {QColor(0x1F, 0x6F, 0x4A), QColor(0x2B, 0x4F, 0xA8),
                                                QColor(0xB0, 0x1C, 0x24)};
    static const std::array<QColor, 3> kTrim = {QColor(0xC8, 0x30, 0x30), gold,
                                                QColor(0x2B, 0x4F, 0xA8)};
    const auto index = static_cast<std::size_t>(rank - 9);
    const qreal pen = 0.8;

    // Shoulders and robe down to the middle of the card.
    QPainterPath robe;
    robe.moveTo(1, h);
    robe.lineTo(3, h - 9);
    robe.quadTo(6, h - 15, cx - 7, h - 16);
    robe.lineTo(cx + 7, h - 16);
    robe.quadTo(w - 6, h - 15, w - 3, h - 9);
    robe.lineTo(w - 1, h);
    robe.closeSubpath();
    p.setPen(QPen(outline, pen));
    p.setBrush(kRobe[index]);
    p.drawPath(robe);
    // A collar and a band of trim down the front.
    p.setBrush(kTrim[index]);
    QPainterPath collar;
    collar.moveTo(cx - 8, h - 16);
    collar.lineTo(cx, h - 9);
    collar.lineTo(cx + 8, h - 16);
    collar.lineTo(cx + 5, h - 17.5);
    collar.lineTo(cx, h - 13);
    collar.lineTo(cx - 5, h - 17.5);
    collar.closeSubpath();
    p.drawPath(collar);
    p.drawRect(QRectF(cx - 2.5, h - 9, 5, 9));
    p.setBrush(gold);
    for (qreal y = h - 7.5; y < h; y += 3.5) {
        p.drawEllipse(QPointF(cx, y), 1, 1);
    }

    // Hair behind the face: long for the queen, short for the others.
    const QColor hair = rank == 10 ? QColor(0xD8, 0xA8, 0x30) : QColor(0x6A, 0x40, 0x20);
    p.setBrush(hair);
    if (rank == 10) {
        p.drawRoundedRect(QRectF(cx - 9, h - 31, 18, 19), 6, 6);
    } else {
        p.drawEllipse(QRectF(cx - 7.5, h - 31, 15, 10));
    }
    // The face.
    p.setBrush(skin);
    p.drawEllipse(QRectF(cx - 6, h - 29, 12, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawEllipse(QPointF(cx - 2.3, h - 23), 0.8, 0.8);
    p.drawEllipse(QPointF(cx + 2.3, h - 23), 0.8, 0.8);
    p.setPen(QPen(QColor(0xA0, 0x30, 0x30), 0.8));
    p.drawLine(QPointF(cx - 1.5, h - 19), QPointF(cx + 1.5, h - 19));
    if (rank == 11) { // the king's beard
        QPainterPath beard;
        beard.moveTo(cx - 6, h - 22);
        beard.quadTo(cx - 5, h - 13, cx, h - 12);
        beard.quadTo(cx + 5, h - 13, cx + 6, h - 22);
        beard.quadTo(cx, h - 17, cx - 6, h - 22);
        p.setPen(QPen(outline, pen));
        p.setBrush(QColor(0x8A, 0x8A, 0x90));
        p.drawPath(beard);
    }

    // Headwear.
    p.setPen(QPen(outline, pen));
    p.setBrush(gold);
    QPainterPath hat;
    if (rank == 11) { // a crown with three points
        hat.moveTo(cx - 7, h - 28);
        hat.lineTo(cx - 8, h - 36);
        hat.lineTo(cx - 4, h - 31);
        hat.lineTo(cx, h - 37.5);
        hat.lineTo(cx + 4, h - 31);
        hat.lineTo(cx + 8, h - 36);
        hat.lineTo(cx + 7, h - 28);
        hat.closeSubpath();
    } else if (rank == 10) { // a tiara
        hat.moveTo(cx - 7, h - 28);
        hat.quadTo(cx, h - 37, cx + 7, h - 28);
        hat.quadTo(cx, h - 31, cx - 7, h - 28);
    } else { // a cap with a feather
        hat.moveTo(cx - 8, h - 27);
        hat.quadTo(cx - 6, h - 34, cx + 2, h - 33);
        hat.quadTo(cx + 9, h - 32, cx + 8, h - 27);
        hat.closeSubpath();
        p.setBrush(kTrim[index]);
    }
    p.drawPath(hat);
    if (rank == 9) {
        QPainterPath feather;
        feather.moveTo(cx + 3, h - 32);
        feather.quadTo(cx + 14, h - 38, cx + 16, h - 30);
        feather.quadTo(cx + 10, h - 33, cx + 3, h - 32);
        p.setBrush(QColor(0xF0, 0xF0, 0xE8));
        p.drawPath(feather);
    } else {
        p.setBrush(kRobe[index]);
        p.drawEllipse(QPointF(cx, h - (rank == 11 ? 30.5 : 30)), 1.3, 1.3);
    }

    // What the figure holds beside it: the king a sword, the queen a
    // flower, the jack a halberd.
    p.setPen(QPen(outline, 1));
    if (rank == 11) {
        p.drawLine(QPointF(w - 6, h - 2), QPointF(w - 6, h - 33));
        p.drawLine(QPointF(w - 9, h - 11), QPointF(w - 3, h - 11));
    } else if (rank == 10) {
        p.drawLine(QPointF(5, h - 12), QPointF(6, h - 27));
        p.setBrush(QColor(0xD0, 0x20, 0x40));
        p.setPen(Qt::NoPen);
        for (int petal = 0; petal < 5; ++petal) {
            const qreal angle = petal * 2 * 3.14159265 / 5;
            p.drawEllipse(QPointF(6 + 2.2 * std::cos(angle), h - 29 + 2.2 * std::sin(angle)), 1.6,
                          1.6);
        }
        p.setBrush(gold);
        p.drawEllipse(QPointF(6, h - 29), 1.1, 1.1);
    } else {
        p.drawLine(QPointF(w - 6, h - 2), QPointF(w - 6, h - 34));
        QPainterPath blade;
        blade.moveTo(w - 6, h - 34);
        blade.lineTo(w - 2, h - 30);
        blade.lineTo(w - 6, h - 27);
        blade.closeSubpath();
        p.setBrush(QColor(0xB8, 0xC0, 0xC8));
        p.drawPath(blade);
    }
    // The suit beside the head.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(suitPath(suit, QPointF(rank == 10 ? w - 7 : 7, h - 31), 7));
}

// A court card: a framed picture of its figure, head up at both ends, as
// court cards are printed.
void drawCourt(QPainter& p, int rank, int suit, const QColor& ink) {
    const QRectF inner(14, 10, 43, 76);
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(0xFF, 0xF8, 0xE4));
    p.drawRect(inner);
    p.save();
    p.setClipRect(inner.adjusted(0.5, 0.5, -0.5, -0.5));
    p.translate(inner.topLeft());
    drawCourtHalf(p, rank, suit, ink);
    p.restore();
    p.save();
    p.setClipRect(inner.adjusted(0.5, 0.5, -0.5, -0.5));
    p.translate(inner.bottomRight());
    p.rotate(180);
    drawCourtHalf(p, rank, suit, ink);
    p.restore();
    p.setPen(QPen(ink, 0.6));
    p.drawLine(QPointF(inner.left(), inner.center().y()),
               QPointF(inner.right(), inner.center().y()));
}

} // namespace

void drawFace(QPainter& p, int cardNumber) {
    const int suit = (cardNumber - 1) / 13 + 1;
    const int rank = (cardNumber - 1) % 13; // 0 = two .. 12 = ace
    const QColor colour = suit == 2 || suit == 4 ? kRed : kBlack;
    drawCardFrame(p, QColor(0xFF, 0xFF, 0xFA));
    drawIndex(p, rank, suit, colour);
    p.save();
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180);
    drawIndex(p, rank, suit, colour);
    p.restore();

    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (rank <= 8) {
        const QRectF area(26, 15, 19, 66);
        for (const QPointF& at : pipLayouts()[static_cast<std::size_t>(rank)]) {
            const QPointF centre(area.left() + at.x() * area.width(),
                                 area.top() + at.y() * area.height());
            if (at.y() > 0.5) {
                p.save();
                p.translate(centre);
                p.rotate(180);
                p.drawPath(suitPath(suit, QPointF(0, 0), 12));
                p.restore();
            } else {
                p.drawPath(suitPath(suit, centre, 12));
            }
        }
        return;
    }
    if (rank == 12) { // ace: one large pip
        p.drawPath(suitPath(suit, QPointF(35.5, 48), suit == 3 ? 34 : 28));
        return;
    }
    drawCourt(p, rank, suit, colour);
}

void drawBack(QPainter& p) {
    drawCardFrame(p, Qt::white);
    const QRectF inner(4, 4, kCardWidth - 8, kCardHeight - 8);
    QLinearGradient shade(inner.topLeft(), inner.bottomRight());
    shade.setColorAt(0, QColor(0x2A, 0x55, 0xA8));
    shade.setColorAt(1, QColor(0x14, 0x2C, 0x6E));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(inner, 3, 3);
    p.save();
    p.setClipRect(inner.adjusted(2, 2, -2, -2));
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    for (int d = -100; d < 200; d += 6) {
        p.drawLine(QPointF(d, 0), QPointF(d + 100, 100));
        p.drawLine(QPointF(d + 100, 0), QPointF(d, 100));
    }
    p.restore();
    p.setPen(QPen(QColor(0xF4, 0xD0, 0x3C), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(3, 3, -3, -3), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x10, 0x24));
    p.drawEllipse(QPointF(35.5, 48), 13, 13);
    p.setBrush(Qt::white);
    p.drawPath(suitPath(4, QPointF(35.5, 48), 14));
}

void drawBlank(QPainter& p) {
    drawCardFrame(p, QColor(0x30, 0x30, 0x38));
}

} // namespace cardpictures::drawing
