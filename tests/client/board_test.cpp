// The table drawn from its model in a real window (offscreen): scaled
// cards take clicks at their scaled places, the keyboard plays a hand, and
// what a screen reader hears follows the model.
#include "board.h"
#include "boardlayout.h"
#include "cardpictures.h"
#include "handcard.h"
#include "picturebutton.h"
#include "seatitem.h"
#include "tablestate.h"

#include "boardview.h"
#include "cardtext.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "recordedevents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

TEST_F(BoardView, AClickAtAScaledCardPlaysThatCard) {
    board->setScale(2.0);
    deal("KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    EXPECT_EQ(board->size(), QSize(2 * boardlayout::kTableWidth, 2 * 474));
    HandCard* last = cardAtPlace(12);
    EXPECT_EQ(last->geometry().topLeft(), QPoint(2 * (170 + 18 * 12), 2 * 333));
    EXPECT_EQ(last->width(), 2 * cardpictures::kCardWidth);

    host({"CMD_nextplayer+1+0+"});
    // The centre of the rightmost card, in the window's pixels.
    const QPoint centre = board->mapTo(&window, last->geometry().center());
    QWidget* under = window.childAt(centre);
    ASSERT_EQ(under, last);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(&window, centre));
    // The ace of hearts may not lead the round: said, and not sent.
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(state.statusText(), "You must lead the 2 of clubs.");
    // A click in the visible strip of the first card, the two, plays it.
    HandCard* first = cardAtPlace(0);
    const QPoint strip = board->mapTo(&window, first->geometry().topLeft() + QPoint(18, 100));
    ASSERT_EQ(window.childAt(strip), first);
    QTest::mouseClick(first, Qt::LeftButton, {}, first->mapFrom(&window, strip));
    EXPECT_EQ(sent,
              std::vector<std::string>{"CMD_playcard+1+" + std::to_string(first->slot()) + "+"});
}

TEST_F(BoardView, CardsAreDrawnAtThePixelsTheyTake) {
    board->setScale(2.0);
    deal("KH 2C QS");
    HandCard* last = cardAtPlace(2);
    const QImage shown = last->grab().toImage().copy(
        QRect(0, 0, 2 * cardpictures::kCardWidth, 2 * cardpictures::kCardHeight));
    const QImage drawn = cardpictures::card(last->card(), 2.0).toImage();
    ASSERT_EQ(drawn.size(), shown.size());
    // The same pixels as the card drawn at twice its size: nothing scaled up.
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y);
            const QColor b = drawn.pixelColor(x, y);
            if (b.alpha() == 255 &&
                (std::abs(a.red() - b.red()) > 8 || std::abs(a.green() - b.green()) > 8 ||
                 std::abs(a.blue() - b.blue()) > 8)) {
                ++differing;
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(BoardView, TheKeyboardPassesAndPlays) {
    deal("KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    host({"CMD_passcards+1+1+"});
    board->focusHand();
    ASSERT_EQ(QApplication::focusWidget(), cardAtPlace(0));
    // 2C, JC and AC are the three leftmost cards.
    keys({Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
    EXPECT_TRUE(sent.empty());
    EXPECT_FALSE(board->button_pass->isHidden());
    keys({Qt::Key_Return});
    EXPECT_EQ(sent, std::vector<std::string>{"CMD_passcards+1+2+10+5+"});
    sent.clear();

    host({"CMD_passedcards+1+2+10+5+", "CMD_mycards+1+2+15+10+29+5+42", "CMD_nextplayer+1+0+"});
    // My turn brings the focus to my first card I may play: not the hearts,
    // which may not lead yet. End and Left reach the second card from the
    // right, a heart: refused at once; Home and Enter play the first.
    ASSERT_EQ(QApplication::focusWidget(), cardAtPlace(0));
    keys({Qt::Key_End, Qt::Key_Left, Qt::Key_Return});
    EXPECT_TRUE(sent.empty());
    keys({Qt::Key_Home, Qt::Key_Return});
    EXPECT_EQ(sent, std::vector<std::string>{"CMD_playcard+1+" +
                                             std::to_string(cardAtPlace(0)->slot()) + "+"});
    // Only one card of the hand is a Tab stop.
    int stops = 0;
    for (int place = 0; place < 13; ++place) {
        stops += cardAtPlace(place)->focusPolicy() == Qt::StrongFocus ? 1 : 0;
    }
    EXPECT_EQ(stops, 1);
}

TEST_F(BoardView, TheLastCardPlayedLeavesTheKeyboardOnTheTable) {
    deal("KH 2C");
    host({"CMD_nextplayer+1+0+"});
    board->focusHand();
    keys({Qt::Key_Return});
    host({"CMD_heusecard+1+2+", "CMD_nextplayer+1+0+"});
    EXPECT_EQ(QApplication::focusWidget(), board->cardInSlot(1));
    keys({Qt::Key_Return});
    host({"CMD_heusecard+1+1+"});
    EXPECT_EQ(QApplication::focusWidget(), board);
}

TEST_F(BoardView, WhatAScreenReaderHears) {
    deal("QS 5C 3H");
    host({"CMD_existingplayers+4+Kling", "CMD_nextplayer+4+0+", "CMD_heplayed+4+1+12+",
          "CMD_nextplayer+1+1+"});
    EXPECT_EQ(board->cardInSlot(1)->accessibleName(),
              QStringLiteral("Queen of spades, not playable"));
    EXPECT_EQ(board->cardInSlot(2)->accessibleName(), QStringLiteral("5 of clubs, playable"));
    EXPECT_TRUE(board->cardInSlot(1)->look().dimmed);
    EXPECT_FALSE(board->cardInSlot(2)->look().dimmed);
    host({"CMD_heplayed+1+4+12+", "CMD_heplayed+2+13+12+", "CMD_heplayed+3+12+12+",
          "CMD_tooktrick+4+3+", "CMD_endround+0+1+0+0+2+0+0+3+0+0+4+21+21", "CMD_nextplayer+4+0+"});
    // Seat 4 is at the right of seat 1.
    EXPECT_EQ(board->seatAt(4)->accessibleName(),
              QStringLiteral("Kling, 3 tricks, 21 points, to play"));
    EXPECT_EQ(board->seatAt(2)->accessibleName(), QStringLiteral("Klot, 0 tricks, 0 points"));
}

TEST_F(BoardView, TextOnTheTableReadsAtFourAndAHalfToOne) {
    // Relative luminance and contrast as the web's accessibility rules define them.
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const QImage tile = cardpictures::board(cardpictures::Picture::Tile).toImage();
    double lightest = 0;
    double darkest = 1;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const double l = luminance(tile.pixelColor(x, y));
            lightest = std::max(lightest, l);
            darkest = std::min(darkest, l);
        }
    }
    for (const QColor& text :
         {boardlayout::nameColour(), boardlayout::countColour(), boardlayout::tableTextColour()}) {
        const double contrast = (darkest + 0.05) / (luminance(text) + 0.05);
        EXPECT_GE(contrast, 4.5) << text.name().toStdString();
        EXPECT_GE((lightest + 0.05) / (luminance(text) + 0.05), contrast);
    }
    // White words on the buttons and the passing arrows: the fill behind the
    // words (the lightest of the colours most used there, the anti-aliased
    // edges of the letters aside) is dark enough.
    using cardpictures::Picture;
    for (const Picture picture : {Picture::StartButton, Picture::PassButton, Picture::ArrowLeft,
                                  Picture::ArrowRight, Picture::ArrowUp}) {
        const QImage image = cardpictures::board(picture).toImage();
        std::map<QRgb, int> uses;
        int counted = 0;
        for (int y = image.height() / 3; y < image.height() * 2 / 3; ++y) {
            for (int x = image.width() / 3; x < image.width() * 2 / 3; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() == 255 && c != QColor(Qt::white)) {
                    ++uses[c.rgb()];
                    ++counted;
                }
            }
        }
        double lightestFill = 0;
        for (const auto& [rgb, n] : uses) {
            if (n * 20 >= counted) {
                lightestFill = std::max(lightestFill, luminance(QColor(rgb)));
            }
        }
        EXPECT_GE((1.0 + 0.05) / (lightestFill + 0.05), 4.5) << static_cast<int>(picture);
    }
}

// The tree a screen reader walks holds what the table shows: a card played
// leaves it.
TEST_F(BoardView, TheTreeHoldsWhatIsShown) {
    deal("2C 5C 9C KC 4D");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board);
    ASSERT_NE(table, nullptr);
    const auto cardsInTree = [&] {
        int cards = 0;
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* child = table->child(i);
            EXPECT_FALSE(child->state().invisible) << child->text(QAccessible::Name).toStdString();
            cards += qobject_cast<HandCard*>(child->object()) != nullptr ? 1 : 0;
        }
        return cards;
    };
    EXPECT_EQ(cardsInTree(), 5);
    host({"CMD_nextplayer+1+0+", "CMD_heplayed+1+1+4+", "CMD_heusecard+1+1+"});
    EXPECT_EQ(cardsInTree(), 4);
}
