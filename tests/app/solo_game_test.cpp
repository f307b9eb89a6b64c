// A solo game in this process, played through the window: the test passes
// three cards and clicks a card each turn until the first round is scored.
#include "board.h"
#include "fastsolo.h"
#include "handcard.h"
#include "launcher.h"
#include "picturebutton.h"
#include "random.h"
#include "serverprocess.h"
#include "tchat.h"
#include "tgamestart.h"
#include "tserver.h"
#include "ttallylist.h"

#include "wait.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The person at the table: passes the three leftmost cards when asked and,
// on each turn, clicks cards from the left until the host takes one.
class MousePlayer {
public:
    explicit MousePlayer(Tchat& chat) : m_chat(chat) {}

    std::vector<HandCard*> cardsInHand() const {
        std::vector<HandCard*> cards;
        for (int slot : m_chat.state().hand().places) {
            HandCard* card = m_chat.board().cardInSlot(slot);
            if (card != nullptr && card->isVisible()) {
                cards.push_back(card);
            }
        }
        return cards;
    }

    // One look at the table; acts when it is this player's move.
    void act() {
        if (m_chat.state().turnSeat() != 1) {
            return;
        }
        auto cards = cardsInHand();
        if (cards.empty()) {
            return;
        }
        if (m_chat.state().passingOpen()) {
            for (int i = 0; i < 3; ++i) {
                QTest::mouseClick(cards[static_cast<std::size_t>(i)], Qt::LeftButton);
            }
            QTest::mouseClick(m_chat.board().button_pass, Qt::LeftButton);
            passed = true;
            return;
        }
        if (cards.size() != m_handSize) {
            m_handSize = cards.size();
            m_attempt = 0;
        }
        QTest::mouseClick(cards[m_attempt % cards.size()], Qt::LeftButton);
        ++m_attempt;
    }

    bool passed = false;

private:
    Tchat& m_chat;
    std::size_t m_attempt = 0;
    std::size_t m_handSize = 0;
};

// A solo table in this process with short pauses and fast computer players.
struct SoloTable {
    Tchat chat{QStringList{}};
    Tchat::Windows windows;
    QStringList lines;

    SoloTable() {
        attachFastSolo(chat, windows);
        QObject::connect(&chat.client(), &ClientConnection::lineHandled,
                         [this](const QString& line) { lines.append(line); });
        chat.show();
    }
    QString first(const QString& word) const {
        for (const QString& line : lines) {
            if (line.startsWith(word)) {
                return line;
            }
        }
        return QString();
    }
    void start(int playto) {
        ASSERT_TRUE(waitUntil([&] { return chat.state().seatName(1) == "You"; }));
        QTest::mouseClick(chat.startButton(), Qt::LeftButton);
        ASSERT_TRUE(windows.gamestart->isVisible());
        windows.gamestart->setPlayto(playto);
        QTest::mouseClick(windows.gamestart->button_start, Qt::LeftButton);
    }
    bool playUntil(const QString& word, MousePlayer& player, int timeoutMs) {
        return waitUntil(
            [&] {
                if (!first(word).isEmpty()) {
                    return true;
                }
                player.act();
                return false;
            },
            timeoutMs);
    }
};

} // namespace

TEST(SoloGame, ARoundPlayedWithTheMouseEndsWithItsScoresOnTheBoard) {
    SoloTable table;
    processrandom::setSeed(99);
    table.start(100);
    MousePlayer player(table.chat);
    ASSERT_TRUE(table.playUntil(QStringLiteral("CMD_endround+"), player, 60000));
    EXPECT_TRUE(player.passed);

    // CMD_endround+moon then seat, points, total for seats 1..4.
    const QStringList fields = table.first(QStringLiteral("CMD_endround+")).split(QLatin1Char('+'));
    ASSERT_EQ(fields.size(), 14);
    int points = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        points += fields[3 * seat].toInt();
        EXPECT_EQ(QString::number(table.chat.state().seat(seat).score), fields[3 * seat + 1]);
    }
    EXPECT_TRUE(points == 26 || points == 78);
    EXPECT_TRUE(player.cardsInHand().empty());
}

TEST(SoloGame, StrongComputerPlayersChosenAtTheStartPlayAWholeRound) {
    SoloTable table;
    processrandom::setSeed(31);
    ASSERT_TRUE(waitUntil([&] { return table.chat.state().seatName(1) == "You"; }));
    QTest::mouseClick(table.chat.startButton(), Qt::LeftButton);
    ASSERT_TRUE(table.windows.gamestart->combo_computerlevel->isEnabled());
    table.windows.gamestart->combo_computerlevel->setCurrentIndex(1);
    QTest::mouseClick(table.windows.gamestart->button_start, Qt::LeftButton);
    const HostGame::Levels& levels = table.windows.server->game().levels();
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(levels[static_cast<std::size_t>(seat)], hearts::Level::Strong) << seat;
    }
    MousePlayer player(table.chat);
    ASSERT_TRUE(table.playUntil(QStringLiteral("CMD_endround+"), player, 90000));
    const QStringList fields = table.first(QStringLiteral("CMD_endround+")).split(QLatin1Char('+'));
    ASSERT_EQ(fields.size(), 14);
    int points = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        points += fields[3 * seat].toInt();
    }
    EXPECT_TRUE(points == 26 || points == 78);
}

TEST(SoloGame, AWholeGameEndsInTheTallyAndSurvivesARestart) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("agametally.tld"));
    {
        SoloTable table;
        table.windows.tallylist->loadFile(file);
        processrandom::setSeed(5);
        table.start(50);
        MousePlayer player(table.chat);
        ASSERT_TRUE(table.playUntil(QStringLiteral("CMD_winner+"), player, 120000));
        EXPECT_EQ(table.chat.state().statusText(), "Game Over!");
        EXPECT_TRUE(table.chat.chatText().contains(QStringLiteral("Won the Game!")));
        EXPECT_EQ(table.windows.tallylist->table().cell(1, 0), QStringLiteral("1"));
        const bool won =
            table.first(QStringLiteral("CMD_winner+")).startsWith(QStringLiteral("CMD_winner+1+"));
        EXPECT_EQ(table.windows.tallylist->table().cell(2, 0),
                  won ? QStringLiteral("1") : QStringLiteral("0"));
        table.windows.tallylist->save();
    }
    Ttallylist again;
    again.loadFile(file);
    EXPECT_EQ(again.table().cell(1, 0), QStringLiteral("1"));
}

TEST(SoloGame, HouseRulesChosenAtTheStartAreTheTablesAndAHintRaisesALegalCard) {
    SoloTable table;
    processrandom::setSeed(17);
    ASSERT_TRUE(waitUntil([&] { return table.chat.state().seatName(1) == "You"; }));
    QTest::mouseClick(table.chat.startButton(), Qt::LeftButton);
    Tgamestart& start = *table.windows.gamestart;
    start.check_jackofdiamonds->setChecked(true);
    start.check_nopasshand->setChecked(false);
    QTest::mouseClick(start.button_start, Qt::LeftButton);
    ASSERT_TRUE(
        waitUntil([&] { return !table.first(QStringLiteral("CMD_houserules+")).isEmpty(); }));
    EXPECT_EQ(table.first(QStringLiteral("CMD_houserules+")), QStringLiteral("CMD_houserules+JN+"));
    EXPECT_EQ(hearts::houseRulesCode(table.windows.server->game().houseRules()), "JN");
    EXPECT_EQ(hearts::houseRulesCode(table.chat.state().houseRules()), "JN");

    // My turn to play: H raises the hint's card, one I may play.
    MousePlayer player(table.chat);
    ASSERT_TRUE(waitUntil(
        [&] {
            if (table.chat.state().playing() && table.chat.state().hintSlot() != 0) {
                return true;
            }
            if (table.chat.state().passingOpen()) {
                player.act();
            }
            return false;
        },
        60000));
    QTest::keyClick(&table.chat, Qt::Key_H);
    const int slot = table.chat.state().hintSlot();
    ASSERT_NE(slot, 0);
    EXPECT_TRUE(table.chat.state().hand().raised[static_cast<std::size_t>(slot)]);
    EXPECT_TRUE(table.chat.state().mayPlay(slot));
    EXPECT_EQ(QApplication::focusWidget(), table.chat.board().cardInSlot(slot));
    EXPECT_EQ(table.chat.state().statusText().rfind("Hint: the ", 0), 0u)
        << table.chat.state().statusText();
}
