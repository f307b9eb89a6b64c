// Card decks from SVG files laid out as the desktop's deck packages lay
// them out, in a temporary folder.
#include "carddeck.h"
#include "cardpictures.h"
#include "deckpreview.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "svgdeck.h"

namespace {

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

// The packages of both desktops install some decks twice, and some decks
// of other suits: each deck is offered once, the French-suited first.
TEST(CardDeckList, EachDeckOnceAndOtherSuitsLast) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString kde = dir.filePath(QStringLiteral("carddecks"));
    const QString gnome = dir.filePath(QStringLiteral("aisleriot"));
    for (const char* name : {"svg-dondorf", "svg-xskat-german", "svg-standard"}) {
        QDir(kde).mkpath(QLatin1String(name));
    }
    QDir(gnome).mkpath(QStringLiteral("."));
    const struct {
        const char* index;
        const char* text;
    } kdeDecks[] = {
        {"svg-dondorf/index.desktop", "[KDE Backdeck]\nName=Dondorf\nSVG=dondorf.svg\n"},
        {"svg-xskat-german/index.desktop", "[KDE Backdeck]\nName=XSkat German\nSVG=german.svg\n"},
        {"svg-standard/index.desktop", "[KDE Backdeck]\nName=Standard\nSVG=standard.svg\n"},
    };
    for (const auto& deck : kdeDecks) {
        write(QDir(kde).filePath(QLatin1String(deck.index)), deck.text);
    }
    for (const char* svg :
         {"svg-dondorf/dondorf.svg", "svg-xskat-german/german.svg", "svg-standard/standard.svg"}) {
        write(QDir(kde).filePath(QLatin1String(svg)), svgDeck(false));
    }
    for (const char* svg : {"dondorf.svg", "swiss-xvii.svg", "anglo.svg", "DONDORF.svg"}) {
        write(QDir(gnome).filePath(QLatin1String(svg)), svgDeck(true));
    }

    const auto decks = carddeck::findDecks({kde, gnome});
    std::vector<std::pair<QString, carddeck::Suits>> found;
    for (const carddeck::DeckInfo& deck : decks) {
        found.emplace_back(deck.name, deck.suits);
    }
    using carddeck::Suits;
    const std::vector<std::pair<QString, Suits>> expected = {
        {QStringLiteral("Anglo"), Suits::French},
        {QStringLiteral("Dondorf"), Suits::French},
        {QStringLiteral("Standard"), Suits::French},
        {QStringLiteral("XSkat German"), Suits::German},
        {QStringLiteral("Swiss XVII"), Suits::Swiss},
    };
    EXPECT_EQ(found, expected);
    // The first found of a name stays: the KDE folder was searched first.
    EXPECT_TRUE(decks[1].path.startsWith(kde));
    EXPECT_FALSE(carddeck::suitsText(Suits::German).isEmpty());
    EXPECT_TRUE(carddeck::suitsText(Suits::French).isEmpty());
}

// A hand shows a strip of each card at its left; a deck that prints its
// ranks only at the right, or cannot tell them apart, is not for the hand.
TEST(CardDeckList, AHandCanReadOnlyDecksWithTheRankAtTheLeft) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* file;
        Index index;
        bool readable;
    } cases[] = {
        {"left.svg", Index::Left, true},
        {"right.svg", Index::Right, false},
        {"plain.svg", Index::None, false},
    };
    constexpr qreal kClassicStrip = 18.0 / 71.0;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QLatin1String(c.file));
        write(path, svgDeck(false, QString(), c.index));
        const auto deck = carddeck::SvgDeck::load(path);
        ASSERT_NE(deck, nullptr) << c.file;
        EXPECT_EQ(carddeck::readableInHand(*deck, kClassicStrip), c.readable) << c.file;
        // With the whole card in view every indexed deck reads.
        EXPECT_EQ(carddeck::readableInHand(*deck, 1.0), c.index != Index::None) << c.file;

        const carddeck::DeckLook look = carddeck::lookAt(path, kClassicStrip, QSize(60, 81));
        // Faces that all draw alike are no deck to play with.
        EXPECT_EQ(look.usable, c.index != Index::None);
        EXPECT_EQ(look.readableInHand, c.readable);
        if (look.usable) {
            EXPECT_EQ(look.preview.size(), QSize(60 * 3 + 6 * 2, 81));
        }
    }
    EXPECT_FALSE(
        carddeck::lookAt(dir.filePath(QStringLiteral("gone.svg")), kClassicStrip, QSize(60, 81))
            .usable);
    EXPECT_EQ(carddeck::builtInPreview(QSize(60, 81)).size(), QSize(192, 81));
}
