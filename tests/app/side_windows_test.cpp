// The side windows of the game on a 1920 x 1080 screen filled by the
// table and the chat.
#include "board.h"
#include "boardlayout.h"
#include "cardpictures.h"
#include "chatpanel.h"
#include "handcard.h"
#include "lasttrickwindow.h"
#include "scoresheetwindow.h"
#include "tablearea.h"
#include "tchat.h"

#include "wait.h"

#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Where the opponents' fans of thirteen backs stand, on the screen.
std::vector<QRect> opponentsCards(const Board& board) {
    std::vector<QRect> fans;
    for (int position = 2; position <= 4; ++position) {
        const auto index = static_cast<std::size_t>(position);
        const int spread = 12 * std::abs(boardlayout::kFanStep[index]);
        QPoint first = board.layout().cards[index];
        if (boardlayout::kFanStep[index] < 0) {
            first.rx() -= spread;
        }
        const QRect pixels = board.toPixels(
            QRect(first, QSize(cardpictures::kCardWidth + spread, cardpictures::kCardHeight)));
        fans.emplace_back(board.mapToGlobal(pixels.topLeft()), pixels.size());
    }
    return fans;
}

} // namespace

// On a window that fills the screen with the chat open there is no room
// beside it: Last Trick and the Score Sheet stand over the chat column, or
// where the table has room, and never over the opponents' cards.
TEST(SideWindows, LeaveTheOpponentsCardsInSight) {
    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    chat.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chat));
    for (const char* line :
         {"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_existingplayers+2+Bob",
          "CMD_startgame+Me+100+0+", "CMD_startround+1+",
          "CMD_mycards+1+1+1+2+14+3+37+4+40+5+3+6+4+7+5+8+6+9+7+10+8+11+9+12+10+13+11",
          "CMD_nextplayer+1+0+"}) {
        chat.state().apply(line);
    }
    chat.setGeometry(chat.screen()->availableGeometry());
    for (bool chatShown : {true, false}) {
        chat.setChatShown(chatShown);
        QCoreApplication::processEvents();
        for (QWidget* window : std::initializer_list<QWidget*>{chat.table().scoreSheetWindow(),
                                                               chat.table().lastTrickWindow()}) {
            chat.activateWindow();
            ASSERT_TRUE(waitUntil([&] { return chat.isActiveWindow(); }));
            QTest::keyClick(chat.board().cardInSlot(1),
                            window == chat.table().lastTrickWindow() ? Qt::Key_L : Qt::Key_S);
            ASSERT_TRUE(waitUntil([&] { return window->isVisible(); }));
            const QRect at = window->frameGeometry();
            for (const QRect& fan : opponentsCards(chat.board())) {
                EXPECT_FALSE(at.intersects(fan))
                    << window->windowTitle().toStdString() << (chatShown ? " with" : " without")
                    << " the chat at " << at.x() << "," << at.y() << " " << at.width() << "x"
                    << at.height() << " over cards at " << fan.x() << "," << fan.y() << " "
                    << fan.width() << "x" << fan.height();
            }
            window->hide();
        }
    }
}

// The folded chat's tab, with its count of unread lines, stands at the
// table's corner over none of the game: not the hearts-broken mark, not a
// seat, a fan, the trick or the hand.
TEST(FoldedChat, TheTabCoversNothingOfTheGame) {
    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    chat.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chat));
    chat.setChatShown(false);
    for (int line = 0; line < 12; ++line) {
        chat.tableArea().chatLineArrived();
    }
    for (const QSize size : {QSize(1920, 1080), QSize(1366, 768), QSize(1280, 800)}) {
        chat.resize(size);
        QCoreApplication::processEvents();
        const Board& board = chat.board();
        const QToolButton* tab = chat.tableArea().chatTab();
        const QRect tabOnBoard(board.mapFrom(tab->parentWidget(), tab->pos()), tab->size());
        std::vector<QRect> marks = board.gameAreas();
        marks.push_back(board.toPixels(board.layout().heartsBroken));
        for (const QRect& mark : marks) {
            EXPECT_FALSE(tabOnBoard.intersects(mark))
                << size.width() << "x" << size.height() << ": the tab at " << tabOnBoard.x() << ","
                << tabOnBoard.y() << " over " << mark.x() << "," << mark.y() << " " << mark.width()
                << "x" << mark.height();
        }
    }
}

// What a screen reader takes for the card table covers the table as drawn,
// never the chat beside it.
TEST(SideWindows, TheTablesAreaEndsWhereTheChatBegins) {
    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    chat.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chat));
    chat.setGeometry(chat.screen()->availableGeometry());
    chat.setChatShown(true);
    QCoreApplication::processEvents();
    const QRect table(chat.board().mapToGlobal(QPoint(0, 0)), chat.board().size());
    const QRect column(chat.chat().mapToGlobal(QPoint(0, 0)), chat.chat().size());
    EXPECT_FALSE(table.intersects(column))
        << "table " << table.x() << "+" << table.width() << ", chat from " << column.x();
}
