// A seat kept for a player who dropped goes back to that player alone: the
// same name from the same address. Strangers never get it, nor its cards,
// nor do they cancel the claim; the claim lapses with the game or in time.
#include "hostharness.h"
#include "random.h"

#include <gtest/gtest.h>

using protocol::Command;

namespace {

constexpr const char* kHome = "192.0.2.1";
constexpr const char* kAway = "192.0.2.2";

// A game with the host's player (just watching) and Cy and Bob from one
// address, both gone again: seats 2 and 3 kept.
struct TwoDroppedBehindOneAddress : HostHarness {
    TwoDroppedBehindOneAddress() {
        join("Host", HostGame::kVersion, "127.0.0.1");
        EXPECT_EQ(joinFrom(kHome, "Cy"), 2);
        EXPECT_EQ(joinFrom(kHome, "Bob"), 3);
        processrandom::setSeed(11);
        game.receive(1, protocol::build(Command::Startgame, "Host", "100", "0"));
        request(1, Command::Justwatch, 1, protocol::modeText(protocol::WatchMode::Watch));
        game.departure(2);
        game.departure(3);
        clearSent();
    }
    // The cards a connection was told it holds, as a set.
    hearts::CardMask cardsTold(int number) const {
        hearts::CardMask told = 0;
        for (const std::string& message : to(number, Command::Mycards)) {
            wire::Fields fields(wire::splitCommand(message).payload);
            fields.number();
            while (!fields.empty()) {
                fields.listNumber();
                told |= hearts::CardMask{1} << fields.listNumber();
            }
        }
        return told;
    }
};

} // namespace

TEST(KeptSeats, TwoPlayersBehindOneAddressEachGetTheirOwnSeatBack) {
    TwoDroppedBehindOneAddress table;
    // Bob comes first: given a free number, moved to seat 3 at his login.
    EXPECT_EQ(table.joinFrom(kHome, "Bob"), 3);
    EXPECT_EQ(table.game.players()[3].name, "Bob");
    EXPECT_EQ(table.cardsTold(3), table.game.round().hands[3].held());
    EXPECT_EQ(table.joinFrom(kHome, "Cy"), 2);
    EXPECT_EQ(table.cardsTold(2), table.game.round().hands[2].held());
    EXPECT_TRUE(table.game.droppedName(2).empty());
    EXPECT_TRUE(table.game.droppedName(3).empty());
}

TEST(KeptSeats, StrangersNeitherGetAKeptSeatNorCancelIt) {
    struct Case {
        const char* address;
        const char* name;
        const char* shownAs;
    };
    // Another name from the kept address; the same name from another one.
    for (const Case& c : {Case{kHome, "Eve", "Eve"}, Case{kAway, "Bob", "Bob (2)"},
                          Case{kAway, "bob", "bob (2)"}}) {
        TwoDroppedBehindOneAddress table;
        const int number = table.joinFrom(c.address, c.name);
        EXPECT_EQ(number, 4) << c.name << " from " << c.address << ": the free seat";
        EXPECT_EQ(table.game.players()[number].name, c.shownAs);
        EXPECT_EQ(table.cardsTold(number), table.game.round().hands[4].held());
        EXPECT_EQ(table.game.droppedName(3), "Bob");
        EXPECT_EQ(table.joinFrom(kHome, "Bob"), 3);
        EXPECT_EQ(table.cardsTold(3), table.game.round().hands[3].held());
    }
}

TEST(KeptSeats, WhenOnlyAKeptSeatIsFreeAStrangerIsToldTheTableIsFull) {
    TwoDroppedBehindOneAddress table;
    for (int number = 4; number <= 9; ++number) {
        EXPECT_EQ(table.joinFrom(kAway, "W" + std::to_string(number)), number);
    }
    // Seat 2 is the number given; the login shows a stranger.
    EXPECT_EQ(table.game.chooseConnectionNumber(kAway), 2);
    table.game.connectionAccepted(2, kAway);
    table.request(2, Command::Logininfo, 2, HostGame::kVersion, "Mallory");
    EXPECT_EQ(table.to(2), (std::vector<std::string>{protocol::build(Command::Sendlogininfo, 2),
                                                     protocol::build(Command::Full)}));
    EXPECT_EQ(table.closed, std::vector<int>{2});
    EXPECT_EQ(table.game.droppedName(2), "Cy");
    // Bob given Cy's number moves to his own seat; Cy then gets hers.
    EXPECT_EQ(table.joinFrom(kHome, "Bob"), 3);
    EXPECT_EQ(table.joinFrom(kHome, "Cy"), 2);
    EXPECT_EQ(table.cardsTold(2), table.game.round().hands[2].held());
}

TEST(KeptSeats, AConnectionWaitingOnTheSeatTradesNumbersWithItsOwner) {
    TwoDroppedBehindOneAddress table;
    for (int number = 4; number <= 9; ++number) {
        table.joinFrom(kAway, "W" + std::to_string(number));
    }
    // Someone waits on seat 2 without a login; Cy is given seat 3.
    ASSERT_EQ(table.game.chooseConnectionNumber(kAway), 2);
    table.game.connectionAccepted(2, kAway);
    ASSERT_EQ(table.game.chooseConnectionNumber(kHome), 3);
    table.game.connectionAccepted(3, kHome);
    table.clearSent();
    table.request(3, Command::Logininfo, 3, HostGame::kVersion, "Cy");
    // They trade: Cy to her seat 2, the other to 3, each told its number.
    EXPECT_EQ(table.swaps, (std::vector<std::pair<int, int>>{{3, 2}}));
    EXPECT_EQ(table.to(2), (std::vector<std::string>{protocol::build(Command::Sendlogininfo, 2)}));
    EXPECT_EQ(table.to(3), (std::vector<std::string>{protocol::build(Command::Sendlogininfo, 3)}));
    EXPECT_EQ(table.game.players()[2].address, kHome);
    EXPECT_FALSE(table.game.loggedIn(2));
    // Seat 3 is Bob's: the other, a stranger, is turned away there.
    table.request(3, Command::Logininfo, 3, HostGame::kVersion, "Mallory");
    EXPECT_EQ(table.closed, std::vector<int>{3});
    table.request(2, Command::Logininfo, 2, HostGame::kVersion, "Cy");
    EXPECT_EQ(table.game.players()[2].name, "Cy");
    EXPECT_EQ(table.cardsTold(2), table.game.round().hands[2].held());
    EXPECT_EQ(table.game.droppedName(3), "Bob");
}

TEST(KeptSeats, TheClaimLapsesWithTimeAndWithTheGame) {
    TwoDroppedBehindOneAddress table;
    table.advancedMs = HostGame::kKeptSeatMs - 1000;
    EXPECT_EQ(table.joinFrom(kAway, "Eve"), 4);
    table.advancedMs = HostGame::kKeptSeatMs + 1;
    // Now seat 2 is anyone's, with its cards and the table.
    EXPECT_EQ(table.joinFrom(kAway, "Fay"), 2);
    EXPECT_EQ(table.cardsTold(2), table.game.round().hands[2].held());
    EXPECT_EQ(table.to(2, Command::Gamestats).size(), 1u);
    EXPECT_TRUE(table.game.droppedName(3).empty());

    TwoDroppedBehindOneAddress ended;
    ended.game.receive(1, protocol::build(Command::Startgame, "Host", "100", "0"));
    EXPECT_EQ(ended.joinFrom(kAway, "Eve"), 2);
}

TEST(KeptSeats, TwoConnectionsNeverHoldOneName) {
    HostHarness host;
    host.joinAll({"Ann", "Bob"});
    EXPECT_EQ(host.join("ANN"), 3);
    EXPECT_EQ(host.game.players()[3].name, "ANN (2)");
    host.join("Ann");
    EXPECT_EQ(host.game.players()[4].name, "Ann (3)");
    // A long name keeps its mark within the length limit.
    const std::string longName(HostGame::kMaxName, 'x');
    host.join(longName);
    host.join(longName);
    EXPECT_EQ(host.game.players()[6].name, std::string(HostGame::kMaxName - 4, 'x') + " (2)");
    // Once Ann has gone, her name is free again.
    host.game.departure(1);
    host.join("Ann");
    EXPECT_EQ(host.game.players()[1].name, "Ann");
}

TEST(KeptSeats, BeforeItsLoginAConnectionHoldsNoSeat) {
    HostHarness host;
    host.startWatchedGame(4);
    host.runUntilPersonMoves();
    // A connection on seat 2 that never logs in: sent nothing but its
    // number, its requests count for nothing, and the game goes on.
    ASSERT_EQ(host.game.chooseConnectionNumber(), 2);
    host.game.connectionAccepted(2);
    host.request(2, Command::Justwatch, 2, "1");
    host.request(2, Command::Chat, 2, "hi|clBlack");
    host.request(2, Command::Playcard, 2, 1);
    EXPECT_TRUE(host.game.isComputerSeat(2));
    host.runTimers();
    EXPECT_FALSE(host.game.gamestarted()) << "the computer played the game to its end";
    EXPECT_EQ(host.to(2), (std::vector<std::string>{protocol::build(Command::Sendlogininfo, 2)}));
    EXPECT_TRUE(host.to(1, Command::Chat).empty());
    // Its going is the going of a connection that never logged in.
    host.clearSent();
    host.game.departure(2);
    EXPECT_EQ(host.to(1),
              (std::vector<std::string>{protocol::build(Command::Playerdisconnected, 2, "")}));
}

TEST(KeptSeats, AComingAndGoingConnectionNeverHoldsTheComputerBack) {
    HostHarness host;
    host.startWatchedGame(6);
    while (host.game.round().phase != hearts::Phase::Play || !host.game.computertimer().enabled) {
        ASSERT_TRUE(host.game.timer1().enabled);
        host.game.timer1Timer();
    }
    // Whoever's turn it is, a connection on that seat that comes and goes
    // leaves the computer's timer as it was.
    const int seat = host.game.turn();
    ASSERT_TRUE(host.game.computertimer().enabled);
    const int before = host.game.computertimer().intervalMs;
    host.botSpeed = before * 10;
    for (int i = 0; i < 5; ++i) {
        const int number = host.game.chooseConnectionNumber();
        host.game.connectionAccepted(number);
        host.game.departure(number);
    }
    EXPECT_EQ(host.game.turn(), seat);
    EXPECT_EQ(host.game.computertimer().intervalMs, before);
}
