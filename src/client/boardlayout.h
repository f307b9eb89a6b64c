#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <array>

// Where everything stands on the table, in logical units: the table is 763
// by 474 of them whatever its size on screen. Per-seat places are indexed by
// display position 1 (bottom), 2 (left), 3 (top), 4 (right).
namespace boardlayout {

constexpr int kWidth = 763;
constexpr int kHeight = 474;
// The chat panel's part of the window, beside the table.
constexpr int kChatLeft = 484;
constexpr int kChatTop = 42;

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

// A seat's name, tricks and score, with its eyes and turn arrow: the part of
// the table that names the seat.
inline QRect seatArea(int position) {
    const auto p = static_cast<std::size_t>(position);
    return QRect(kEyes[p], kScore[p] + QPoint(30, 16)).united(QRect(kPlayerName[p], kNameSize));
}

// The hand: places 0..12 from x 170 in steps of 18; a raised card stands 18
// higher.
constexpr int kHandLeft = 170;
constexpr int kHandStep = 18;
constexpr int kHandLowered = 333;
constexpr int kHandRaised = 315;
// Below a card: room for the mark of the card with the keyboard focus.
constexpr int kFocusMarkHeight = 8;

constexpr QRect kStatus{33, 449, 440, 18};
constexpr QPoint kRoundNumber{360, 28};
constexpr QPoint kPlayToScore{480, 12};
constexpr QPoint kSafe{645, 12};
constexpr QRect kHeartsBroken{440, 30, 20, 18};
constexpr QPoint kStartButton{344, 272};
constexpr QPoint kPassButton{192, 248};
constexpr std::array<QPoint, 4> kPassArrows{{{}, {144, 191}, {256, 191}, {216, 135}}};
constexpr QRect kLogo{24, 24, 100, 100};

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
