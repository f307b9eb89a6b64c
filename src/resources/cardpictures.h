#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Every picture of the table, drawn by code at the screen's device pixel
// ratio and cached: the 54 cards of 71 x 96 (0 the back, 1..52 the faces by
// card number, 53 a dark blank) and the board's own pictures.
namespace cardpictures {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
constexpr int kBack = 0;
constexpr int kBlank = 53;

enum class Picture {
    Bubble,       // 82 x 59: red speech bubble behind the points taken
    Winner,       // 90 x 92: heart bearing WINNER
    Moon,         // 90 x 92: crescent moon with 26
    TrickStack,   // 32 x 41: small stack of cards
    Eyes,         // 26 x 12
    TurnArrow,    // 26 x 29
    ArrowLeft,    // passing to the next seat
    ArrowRight,   // passing to the previous seat
    ArrowUp,      // passing across
    StartButton,  // 107 x 30: START GAME
    PassButton,   // 107 x 30: Pass Cards
    Logo,         // 100 x 100
    Tile,         // 90 x 92: the light yellow background tile
    SwitchOff,    // 46 x 28
    SwitchOn,     // 46 x 28
    HeartsBroken, // 20 x 18: a cracked heart
};

QSize boardSize(Picture picture);

// A card picture by its index 0..53, from the chosen deck.
QPixmap card(int index, qreal devicePixelRatio = 1.0);
// Draws the cards from an SVG deck (see carddeck.h), or the built-in ones
// for an empty path. A deck that cannot be used leaves the built-in cards
// and answers false.
bool setDeck(const QString& svgPath);
QString deckPath();
QPixmap board(Picture picture, qreal devicePixelRatio = 1.0);

// The 18 smilies of 17 x 16, numbered 0..17 (chat code ":)#10" is picture 0).
constexpr int kSmilies = 18;
QImage smiley(int index, qreal devicePixelRatio = 1.0);
// The ten phrase buttons of 24 x 22: 1..9 numbered, 10 the chatter sounds.
QPixmap phraseButton(int number, qreal devicePixelRatio = 1.0);

} // namespace cardpictures
