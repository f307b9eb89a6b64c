// Card decks from SVG files laid out as the desktop's deck packages lay
// them out, in a temporary folder.
#include "carddeck.h"
#include "cardpictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char* kRanks[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};
const char* kSuits[] = {"club", "diamond", "spade", "heart"};

// An SVG deck whose cards are coloured boxes; `gnome` chooses the naming
// "club_queen" over "queen_club"; a missing card can be left out.
QByteArray svgDeck(bool gnome, const QString& leaveOut = QString()) {
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1400\" height=\"500\">";
    auto box = [&](const QString& id, int x, int y, const char* colour) {
        if (id == leaveOut) {
            return;
        }
        svg += QStringLiteral("<g id=\"%1\"><rect x=\"%2\" y=\"%3\" width=\"100\" height=\"140\" "
                              "fill=\"%4\"/></g>")
                   .arg(id)
                   .arg(x)
                   .arg(y)
                   .arg(QLatin1String(colour))
                   .toUtf8();
    };
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            const QString r = QLatin1String(kRanks[rank]);
            const QString s = QLatin1String(kSuits[suit]);
            box(gnome ? s + "_" + r : r + "_" + s, rank * 105, suit * 120, "#2050c0");
        }
    }
    box(QStringLiteral("back"), 0, 0, "#c02020");
    return svg + "</svg>";
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class CardDecks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // KDE: a folder per deck with its index.
        QDir(dir.path()).mkpath(QStringLiteral("carddecks/svg-boxes"));
        write(dir.filePath(QStringLiteral("carddecks/svg-boxes/index.desktop")),
              "[KDE Backdeck]\nName=Blue Boxes\nName[de]=Blaue Kisten\nSVG=boxes.svg\n");
        write(dir.filePath(QStringLiteral("carddecks/svg-boxes/boxes.svg")), svgDeck(false));
        // A folder whose index names no file, and one that is no deck.
        QDir(dir.path()).mkpath(QStringLiteral("carddecks/svg-empty"));
        write(dir.filePath(QStringLiteral("carddecks/svg-empty/index.desktop")),
              "[KDE Backdeck]\nName=Empty\nSVG=gone.svg\n");
        // GNOME: one file per deck.
        QDir(dir.path()).mkpath(QStringLiteral("cards"));
        write(dir.filePath(QStringLiteral("cards/anglo_boxes.svg")), svgDeck(true));
        write(dir.filePath(QStringLiteral("cards/short_deck.svg")),
              svgDeck(true, QStringLiteral("spade_queen")));
        write(dir.filePath(QStringLiteral("cards/readme.txt")), "not a deck");
    }
    void TearDown() override { cardpictures::setDeck(QString()); }

    QStringList folders() const {
        return {dir.filePath(QStringLiteral("carddecks")), dir.filePath(QStringLiteral("cards"))};
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CardDecks, BothLayoutsAreFoundByName) {
    const auto decks = carddeck::findDecks(folders());
    ASSERT_EQ(decks.size(), 3u);
    EXPECT_EQ(decks[0].name, QStringLiteral("Anglo Boxes"));
    EXPECT_EQ(decks[1].name, QStringLiteral("Blue Boxes"));
    EXPECT_TRUE(decks[1].path.endsWith(QStringLiteral("svg-boxes/boxes.svg")));
    EXPECT_EQ(decks[2].name, QStringLiteral("Short Deck"));
}

TEST_F(CardDecks, ADeckDrawsTheCardsAndTheBuiltInDeckComesBack) {
    const QImage builtIn = cardpictures::card(37, 2.0).toImage();
    for (const carddeck::DeckInfo& deck : carddeck::findDecks(folders())) {
        if (deck.name == QLatin1String("Short Deck")) {
            continue;
        }
        ASSERT_TRUE(cardpictures::setDeck(deck.path)) << deck.name.toStdString();
        EXPECT_EQ(cardpictures::deckPath(), deck.path);
        const QImage queen = cardpictures::card(37, 2.0).toImage();
        EXPECT_EQ(queen.size(), builtIn.size());
        // Blue boxes, the back red; drawn at the pixels asked for.
        EXPECT_EQ(queen.pixelColor(queen.width() / 2, queen.height() / 2), QColor("#2050c0"));
        const QImage back = cardpictures::card(cardpictures::kBack, 2.0).toImage();
        EXPECT_EQ(back.pixelColor(back.width() / 2, back.height() / 2), QColor("#c02020"));
    }
    ASSERT_TRUE(cardpictures::setDeck(QString()));
    EXPECT_EQ(cardpictures::card(37, 2.0).toImage(), builtIn);
}

TEST_F(CardDecks, ADeckThatCannotBeUsedLeavesTheCardsAsTheyWere) {
    const QImage builtIn = cardpictures::card(37).toImage();
    for (const QString& broken : {dir.filePath(QStringLiteral("cards/short_deck.svg")),
                                  dir.filePath(QStringLiteral("cards/readme.txt")),
                                  dir.filePath(QStringLiteral("nothing.svg"))}) {
        EXPECT_FALSE(cardpictures::setDeck(broken)) << broken.toStdString();
        EXPECT_TRUE(cardpictures::deckPath().isEmpty());
        EXPECT_EQ(cardpictures::card(37).toImage(), builtIn);
    }
}
