#include "cardpictures.h"

#include "carddeck.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace cardpictures {

namespace {

const QColor kRed(0xC8, 0x10, 0x24);
const QColor kBlack(0x18, 0x18, 0x20);
const QColor kTeal(0x2D, 0x9E, 0x9A);

// A suit symbol filling a square of `size` centred on `centre`.
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

QString rankText(int rank) {
    static const std::array<const char*, 13> kRanks = {"2", "3",  "4", "5", "6", "7", "8",
                                                       "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(kRanks[static_cast<std::size_t>(rank)]);
}

QFont boldFont(qreal pixelSize, const QString& family = QStringLiteral("Liberation Sans")) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(true);
    return font;
}

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
    p.setPen(QPen(QColor(0x6C, 0x6C, 0x00), 1));
    p.setBrush(QColor(0xE8, 0x9A, 0x1E));
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
    shade.setColorAt(0, QColor(0x4C, 0xC4, 0xBF));
    shade.setColorAt(1, QColor(0x1F, 0x7A, 0x76));
    p.setPen(QPen(QColor(0x15, 0x55, 0x52), 1));
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

template <typename Draw> QPixmap render(QSize size, qreal ratio, Draw draw) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
    return pixmap;
}

} // namespace

QSize boardSize(Picture picture) {
    switch (picture) {
    case Picture::Bubble:
        return {82, 59};
    case Picture::Winner:
    case Picture::Moon:
    case Picture::Tile:
        return {90, 92};
    case Picture::TrickStack:
        return {32, 41};
    case Picture::Eyes:
        return {26, 12};
    case Picture::TurnArrow:
        return {26, 29};
    case Picture::ArrowLeft:
    case Picture::ArrowRight:
        return {72, 30};
    case Picture::ArrowUp:
        return {30, 50};
    case Picture::StartButton:
    case Picture::PassButton:
        return {107, 30};
    case Picture::Logo:
        return {100, 100};
    case Picture::SwitchOff:
    case Picture::SwitchOn:
        return {46, 28};
    case Picture::HeartsBroken:
        return {20, 18};
    }
    return {};
}

namespace {

// Pictures are drawn once per kind, number and pixel ratio.
std::map<std::tuple<int, int, qreal>, QPixmap>& pictureCache() {
    static std::map<std::tuple<int, int, qreal>, QPixmap> cache;
    return cache;
}

template <typename Draw> QPixmap cached(int kind, int number, qreal ratio, QSize size, Draw draw) {
    auto& cache = pictureCache();
    const auto key = std::make_tuple(kind, number, ratio);
    if (auto found = cache.find(key); found != cache.end()) {
        return found->second;
    }
    // A window resized by hand asks for many ratios: keep a few sets only.
    constexpr std::size_t kMostPictures = 600;
    if (cache.size() >= kMostPictures) {
        cache.clear();
    }
    const QPixmap pixmap = render(size, ratio, draw);
    cache.emplace(key, pixmap);
    return pixmap;
}

std::unique_ptr<carddeck::SvgDeck>& currentDeck() {
    static std::unique_ptr<carddeck::SvgDeck> deck;
    return deck;
}

} // namespace

bool setDeck(const QString& svgPath) {
    auto& deck = currentDeck();
    const QString now = deck != nullptr ? deck->path() : QString();
    if (svgPath == now) {
        return true;
    }
    std::unique_ptr<carddeck::SvgDeck> chosen;
    if (!svgPath.isEmpty()) {
        chosen = carddeck::SvgDeck::load(svgPath);
    }
    const bool usable = svgPath.isEmpty() || chosen != nullptr;
    if (chosen != nullptr || deck != nullptr) {
        deck = std::move(chosen);
        pictureCache().clear();
    }
    return usable;
}

QString deckPath() {
    const auto& deck = currentDeck();
    return deck != nullptr ? deck->path() : QString();
}

QPixmap card(int index, qreal ratio) {
    return cached(0, index, ratio, QSize(kCardWidth, kCardHeight), [index](QPainter& p) {
        if (const auto& deck = currentDeck(); deck != nullptr && index >= 0 && index <= 52) {
            deck->draw(p, index, QRectF(0, 0, kCardWidth, kCardHeight));
        } else if (index >= 1 && index <= 52) {
            drawFace(p, index);
        } else if (index == kBack) {
            drawBack(p);
        } else {
            drawBlank(p);
        }
    });
}

QPixmap board(Picture picture, qreal ratio) {
    const QSize size = boardSize(picture);
    return cached(1, static_cast<int>(picture), ratio, size,
                  [&](QPainter& p) { drawBoardPicture(p, picture, size); });
}

namespace {

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

} // namespace

QImage smiley(int index, qreal ratio) {
    return cached(
               2, index, ratio, QSize(17, 16),
               [index](QPainter& p) { drawSmiley(p, index >= 0 && index < kSmilies ? index : 0); })
        .toImage();
}

QPixmap phraseButton(int number, qreal ratio) {
    return cached(3, number, ratio, QSize(24, 22),
                  [number](QPainter& p) { drawPhraseButton(p, number); });
}

} // namespace cardpictures
