#include "random.h"
#include "tserver.h"

#include "rawclient.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace {

class TServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        TServer::Options options;
        options.port = QStringLiteral("0");
        options.socktimerMs = 1;
        options.pauseMs = 1;
        server = std::make_unique<TServer>(options);
        server->botSpeed = [] { return 1; };
        server->startListening();
    }
    // Connects and logs in; answers the client, which knows its number.
    std::unique_ptr<RawClient> join(const std::string& name, int expectedNumber) {
        auto client = std::make_unique<RawClient>();
        EXPECT_TRUE(client->connectTo(server->listeningPort()));
        const std::string welcome = client->waitFor("CMD_sendlogininfo+");
        EXPECT_EQ(welcome, "CMD_sendlogininfo+" + std::to_string(expectedNumber));
        client->send("CMD_logininfo+" + std::to_string(expectedNumber) + "+1.0.9+" + name);
        EXPECT_FALSE(
            client->waitFor("CMD_newplayerinfo+" + std::to_string(expectedNumber)).empty());
        return client;
    }
    std::unique_ptr<TServer> server;
};

} // namespace

TEST_F(TServerTest, BeyondNineConnectionsWaitInTurnThenTheTableIsFull) {
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int number = 1; number <= 9; ++number) {
        clients.push_back(join("P" + std::to_string(number), number));
    }
    // The tenth waits, and those after it, up to the limit.
    std::vector<std::unique_ptr<RawClient>> waiting;
    for (std::size_t i = 0; i < TServer::kMaxWaiting; ++i) {
        waiting.push_back(std::make_unique<RawClient>());
        ASSERT_TRUE(waiting.back()->connectTo(server->listeningPort()));
    }
    ASSERT_TRUE(waitUntil([&] { return server->waitingConnections() == TServer::kMaxWaiting; }));
    RawClient refused;
    ASSERT_TRUE(refused.connectTo(server->listeningPort()));
    ASSERT_TRUE(refused.waitClosed());
    EXPECT_EQ(refused.messages(), std::vector<std::string>{"CMD_full+"});
    // The nine are undisturbed and nobody heard of the others.
    spin(50);
    for (auto& client : clients) {
        client->pump();
        EXPECT_EQ(client->socket().state(), QAbstractSocket::ConnectedState);
        EXPECT_TRUE(client->with("CMD_playerdisconnected").empty());
    }
    for (auto& client : waiting) {
        client->pump();
        EXPECT_TRUE(client->messages().empty());
    }
    // A number freed goes to the first who waited.
    clients[6]->socket().disconnectFromHost();
    EXPECT_EQ(waiting.front()->waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+7");
    waiting.front()->send("CMD_logininfo+7+1.0.9+First");
    EXPECT_FALSE(clients[0]->waitFor("CMD_newplayerinfo+7+First").empty());
    EXPECT_EQ(server->waitingConnections(), TServer::kMaxWaiting - 1);
}

TEST_F(TServerTest, ANewcomerTakesAFreeSeatMidGameAndADroppedPlayerHisOwn) {
    auto bob = join("Bob", 1);
    auto ann = join("Ann", 2);
    processrandom::setSeed(5);
    bob->send("CMD_startgame+Bob+100+0+");
    ASSERT_FALSE(ann->waitFor("CMD_passcards+2+1+").empty());
    ann->socket().disconnectFromHost();
    // The host's player hears of it once, though the close is reported twice.
    ASSERT_FALSE(bob->waitFor("CMD_playerdisconnected+2+Ann").empty());
    spin(50);
    bob->pump();
    EXPECT_EQ(bob->with("CMD_playerdisconnected").size(), 1u);
    // Seat 2 is kept for Ann: Eve gets the free seat 3, whose ten cards are
    // left after the computer passed for it.
    auto eve = join("Eve", 3);
    const std::string cards = eve->waitFor("CMD_mycards+3+");
    int pairs = 0;
    for (char c : cards) {
        pairs += c == '+' ? 1 : 0;
    }
    EXPECT_EQ((pairs - 1) / 2, 10);
    EXPECT_EQ(eve->waitFor("CMD_gamestats+").substr(0, 25), "CMD_gamestats+100+0+1+0+p");
    // Ann, given number 4, is moved to her seat and logs in there.
    auto back = std::make_unique<RawClient>();
    ASSERT_TRUE(back->connectTo(server->listeningPort()));
    EXPECT_EQ(back->waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+4");
    back->send("CMD_logininfo+4+1.0.9+Ann");
    EXPECT_EQ(back->waitFor("CMD_sendlogininfo+2"), "CMD_sendlogininfo+2");
    back->send("CMD_logininfo+2+1.0.9+Ann");
    EXPECT_FALSE(back->waitFor("CMD_newplayerinfo+2+Ann").empty());
    const std::string again = back->waitFor("CMD_mycards+2+");
    EXPECT_FALSE(again.empty());
    EXPECT_TRUE(bob->with("CMD_newplayerinfo+4").empty()) << "nobody heard of number 4";
    EXPECT_TRUE(server->game().loggedIn(2));
    EXPECT_FALSE(server->game().players()[4].connected);
}

TEST_F(TServerTest, RemovalAndImpersonation) {
    auto bob = join("Bob", 1);
    auto ann = join("Ann", 2);
    auto cy = join("Cy", 3);
    // Ann may not remove Cy, nor start a game, nor speak as Bob.
    ann->send("CMD_kickhim+2+3+");
    ann->send("CMD_kickhim+1+3+");
    ann->send("CMD_startgame+Ann+100+0+");
    ann->send("CMD_chat+1+I am Bob|clBlack");
    ann->send("CMD_chat+2+hi|clBlack");
    ASSERT_FALSE(cy->waitFor("CMD_chat+2+Ann chats: hi|clBlack").empty());
    EXPECT_TRUE(cy->with("CMD_startgame").empty());
    EXPECT_TRUE(cy->with("CMD_chat+1").empty());
    EXPECT_EQ(cy->socket().state(), QAbstractSocket::ConnectedState);
    bob->send("CMD_kickhim+1+3+");
    ASSERT_TRUE(cy->waitClosed());
    EXPECT_FALSE(ann->waitFor("CMD_playerdisconnected+3+Cy").empty());
}

TEST_F(TServerTest, AResetConnectionLeavesLikeAClosedOne) {
    auto bob = join("Bob", 1);
    auto ann = join("Ann", 2);
    bob->send("CMD_startgame+Bob+100+0+");
    ASSERT_FALSE(ann->waitFor("CMD_passcards+2+").empty());
    // Closing with unread data makes the kernel reset the connection.
    ann->socket().setReadBufferSize(1);
    spin(20);
    ann->socket().abort();
    ASSERT_FALSE(bob->waitFor("CMD_playerdisconnected+2+Ann").empty());
    ASSERT_TRUE(waitUntil([&] { return server->game().round().passed[2]; }));
}

TEST_F(TServerTest, APeerThatNeverEndsAMessageIsCutOff) {
    auto bob = join("Bob", 1);
    RawClient flood;
    ASSERT_TRUE(flood.connectTo(server->listeningPort()));
    flood.sendBytes(std::string(70 * 1024, 'x'));
    ASSERT_TRUE(flood.waitClosed());
    EXPECT_FALSE(bob->waitFor("CMD_playerdisconnected+2+").empty());
}

TEST_F(TServerTest, AWholeGameOfComputersReachesAWinner) {
    auto bob = join("Bob", 1);
    processrandom::setSeed(2024);
    bob->send("CMD_startgame+Bob+100+1+");
    bob->send("CMD_justwatch+1+1");
    const std::string winner = bob->waitFor("CMD_winner+", 30000);
    ASSERT_FALSE(winner.empty());

    // Check every round from the messages the table saw.
    std::set<int> playedThisRound;
    std::map<int, int> totals;
    int rounds = 0;
    for (const std::string& message : bob->messages()) {
        std::vector<int> fields;
        std::string word = message.substr(0, message.find('+'));
        std::string rest = message.substr(message.find('+') + 1);
        if (word == "CMD_startround") {
            playedThisRound.clear();
        } else if (word == "CMD_heplayed") {
            const int card = std::stoi(rest.substr(rest.find('+') + 1));
            EXPECT_TRUE(playedThisRound.insert(card).second) << "card played twice: " << card;
        } else if (word == "CMD_endround") {
            ++rounds;
            EXPECT_EQ(playedThisRound.size(), 52u);
            std::vector<int> numbers;
            std::size_t at = 0;
            while (at <= rest.size()) {
                const std::size_t plus = rest.find('+', at);
                numbers.push_back(std::stoi(rest.substr(at, plus - at)));
                if (plus == std::string::npos) {
                    break;
                }
                at = plus + 1;
            }
            ASSERT_EQ(numbers.size(), 13u);
            int sum = 0;
            for (int seat = 1; seat <= 4; ++seat) {
                EXPECT_EQ(numbers[static_cast<std::size_t>(3 * seat - 2)], seat);
                sum += numbers[static_cast<std::size_t>(3 * seat - 1)];
                totals[seat] = numbers[static_cast<std::size_t>(3 * seat)];
            }
            EXPECT_TRUE(numbers[0] == 0 ? sum == 26 : sum == 78) << message;
        }
    }
    EXPECT_GT(rounds, 1);
    const int winningSeat = std::stoi(winner.substr(11));
    bool someoneReached = false;
    for (const auto& [seat, total] : totals) {
        someoneReached = someoneReached || total >= 100;
        if (seat != winningSeat) {
            EXPECT_GT(total, totals[winningSeat]);
        }
    }
    EXPECT_TRUE(someoneReached);
}

TEST(TServerQueue, ALeftConnectionsLinesAreNotTakenAsTheNewcomers) {
    TServer::Options slow;
    slow.port = QStringLiteral("0");
    slow.socktimerMs = 300;
    TServer server(slow);
    server.startListening();
    RawClient bob;
    ASSERT_TRUE(bob.connectTo(server.listeningPort()));
    bob.send("CMD_logininfo+1+1.0.9+Bob");
    RawClient ann;
    ASSERT_TRUE(ann.connectTo(server.listeningPort()));
    ASSERT_EQ(ann.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+2");
    ann.send("CMD_logininfo+2+1.0.9+Ann");
    ASSERT_FALSE(bob.waitFor("CMD_newplayerinfo+2+Ann", 5000).empty());
    // Ann speaks behind a few other lines and leaves at once; Eve takes
    // number 2 before the chat line's tick comes.
    for (int i = 0; i < 3; ++i) {
        ann.send("CMD_botspeed+2+1000+");
    }
    ann.send("CMD_chat+2+old words|clBlack");
    ann.socket().disconnectFromHost();
    ASSERT_FALSE(bob.waitFor("CMD_playerdisconnected+2+Ann", 5000).empty());
    RawClient eve;
    ASSERT_TRUE(eve.connectTo(server.listeningPort()));
    ASSERT_EQ(eve.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+2");
    eve.send("CMD_logininfo+2+1.0.9+Eve");
    eve.send("CMD_chat+2+new words|clBlack");
    ASSERT_FALSE(bob.waitFor("CMD_chat+2+Eve chats: new words", 5000).empty());
    EXPECT_TRUE(bob.with("CMD_chat+2+Eve chats: old").empty());
    EXPECT_TRUE(bob.with("CMD_chat+2+ chats: old").empty());
}
