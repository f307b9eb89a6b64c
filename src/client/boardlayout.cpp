#include "boardlayout.h"

#include "cardpictures.h"

#include <algorithm>

namespace boardlayout {

namespace {

SeatPoints shifted(const SeatPoints& points, int dx) {
    SeatPoints moved = points;
    for (std::size_t i = 1; i < moved.size(); ++i) {
        moved[i] += QPoint(dx, 0);
    }
    return moved;
}

} // namespace

Layout layoutFor(int width) {
    Layout layout;
    layout.width = std::max(width, kTableWidth);
    layout.wide = layout.width >= kWideFrom;
    const int dx = (layout.width - kTableWidth) / 2;
    layout.playerName = shifted(kPlayerName, dx);
    layout.trickLabel = shifted(kTrickLabel, dx);
    layout.tricks = shifted(kTricks, dx);
    layout.scoreLabel = shifted(kScoreLabel, dx);
    layout.score = shifted(kScore, dx);
    layout.points = shifted(kPoints, dx);
    layout.taken = shifted(kTaken, dx);
    layout.cards = shifted(kCards, dx);
    layout.winner = shifted(kWinner, dx);
    layout.moon = shifted(kMoon, dx);
    layout.trickWinner = shifted(kTrickWinner, dx);
    layout.eyes = shifted(kEyes, dx);
    layout.played = shifted(kPlayed, dx);
    layout.startButton = QPoint(344 + dx, 272);
    layout.passButton = QPoint(192 + dx, 248);
    layout.passArrows = {QPoint(), QPoint(144 + dx, 191), QPoint(256 + dx, 191),
                         QPoint(216 + dx, 135)};
    if (!layout.wide) {
        layout.status = QRect(33 + dx, 449, 440, 18);
        layout.roundNumber = QPoint(360 + dx, 28);
        layout.playToScore = QPoint(360 + dx, 8);
        layout.safe = QPoint(360 + dx, 48);
        layout.heartsBroken = QRect(440 + dx, 30, 20, 18);
        layout.smallLabels = true;
        layout.handLeft = 170 + dx;
        return layout;
    }
    // Wide: the labels of the game at the top right, the bottom seat's name
    // and the status in a row under a hand that takes the width.
    const int right = layout.width - 8;
    layout.roundNumber = QPoint(right - 150, 8);
    layout.playToScore = QPoint(right - 150, 28);
    layout.safe = QPoint(right - 150, 48);
    // Left of the round, clear of the folded chat's tab at the corner.
    layout.heartsBroken = QRect(right - 174, 10, 20, 18);
    const int row = 447;
    layout.eyes[1] = QPoint(8, row - 4);
    layout.playerName[1] = QPoint(36, row - 1);
    layout.trickLabel[1] = QPoint(150, row + 3);
    layout.tricks[1] = QPoint(192, row + 3);
    layout.scoreLabel[1] = QPoint(218, row + 3);
    layout.score[1] = QPoint(260, row + 3);
    layout.status = QRect(300, row, right - 300, 22);
    layout.statusAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    // The bottom seat's marks stand at the right above the hand, where no
    // opponent's cards are.
    layout.winner[1] = QPoint(right - 92, 200);
    layout.moon[1] = QPoint(right - 92, 200);
    layout.points[1] = QPoint(right - 90, 250);
    layout.taken[1] = QPoint(right - 78, 262);
    layout.trickWinner[1] = QPoint(right - 34, 208);
    layout.handScale = 1.42;
    layout.handLowered = 303;
    layout.handRaised = 293;
    layout.handLeft = 8;
    return layout;
}

QSizeF Layout::handCardSize() const {
    return QSizeF(cardpictures::kCardWidth * handScale, cardpictures::kCardHeight * handScale);
}

QRect Layout::seatArea(int position) const {
    const auto p = static_cast<std::size_t>(position);
    return QRect(eyes[p], score[p] + QPoint(30, 16)).united(QRect(playerName[p], kNameSize));
}

QRectF Layout::handCard(int place, int count, bool raised) const {
    const QSizeF size = handCardSize();
    qreal left = handLeft;
    qreal step = handStep;
    if (wide) {
        // Spread over the width up to whole cards, and centred.
        const qreal span = width - 16 - size.width();
        step = count > 1 ? std::min(size.width() + 2, span / (count - 1)) : 0;
        left = (width - size.width() - step * (count - 1)) / 2;
    }
    return QRectF(QPointF(left + step * place, raised ? handRaised : handLowered),
                  QSizeF(size.width(), size.height() + kFocusMarkHeight));
}

} // namespace boardlayout
