// A solo game in this process, played through the window: the test passes
// three cards and clicks a card each turn until the first round is scored.
#include "handview.h"
#include "random.h"
#include "tchat.h"
#include "tgamestart.h"
#include "tserver.h"

#include "wait.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(SoloGame, ARoundPlayedWithTheMouseEndsWithItsScoresOnTheBoard) {
    Tchat chat({});
    Tchat::Windows windows;
    TServer::Options fast;
    fast.socktimerMs = 1;
    fast.pauseMs = 5;
    windows.server = new TServer(fast, &chat);
    windows.server->botSpeed = [] { return 5; };
    windows.gamestart = new Tgamestart(&chat);
    chat.attach(windows);
    chat.show();

    QString endround;
    QObject::connect(&chat.client(), &ClientConnection::lineHandled, [&](const QString& line) {
        if (line.startsWith(QLatin1String("CMD_endround+")) && endround.isEmpty()) {
            endround = line;
        }
    });
    ASSERT_TRUE(waitUntil([&] { return chat.client().isConnected(); }));
    ASSERT_TRUE(waitUntil([&] { return chat.board().seat[1].label_playername->text() == "You"; }));
    processrandom::setSeed(99);

    QTest::mouseClick(chat.startButton(), Qt::LeftButton);
    ASSERT_TRUE(windows.gamestart->isVisible());
    QTest::mouseClick(windows.gamestart->button_start, Qt::LeftButton);

    HandView& hand = chat.table().hand();
    TableContext& context = chat.table().context();
    auto cardsInHand = [&] {
        std::vector<CardPicture*> cards;
        for (int slot : hand.places()) {
            if (CardPicture* card = hand.cardInSlot(slot)) {
                cards.push_back(card);
            }
        }
        return cards;
    };
    int attempt = 0;
    std::size_t handSize = 0;
    bool passed = false;
    const bool done = waitUntil(
        [&] {
            if (!endround.isEmpty()) {
                return true;
            }
            if (context.turnSeat != 1) {
                return false;
            }
            auto cards = cardsInHand();
            if (cards.empty()) {
                return false;
            }
            if (hand.passingOpen()) {
                for (int i = 0; i < 3; ++i) {
                    QTest::mouseClick(cards[static_cast<std::size_t>(i)], Qt::LeftButton);
                }
                QTest::mouseClick(chat.board().button_pass, Qt::LeftButton);
                passed = true;
                return false;
            }
            if (cards.size() != handSize) {
                handSize = cards.size();
                attempt = 0;
            }
            // Try the cards from the left; a refused one gives the turn back.
            QTest::mouseClick(cards[static_cast<std::size_t>(attempt) % cards.size()],
                              Qt::LeftButton);
            ++attempt;
            return false;
        },
        60000);
    ASSERT_TRUE(done) << "the round did not end";
    EXPECT_TRUE(passed);

    // CMD_endround+moon then seat, points, total for seats 1..4.
    const QStringList fields = endround.split(QLatin1Char('+'));
    ASSERT_EQ(fields.size(), 14);
    int points = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        const QString total = fields[3 * seat + 1];
        points += fields[3 * seat].toInt();
        EXPECT_EQ(chat.board().seat[static_cast<std::size_t>(seat)].label_score->text(), total);
    }
    EXPECT_TRUE(points == 26 || points == 78);
    EXPECT_TRUE(cardsInHand().empty());
}
