#include "deckpreview.h"

#include "carddeck.h"
#include "drawing.h"

#include <QPainter>

#include <array>
#include <functional>

namespace carddeck {

namespace {

// The corner a hand shows: the strip's top quarter, where a rank index is.
constexpr int kCornerHeightDivisor = 4;
// Two corners differ where this share of their pixels differ clearly; two
// whole faces, where any of their pixels do.
constexpr double kDistinctCorner = 0.004;
constexpr double kDistinctFace = 0.0005;
constexpr int kClearDifference = 96; // the sum of the three channels' differences

QImage blankCard(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

double differingShare(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int difference = std::abs(qRed(left[x]) - qRed(right[x])) +
                                   std::abs(qGreen(left[x]) - qGreen(right[x])) +
                                   std::abs(qBlue(left[x]) - qBlue(right[x]));
            differing += difference > kClearDifference ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (a.width() * a.height());
}

// Three cards side by side with a gap of a tenth of a card.
QImage sideBySide(QSize cardSize, const std::function<void(QPainter&, int, QRectF)>& draw) {
    const int gap = cardSize.width() / 10;
    QImage image(cardSize.width() * 3 + gap * 2, cardSize.height(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const std::array<int, 3> cards{kPreviewAce, kPreviewCourt, cardpictures::kBack};
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const QRectF place(static_cast<int>(i) * (cardSize.width() + gap), 0, cardSize.width(),
                           cardSize.height());
        draw(painter, cards[i], place);
    }
    return image;
}

} // namespace

QImage cardImage(const SvgDeck& deck, int index, QSize cardSize) {
    QImage image = blankCard(cardSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    deck.draw(painter, index, QRectF(QPointF(0, 0), QSizeF(cardSize)));
    return image;
}

namespace {

// Whether the thirteen ranks of spades and of hearts differ within `share`
// of the card (fractions of its width and height) by `least` of its pixels.
bool ranksApart(const SvgDeck& deck, const QRectF& share, double least) {
    // Large enough that a small index covers some pixels.
    const QSize size(cardpictures::kCardWidth * 2, cardpictures::kCardHeight * 2);
    const QRect corner(static_cast<int>(share.x() * size.width()),
                       static_cast<int>(share.y() * size.height()),
                       std::max(1, static_cast<int>(share.width() * size.width())),
                       std::max(1, static_cast<int>(share.height() * size.height())));
    for (const int firstOfSuit : {27, 40}) { // spades, hearts
        std::array<QImage, 13> corners;
        for (int rank = 0; rank < 13; ++rank) {
            corners[static_cast<std::size_t>(rank)] =
                cardImage(deck, firstOfSuit + rank, size).copy(corner);
        }
        for (std::size_t a = 0; a < corners.size(); ++a) {
            for (std::size_t b = a + 1; b < corners.size(); ++b) {
                if (differingShare(corners[a], corners[b]) < least) {
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

bool readableInHand(const SvgDeck& deck, qreal visible) {
    return ranksApart(deck, QRectF(0, 0, visible, 1.0 / kCornerHeightDivisor), kDistinctCorner);
}

DeckLook lookAt(const QString& path, qreal visible, QSize cardSize) {
    DeckLook look;
    const std::unique_ptr<SvgDeck> deck = SvgDeck::load(path);
    if (deck == nullptr) {
        return look;
    }
    // Some decks' faces use what this renderer cannot draw: every face
    // comes out alike.
    look.usable = ranksApart(*deck, QRectF(0, 0, 1, 1), kDistinctFace);
    if (!look.usable) {
        return look;
    }
    look.readableInHand = readableInHand(*deck, visible);
    look.preview = sideBySide(cardSize, [&deck](QPainter& painter, int index, QRectF place) {
        deck->draw(painter, index, place);
    });
    return look;
}

QImage builtInPreview(QSize cardSize) {
    return sideBySide(cardSize, [](QPainter& painter, int index, QRectF place) {
        painter.save();
        painter.translate(place.topLeft());
        painter.scale(place.width() / cardpictures::kCardWidth,
                      place.height() / cardpictures::kCardHeight);
        if (index == cardpictures::kBack) {
            cardpictures::drawing::drawBack(painter);
        } else {
            cardpictures::drawing::drawFace(painter, index);
        }
        painter.restore();
    });
}

} // namespace carddeck
