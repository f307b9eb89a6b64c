#pragma once

#include <QImage>
#include <QString>

namespace carddeck {

class SvgDeck;

// The cards a preview shows, by picture index: the ace of spades, the queen
// of hearts and the back.
constexpr int kPreviewAce = 39;
constexpr int kPreviewCourt = 50;

// What the deck chooser shows of a deck: three of its cards side by side,
// and whether its ranks can be read in a hand, where each card but the last
// shows only a strip at its left.
struct DeckLook {
    bool usable = false;
    bool readableInHand = false;
    QImage preview;
};

// Draws `index`'s card into an image of `cardSize` pixels (the deck's card
// centred, keeping its shape), on white.
QImage cardImage(const SvgDeck& deck, int index, QSize cardSize);

// Whether the thirteen ranks of spades and of hearts can be told apart in
// the top of the strip that a hand leaves visible: the strip's width is
// `visible` of the card's. Decks that print the rank only in the right
// corner, or whose faces do not draw, cannot.
bool readableInHand(const SvgDeck& deck, qreal visible);

// Loads the deck at `path` and makes its look; a deck that cannot be loaded,
// or whose faces all draw alike here, answers an unusable look with no
// preview. Safe in any thread.
DeckLook lookAt(const QString& path, qreal visible, QSize cardSize);

// The built-in cards' preview.
QImage builtInPreview(QSize cardSize);

} // namespace carddeck
