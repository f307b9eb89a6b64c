#include "hostharness.h"
#include "random.h"

#include <gtest/gtest.h>

using protocol::Command;

TEST(Sessions, NumbersReuseTheLowestFreeAndTheTenthIsRefused) {
    HostHarness host;
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(host.join("P" + std::to_string(i)), i);
    }
    EXPECT_EQ(host.game.chooseConnectionNumber(), kRefusedRecord);
    EXPECT_EQ(HostGame::fullMessage(), protocol::build(Command::Full));
    host.game.departure(6);
    host.game.departure(3);
    EXPECT_EQ(host.join("New"), 3);
    EXPECT_EQ(host.join("Newer"), 6);
    EXPECT_EQ(host.game.slotcount(), 9);
}

TEST(Sessions, LoginAnnouncesToAllAndListsTheOthers) {
    HostHarness host;
    host.joinAll({"Bob", "Ann+Lee"});
    EXPECT_EQ(host.to(2),
              (std::vector<std::string>{protocol::build(Command::Sendlogininfo, 2),
                                        protocol::build(Command::Newplayerinfo, 2, "Ann+Lee"),
                                        protocol::build(Command::Existingplayers, 1, "Bob")}));
    EXPECT_EQ(host.to(1, Command::Newplayerinfo),
              (std::vector<std::string>{protocol::build(Command::Newplayerinfo, 1, "Bob"),
                                        protocol::build(Command::Newplayerinfo, 2, "Ann+Lee")}));
}

TEST(Sessions, AnotherVersionIsReportedAndPlaysOn) {
    HostHarness host;
    host.join("Bob");
    host.join("Old", "1.0.8");
    EXPECT_EQ(host.to(1, Command::Havewrongversion),
              (std::vector<std::string>{protocol::build(Command::Havewrongversion, "Old")}));
    EXPECT_EQ(host.to(2, Command::Wrongversion),
              (std::vector<std::string>{protocol::build(Command::Wrongversion)}));
    EXPECT_TRUE(host.game.players()[2].connected);
}

TEST(Sessions, RelaysCarryTheSendersName) {
    HostHarness host;
    host.joinAll({"Bob", "Ann"});
    host.clearSent();
    host.request(2, Command::Chat, 2, "hello+there|clBlack");
    host.request(2, Command::Action, 2, "waves|$00FF0000");
    host.request(2, Command::Playasound, 2, "wave5");
    const std::vector<std::string> expected = {
        protocol::build(Command::Chat, 2, "Ann chats: hello+there|clBlack"),
        protocol::build(Command::Action, 2, "Ann waves|$00FF0000"),
        protocol::build(Command::Playasound, 2, "wave5")};
    EXPECT_EQ(host.to(1), expected);
    EXPECT_EQ(host.to(2), expected);
}

TEST(Sessions, RequestsInAnotherConnectionsNameAreIgnored) {
    HostHarness host;
    host.joinAll({"Bob", "Ann", "Cy"});
    host.clearSent();
    host.request(2, Command::Chat, 1, "I am Bob|clBlack");
    host.request(2, Command::Kickhim, 1, 3);
    host.request(2, Command::Kickhim, 2, 3);
    host.request(2, Command::Botspeed, 1, 500);
    host.request(2, Command::Logininfo, 3, "1.0.9", "Mallory");
    host.request(2, Command::Justwatch, 3, "2");
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.closed.empty());
    EXPECT_EQ(host.requestedBotSpeed, -1);
    EXPECT_EQ(host.game.players()[3].name, "Cy");
}

TEST(Sessions, OnlyTheHostsPlayerRemovesPlayers) {
    HostHarness host;
    host.joinAll({"Bob", "Ann", "Cy"});
    host.clearSent();
    host.request(1, Command::Kickhim, 1, 3);
    EXPECT_EQ(host.closed, std::vector<int>{3});
    EXPECT_EQ(host.to(1, Command::Playerdisconnected),
              (std::vector<std::string>{protocol::build(Command::Playerdisconnected, 3, "Cy")}));
    EXPECT_TRUE(host.to(3).empty());
    // Removing the host's own player: nobody takes seat 1 over.
    host.request(1, Command::Startgame, "Bob", "100", "0");
    host.request(1, Command::Kickhim, 1, 1);
    EXPECT_FALSE(host.game.players()[1].connected);
    EXPECT_FALSE(host.game.round().passed[1]);
}

TEST(Sessions, BotSpeedFromConnectionOneOnly) {
    HostHarness host;
    host.joinAll({"Bob", "Ann"});
    host.request(2, Command::Botspeed, 2, 500);
    EXPECT_EQ(host.requestedBotSpeed, -1);
    host.request(1, Command::Botspeed, 1, 2000);
    EXPECT_EQ(host.requestedBotSpeed, 2000);
}

TEST(Sessions, JustWatch) {
    HostHarness host;
    host.joinAll({"Bob", "Ann"});
    host.clearSent();
    // Mode 1 outside a game: nothing at all.
    host.request(2, Command::Justwatch, 2, "1");
    EXPECT_TRUE(host.sent.empty());
    // Mode 2 always clears and announces.
    host.request(2, Command::Justwatch, 2, "2");
    EXPECT_EQ(host.to(1),
              (std::vector<std::string>{protocol::build(Command::Justwatching, 2, "2")}));
    host.request(1, Command::Startgame, "Bob", "100", "0");
    host.clearSent();
    // The host's player may hand any seat to the computer; a seat itself.
    host.request(1, Command::Justwatch, 2, "1");
    EXPECT_EQ(host.to(2, Command::Justwatching),
              (std::vector<std::string>{protocol::build(Command::Justwatching, 2, "1")}));
    // The computer passed for Ann at once.
    EXPECT_EQ(host.to(2, Command::Passedcards).size(), 1u);
    // Numbers above the seats are refused, and unknown modes ignored.
    host.clearSent();
    host.request(1, Command::Justwatch, 5, "1");
    host.request(1, Command::Justwatch, 1, "3");
    EXPECT_TRUE(host.sent.empty());
}

TEST(Sessions, DeparturesAndTheComputersTakeover) {
    HostHarness host;
    host.joinAll({"Bob", "Ann", "Cy", "Di", "Wat"});
    host.request(1, Command::Startgame, "Bob", "100", "0");
    host.clearSent();
    // A watcher leaving during the pass makes no computer pass.
    host.game.departure(5);
    EXPECT_EQ(host.to(1),
              (std::vector<std::string>{protocol::build(Command::Playerdisconnected, 5, "Wat")}));
    // A seat leaving during the pass: the computer passes for it at once.
    host.clearSent();
    host.game.departure(3);
    EXPECT_TRUE(host.game.round().passed[3]);
    EXPECT_TRUE(host.to(3).empty());
    // The second report of the same close sends nothing.
    host.clearSent();
    host.game.departure(3);
    EXPECT_TRUE(host.sent.empty());
}

TEST(Sessions, ANewcomerTakesAFreeSeatWithItsCardsAndTheTable) {
    HostHarness host;
    host.joinAll({"Bob", "Ann"});
    processrandom::setSeed(3);
    host.request(1, Command::Startgame, "Bob", "150", "1");
    // Seat 3 is the computer's; it passed at the deal.
    ASSERT_TRUE(host.game.round().passed[3]);
    const hearts::Hand& seat3 = host.game.round().hands[3];
    std::string expectedCards = "CMD_mycards+3";
    for (int slot = 1; slot <= 13; ++slot) {
        if (seat3.at(slot) != 0) {
            expectedCards += "+" + std::to_string(slot) + "+" + std::to_string(seat3.at(slot));
        }
    }
    const auto& passed = host.game.round().passSlots[3];
    const std::string expectedPassed = "CMD_passedcards+3+" + std::to_string(passed[0]) + "+" +
                                       std::to_string(passed[1]) + "+" + std::to_string(passed[2]) +
                                       "+";
    host.clearSent();
    EXPECT_EQ(host.join("Eve"), 3);
    EXPECT_EQ(host.to(3), (std::vector<std::string>{
                              protocol::build(Command::Sendlogininfo, 3),
                              protocol::build(Command::Newplayerinfo, 3, "Eve"),
                              protocol::build(Command::Existingplayers, 1, "Bob"),
                              protocol::build(Command::Existingplayers, 2, "Ann"), expectedCards,
                              "CMD_gamestats+150+1+1+0+pass+1+0+0+0+2+0+0+0+3+0+0+0+4+0+0+0",
                              protocol::build(Command::Passcards, 0, 1), expectedPassed}));
    // A watcher gets the table without cards.
    host.clearSent();
    host.joinAll({"X", "Y"});
    EXPECT_EQ(host.to(5, Command::Mycards).size(), 0u);
    EXPECT_EQ(host.to(5, Command::Gamestats).size(), 1u);
    EXPECT_EQ(host.to(5, Command::Passedcards).size(), 0u);
}

TEST(Sessions, AClientThatLeavesBeforeLoginLeavesWithAnEmptyName) {
    HostHarness host;
    host.join("Bob");
    const int number = host.game.chooseConnectionNumber();
    host.game.connectionAccepted(number);
    host.clearSent();
    host.game.departure(number);
    EXPECT_EQ(host.to(1),
              (std::vector<std::string>{protocol::build(Command::Playerdisconnected, 2, "")}));
}
