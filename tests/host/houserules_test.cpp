// House rules at the table: asked for by the starter (or fixed by the
// table), told to every player in code and in words, told to a newcomer,
// silent for the standard game; and a player's hint, computed from what
// that player's copy was told, is the Strong player's card for the seat.
#include "hostharness.h"
#include "tablestate.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> chatLines(const HostHarness& table, int connection) {
    return table.to(connection, protocol::Command::Chat);
}

} // namespace

TEST(HouseRulesAtTheTable, TheStartersRulesAreToldToEveryoneAndTheStandardGameSaysNothing) {
    HostHarness table;
    table.joinAll({"Ann", "Bob"});
    table.game.receive(1, "CMD_startgame+Ann+100+0+");
    EXPECT_TRUE(table.to(2, protocol::Command::Houserules).empty());
    EXPECT_TRUE(chatLines(table, 2).empty());
    EXPECT_TRUE(table.game.houseRules().standard());

    table.clearSent();
    table.game.receive(1, "CMD_startgame+Ann+100+1+QJ+");
    for (int connection : {1, 2}) {
        EXPECT_EQ(table.to(connection, protocol::Command::Houserules),
                  std::vector<std::string>{"CMD_houserules+JQ+"});
        EXPECT_EQ(chatLines(table, connection),
                  std::vector<std::string>{
                      "CMD_chat+0+House rules: no points on the first trick, the jack of "
                      "diamonds takes 10 off its taker's points and the queen of spades breaks "
                      "hearts.|clBlue"});
    }
    // The start itself reads as it always did, for copies before house rules.
    EXPECT_EQ(table.to(2, "CMD_startgame+"), std::vector<std::string>{"CMD_startgame+Ann+100+1+"});
    EXPECT_EQ(houseRulesCode(table.game.round().rules), "JQ");

    // A newcomer during the game is told them before the table.
    const int carl = table.join("Carl");
    const std::vector<std::string> toCarl = table.to(carl);
    const auto rules = std::find(toCarl.begin(), toCarl.end(), "CMD_houserules+JQ+");
    const auto stats = std::find_if(toCarl.begin(), toCarl.end(), [](const std::string& line) {
        return line.rfind("CMD_gamestats+", 0) == 0;
    });
    ASSERT_NE(rules, toCarl.end());
    ASSERT_NE(stats, toCarl.end());
    EXPECT_LT(rules - toCarl.begin(), stats - toCarl.begin());
}

TEST(HouseRulesAtTheTable, ATablesFixedRulesHoldWhateverTheStarterAsks) {
    HostHarness table;
    table.game.setTableRules(hearts::houseRulesNamed("subtract,nohold"));
    table.join("Ann");
    table.game.receive(1, "CMD_startgame+Ann+100+0+J+");
    EXPECT_EQ(houseRulesCode(table.game.houseRules()), "SN");
    table.game.setTableRules(hearts::HouseRules{});
    table.game.receive(1, "CMD_startgame+Ann+100+0+J+");
    EXPECT_TRUE(table.game.houseRules().standard());
    EXPECT_TRUE(table.to(1, protocol::Command::Houserules).size() == 1);
}

TEST(HouseRulesAtTheTable, TheClientKnowsTheRulesAndItsHintIsTheStrongCardOfItsSeat) {
    HostHarness table;
    table.join("Me");
    TableState client;
    client.setPlayerName("Me");
    std::size_t fed = 0;
    auto feed = [&] {
        for (; fed < table.sent.size(); ++fed) {
            if (table.sent[fed].first == 1) {
                client.apply(table.sent[fed].second);
            }
        }
    };
    processrandom::setSeed(31);
    table.game.receive(1, "CMD_startgame+Me+100+0+JQS+");
    feed();
    EXPECT_EQ(houseRulesCode(client.houseRules()), "JQS");

    int hints = 0;
    for (int step = 0; step < 200 && table.game.roundnum() == 1; ++step) {
        table.runUntilPersonMoves();
        feed();
        const hearts::Round& round = table.game.round();
        if (round.phase == hearts::Phase::Pass && !round.passed[1]) {
            const hearts::Hand& mine = round.hands[1];
            std::array<int, 3> slots{};
            int found = 0;
            for (int slot = 1; slot <= hearts::kSlots && found < 3; ++slot) {
                if (mine.at(slot) != 0) {
                    slots[static_cast<std::size_t>(found++)] = slot;
                }
            }
            table.request(1, protocol::Command::Passcards, 1, slots[0], slots[1], slots[2]);
            continue;
        }
        if (round.phase != hearts::Phase::Play || round.turn != 1) {
            break;
        }
        // What the client knows is what the host's seat 1 knows.
        const hearts::SeatView host = hearts::seatView(round, 1);
        const hearts::SeatView mine = client.seatView();
        ASSERT_EQ(mine.hand.held(), host.hand.held()) << step;
        EXPECT_EQ(mine.cardsHeld, host.cardsHeld) << step;
        EXPECT_EQ(mine.playedCards, host.playedCards) << step;
        EXPECT_EQ(mine.voidSuits, host.voidSuits) << step;
        EXPECT_EQ(mine.points, host.points) << step;
        EXPECT_EQ(mine.pointsTaker, host.pointsTaker) << step;
        EXPECT_EQ(mine.trickCards, host.trickCards) << step;
        EXPECT_EQ(mine.passedTo, host.passedTo) << step;
        EXPECT_EQ(mine.passedCards, host.passedCards) << step;
        EXPECT_EQ(mine.heartsBroken, host.heartsBroken) << step;
        EXPECT_EQ(mine.rules, host.rules) << step;
        const int slot = client.hintSlot();
        ASSERT_NE(slot, 0);
        EXPECT_EQ(round.hands[1].at(slot),
                  hearts::strongCard(host, mine.playedCards ^ mine.hand.held()));
        ++hints;
        table.playSlot(1, slot);
    }
    EXPECT_EQ(hints, 13);
}

TEST(HintsAtTheTable, TheHostTellsWhetherHintsAreAllowedAndSaysNothingOtherwise) {
    HostHarness table;
    table.joinAll({"Ann", "Bob"});
    table.game.receive(1, "CMD_startgame+Ann+100+0+");
    EXPECT_TRUE(table.to(2, protocol::Command::Hints).empty());

    TableState bob;
    bob.setPlayerName("Bob");
    table.game.setHintsAllowed(true);
    table.game.receive(1, "CMD_startgame+Ann+100+0+");
    for (const std::string& line : table.to(2)) {
        bob.apply(line);
    }
    EXPECT_EQ(table.to(2, protocol::Command::Hints),
              (std::vector<std::string>{"CMD_hints+1+", "CMD_hints+1+"}));
    EXPECT_TRUE(bob.hintsAllowed());
    // A newcomer is told while they are allowed.
    const int carl = table.join("Carl");
    EXPECT_EQ(table.to(carl, protocol::Command::Hints), std::vector<std::string>{"CMD_hints+1+"});

    table.clearSent();
    table.game.setHintsAllowed(false);
    EXPECT_EQ(table.to(2, protocol::Command::Hints), std::vector<std::string>{"CMD_hints+0+"});
    for (const std::string& line : table.to(2)) {
        bob.apply(line);
    }
    EXPECT_FALSE(bob.hintsAllowed());
    EXPECT_FALSE(bob.showHint(bob.hintsAllowed()));
    EXPECT_EQ(bob.statusText(), "The host of this table does not allow hints.");
}
