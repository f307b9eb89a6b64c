// The main window as a player meets it: the table grows with the window,
// the keyboard moves between the hand and the chat, the menus answer their
// keys, and the side windows show the model.
#include "announcer.h"
#include "board.h"
#include "boardlayout.h"
#include "cardpictures.h"
#include "handcard.h"
#include "lasttrickwindow.h"
#include "mainmenus.h"
#include "scoresheetwindow.h"
#include "tablearea.h"
#include "tchat.h"

#include "wait.h"

#include <QAccessible>
#include <QApplication>

#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include <gtest/gtest.h>

namespace {

// A main window that never connects (two parameters), fed host lines by hand.
class Window : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(chat.settingsPath());
        chat.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chat));
        chat.activateWindow();
        ASSERT_TRUE(waitUntil([&] { return chat.isActiveWindow(); }));
    }
    void TearDown() override { QFile::remove(chat.settingsPath()); }

    void host(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            chat.state().apply(line);
        }
    }
    void dealAndPlay() {
        host({"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_startgame+Me+100+0+",
              "CMD_startround+1+", "CMD_mycards+1+1+1+2+14+3+37+4+40", "CMD_nextplayer+1+0+"});
    }
    HandCard* focusedCard() { return dynamic_cast<HandCard*>(QApplication::focusWidget()); }

    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
};

} // namespace

TEST_F(Window, TheTableGrowsWithTheWindowAndTakesTheWidthTheChatLeaves) {
    dealAndPlay();
    // At its smallest, the table at its own size beside the chat.
    chat.resize(TableArea::kClientWidth, TableArea::kClientHeight + chat.menuBar()->height());
    chat.setChatShown(true);
    ASSERT_TRUE(waitUntil([&] { return chat.tableArea().width() == TableArea::kClientWidth; }));
    EXPECT_EQ(chat.chat().x(), TableArea::kClientWidth - TableArea::kChatMinWidth);
    EXPECT_FALSE(chat.board().layout().wide);
    // Larger: the table fills the height, the chat keeps its share, and the
    // table takes the width left, its hand spread across it.
    chat.resize(1920, 1030 + chat.menuBar()->height());
    ASSERT_TRUE(waitUntil([&] { return chat.tableArea().width() == 1920; }));
    const qreal scale = chat.tableArea().scale();
    EXPECT_NEAR(scale, (1030.0 - 4) / boardlayout::kHeight, 0.01);
    EXPECT_EQ(chat.chat().width() + 8, std::lround(1920 * TableArea::kChatShare));
    EXPECT_TRUE(chat.board().layout().wide);
    EXPECT_GE(chat.board().width(), 1920 - TableArea::kChatMaxWidth - 4);
    // What each card of the hand shows, in pixels of the screen.
    auto stripOfACard = [&] {
        const boardlayout::Layout& layout = chat.board().layout();
        return (layout.handCard(1, 13, false).left() - layout.handCard(0, 13, false).left()) *
               chat.tableArea().scale();
    };
    const qreal stripBesideTheChat = stripOfACard();
    // Folded away, the chat leaves all the width to the table, and the hand
    // spreads over it: on a 1920 x 1080 screen a card 290 pixels high, 60
    // of each card showing.
    chat.setChatShown(false);
    EXPECT_FALSE(chat.chat().isVisible());
    EXPECT_GE(chat.board().width(), 1920 - 4);
    EXPECT_TRUE(chat.tableArea().chatTab()->isVisible());
    EXPECT_GT(stripOfACard(), stripBesideTheChat * 1.15);
    EXPECT_GE(stripOfACard(), 60);
    EXPECT_GE(chat.board().layout().handCardSize().height() * chat.tableArea().scale(), 290);
}

TEST(TableAreaPaint, TheFirstPaintIsToldOnce) {
    // The launch waits for it, so that nobody looks at an empty window.
    TableArea area;
    QSignalSpy painted(&area, &TableArea::firstPainted);
    area.show();
    ASSERT_TRUE(waitUntil([&] { return painted.count() == 1; }));
    area.repaint();
    EXPECT_EQ(painted.count(), 1);
}

TEST_F(Window, TabReachesTheChatAndEscapeComesBackToTheHand) {
    dealAndPlay();
    ASSERT_NE(focusedCard(), nullptr)
        << "my turn brings the focus to the hand, not to "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                        : "nothing")
        << (chat.isActiveWindow() ? " (active)" : " (inactive)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), chat.chat().mychat);
    // Typing an L in the chat is a letter, not the Last Trick key.
    QTest::keyClicks(chat.chat().mychat, QStringLiteral("lol"));
    EXPECT_EQ(chat.chat().mychat->text(), QStringLiteral("lol"));
    EXPECT_FALSE(chat.table().lastTrickWindow()->isVisible());
    QTest::keyClick(chat.chat().mychat, Qt::Key_Escape);
    ASSERT_NE(focusedCard(), nullptr);
    // From the hand, L shows the last trick.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L);
    EXPECT_TRUE(chat.table().lastTrickWindow()->isVisible());
}

TEST_F(Window, MenusHaveTheirKeys) {
    QStringList titles;
    for (QAction* menu : chat.menuBar()->actions()) {
        titles.append(menu->text());
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Game", "&Options", "&View", "&Help"}));
    EXPECT_EQ(chat.startGameAction()->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(chat.menus().LastTrick1->shortcut(), QKeySequence(Qt::Key_L));
    EXPECT_EQ(chat.menus().ScoreSheet1->shortcut(), QKeySequence(Qt::Key_S));
    EXPECT_EQ(chat.menus().Content1->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(Window, TheLastTrickAndTheScoreSheetShowTheGame) {
    host({"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_existingplayers+2+Bob",
          "CMD_startgame+Me+100+0+", "CMD_startround+1+", "CMD_nextplayer+1+0+",
          "CMD_heplayed+1+1+12+", "CMD_heplayed+2+37+12+", "CMD_heplayed+3+5+12+",
          "CMD_heplayed+4+40+12+", "CMD_tooktrick+3+1+",
          "CMD_endround+0+1+0+0+2+0+0+3+14+14+4+12+12", "CMD_startround+2+",
          "CMD_endround+2+1+26+26+2+0+0+3+26+40+4+26+38"});
    LastTrickWindow* last = chat.table().lastTrickWindow();
    EXPECT_EQ(last->summary().toStdString(),
              "Me: 2 of clubs; Bob: Queen of spades; Klick: 6 of clubs; Kling: 2 of hearts. Klick "
              "took the trick (14 points).");
    ScoreSheetWindow* sheet = chat.table().scoreSheetWindow();
    sheet->show();
    QTableWidget* table = sheet->sheet();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("Bob"));
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), QStringLiteral("Round 1"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("14 Q\u2660"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("0 \u263E"));
    EXPECT_EQ(table->verticalHeaderItem(2)->text(), QStringLiteral("Total"));
    EXPECT_EQ(table->item(2, 2)->text(), QStringLiteral("40"));
    // A round more while the sheet is open: it follows.
    host({"CMD_startround+3+", "CMD_endround+0+1+5+31+2+21+21+3+0+40+4+0+38"});
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(3, 0)->text(), QStringLiteral("31"));
}

TEST_F(Window, AMaximisedWindowComesBackMaximised) {
    chat.loadinifile();
    chat.setBounds(QRect(10, 20, 780, 540));
    chat.showMaximized();
    ASSERT_TRUE(waitUntil([&] { return chat.isMaximized(); }));
    chat.close();
    Tchat again{QStringList{"Tester", "127.0.0.1"}};
    again.show();
    again.loadinifile();
    EXPECT_TRUE(again.isMaximized());
    again.showNormal();
    ASSERT_TRUE(waitUntil([&] { return !again.isMaximized(); }));
    EXPECT_EQ(again.bounds().size(), QSize(780, 540));
}

// What happens at the table reaches assistive technology as it happens:
// one notification shown for each sentence, the card played, the trick
// taken and the winner among them, the sentences taking turns over the
// notifications.
TEST_F(Window, AScreenReaderIsToldEachChangeOnce) {
    const auto& announcers = chat.board().announcers();
    const auto shownSoFar = [&] {
        int shown = 0;
        for (const Announcer* announcer : announcers) {
            shown += announcer->timesShown();
        }
        return shown;
    };
    QStringList told;
    std::size_t next = 0;
    const auto listen = [&](std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            const int before = shownSoFar();
            chat.state().apply(line);
            for (int i = before; i < shownSoFar(); ++i) {
                told << announcers[next]->text();
                next = (next + 1) % announcers.size();
            }
        }
    };
    listen({"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_startgame+Me+100+0+",
            "CMD_startround+1+", "CMD_mycards+1+1+1+2+14+3+37+4+40", "CMD_nextplayer+1+0+",
            "CMD_heplayed+1+1+12+", "CMD_nextplayer+2+1+", "CMD_heplayed+2+37+12+",
            "CMD_heplayed+3+5+12+", "CMD_heplayed+4+40+12+", "CMD_tooktrick+2+1+",
            "CMD_winner+2+Klot+"});
    EXPECT_EQ(told, (QStringList{"Round 1, playing to 100.", "Your Turn.",
                                 "You play the 2 of clubs.", "Klot's turn.",
                                 "Klot plays the queen of spades.", "Klick plays the 6 of clubs.",
                                 "Kling plays the 2 of hearts. Hearts are broken.",
                                 "Klot took the trick, 14 points.",
                                 "Game over. Klot has won the game."}));
}
