#include "cardpictures.h"

#include "carddeck.h"
#include "drawing.h"

#include <QPainter>

#include <map>
#include <memory>
#include <tuple>

namespace cardpictures {

using namespace drawing;

namespace {

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
