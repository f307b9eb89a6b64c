#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <array>

// Where everything stands on the table, in logical units: the table is
// kHeight of them high and at least kTableWidth wide; its seats, trick and
// opponents' hands keep the places below, centred in a wider table. Per-seat
// places are indexed by display position 1 (bottom), 2 (left), 3 (top), 4
// (right).
//
// A table as wide as it is high or narrower keeps the classic layout: the
// hand of cards the size of the trick's under the trick, the bottom seat's
// name beside it. A wider one (any window wider than high by a quarter, so
// every usual screen) gives the hand the width: larger cards spread from
// edge to edge, the bottom seat's name and the status in a row beneath.
namespace boardlayout {

constexpr int kTableWidth = 484;
constexpr int kHeight = 474;
// From this width on, the wide layout.
constexpr int kWideFrom = 600;

using SeatPoints = std::array<QPoint, 5>;

constexpr SeatPoints kPlayerName{{{}, {72, 308}, {28, 132}, {153, 2}, {376, 75}}};
constexpr SeatPoints kTrickLabel{{{}, {97, 334}, {36, 154}, {160, 29}, {383, 98}}};
constexpr SeatPoints kTricks{{{}, {139, 334}, {78, 154}, {202, 29}, {425, 98}}};
constexpr SeatPoints kScoreLabel{{{}, {97, 350}, {36, 170}, {160, 45}, {383, 114}}};
constexpr SeatPoints kScore{{{}, {139, 350}, {78, 170}, {202, 45}, {425, 114}}};
constexpr SeatPoints kPoints{{{}, {170, 328}, {31, 188}, {226, 16}, {368, 132}}};
constexpr SeatPoints kTaken{{{}, {192, 340}, {42, 206}, {249, 28}, {380, 150}}};
constexpr SeatPoints kCards{{{}, {168, 333}, {37, 189}, {227, 29}, {385, 133}}};
constexpr SeatPoints kWinner{{{}, {160, 333}, {29, 189}, {227, 15}, {384, 133}}};
constexpr SeatPoints kMoon{{{}, {160, 336}, {32, 192}, {224, 16}, {384, 136}}};
constexpr SeatPoints kTrickWinner{{{}, {122, 369}, {109, 197}, {182, 61}, {352, 133}}};
constexpr SeatPoints kEyes{{{}, {47, 308}, {4, 132}, {129, 2}, {351, 75}}};
// The trick: laid out so that no card covers another's index whatever the
// order of play; drawn top, left, right, bottom.
constexpr SeatPoints kPlayed{{{}, {214, 205}, {162, 165}, {214, 125}, {266, 165}}};
constexpr std::array<int, 4> kTrickStacking{3, 2, 4, 1};
// An opponent's hand fans out from its place by this many units a card,
// away from the trick.
constexpr std::array<int, 5> kFanStep{0, 5, 4, 5, -4};

constexpr QSize kNameSize{90, 22};
constexpr QSize kCountLabelSize{41, 16};
constexpr QSize kTakenSize{57, 34};

// Below a card of the hand: room for the mark of the card with the focus.
constexpr int kFocusMarkHeight = 8;

constexpr QRect kLogo{24, 24, 100, 100};

// The places of a table of one width.
struct Layout {
    int width = kTableWidth;
    bool wide = false;
    // Per seat.
    SeatPoints playerName, trickLabel, tricks, scoreLabel, score, points, taken, cards, winner,
        moon, trickWinner, eyes, played;
    // The table's labels and buttons.
    QRect status;
    Qt::Alignment statusAlignment = Qt::AlignCenter;
    QPoint roundNumber, playToScore, safe;
    // The play-to score in the smaller type, where room is short.
    bool smallLabels = false;
    QRect heartsBroken;
    QPoint startButton, passButton;
    std::array<QPoint, 4> passArrows{};
    // The hand: its cards' size (a trick card's times handScale), the left
    // edge of place 0, the step from place to place, its rows.
    qreal handScale = 1;
    qreal handLeft = 170;
    qreal handStep = 18;
    int handLowered = 333;
    int handRaised = 315;

    // A seat's name, tricks and score, with its eyes and turn arrow.
    QRect seatArea(int position) const;
    // Where a card of the hand stands, at a place, for a hand of `count`.
    QRectF handCard(int place, int count, bool raised) const;
    QSizeF handCardSize() const;
};

Layout layoutFor(int width);

// Text colours: the table's hues darkened until they read at 4.5:1 or more
// on the light yellow background.
inline QColor nameColour() {
    return QColor(0x1B, 0x62, 0x5F);
}
inline QColor countColour() {
    return QColor(0x00, 0x62, 0x62);
}
inline QColor tableTextColour() {
    return QColor(0x52, 0x52, 0x00);
}
inline QColor takenColour() {
    return QColor(0xFF, 0xFF, 0xC0);
}

} // namespace boardlayout
