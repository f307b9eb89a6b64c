#include "cards.h"
#include "hostharness.h"
#include "random.h"

#include "cardtext.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Ann at seat 1 (her messages show what the table sees); seats 2..4 are
// computer seats.
class Computer : public ::testing::Test {
protected:
    void SetUp() override {
        host.join("Ann");
        host.game.setPlay(2);
        host.game.setRoundFlags(false, false, false, 0);
        for (int seat = 1; seat <= 4; ++seat) {
            host.setHand(seat, hand("9C"));
        }
    }
    // The card seat 2 plays now, by the rules of a computer seat.
    int played(const std::string& handText, const std::string& led = "",
               std::array<const char*, 4> trick = {"", "", "", ""}, int leader = 1) {
        // A pause left by the previous play (after the queen) runs out first.
        while (host.game.timer1().enabled) {
            host.game.timer1Timer();
        }
        host.setHand(2, ::hand(handText));
        for (int seat = 1; seat <= 4; ++seat) {
            host.game.players()[seat].trickcard =
                std::string(trick[seat - 1]).empty() ? 0 : card(trick[seat - 1]);
        }
        host.game.setTrickState(led.empty() ? 0 : card(led), leader);
        host.game.setPlay(2);
        host.clearSent();
        host.game.computerplay(2);
        const auto heplayed = host.to(1, "CMD_heplayed+2+");
        if (heplayed.empty()) {
            return 0;
        }
        return std::stoi(heplayed.front().substr(15));
    }
    HostHarness host;
};

} // namespace

TEST(ComputerPass, GroupsInTheirOrder) {
    struct Case {
        const char* hand; // slots 1..13
        const char* message;
    };
    const Case cases[] = {
        // Hearts 7H and QH in slots 2 and 9, the ace of clubs in slot 5.
        {"3C 7H 4C 5C AC 6C 7C 8C QH 9C 2D 3D 4D", "CMD_passedcards+1+9+2+5+"},
        // Nothing high, no divisible card: slots 1, 2, 3.
        {"2C 3C 4C 5C 6C 7C 8C 9C 3D 4D 5D 6D 7D", "CMD_passedcards+1+1+2+3+"},
        // Only divisible ones: KC (12) then QC (11), then JC (10).
        {"2C 3C JC 5C QC 7C KC 9C 3D 4D 5D 6D 7D", "CMD_passedcards+1+7+5+3+"},
        // High hearts from slot 13 down.
        {"6H 3C 4C 5C 6C 7C 8C 9C 3D 4D 5D AH KH", "CMD_passedcards+1+13+12+1+"},
    };
    for (const Case& c : cases) {
        HostHarness host;
        host.join("Ann");
        host.game.receive(1, "CMD_startgame+Ann+100+0+");
        host.setHand(1, hand(c.hand));
        host.clearSent();
        host.game.computerpass(1);
        EXPECT_EQ(host.to(1, "CMD_passedcards"), (std::vector<std::string>{c.message}));
    }
}

TEST_F(Computer, LeadsTheTwoOfClubsFirst) {
    host.game.setLead2clubs(true);
    EXPECT_EQ(played("5D 2C 9S"), card("2C"));
}

TEST_F(Computer, LeadNeverPicksHighSpadesInTheRandomDraws) {
    processrandom::setSeed(1);
    std::set<int> leads;
    for (int i = 0; i < 200; ++i) {
        const int c = played("QS KS AS 3D 5H 2D 4D 6D 8D 9D 10D JD 9H");
        ASSERT_NE(c, 0);
        leads.insert(c);
    }
    // Hearts are not broken and other cards exist: only diamonds lead.
    for (int c : leads) {
        EXPECT_EQ(cards::getsuit(c), cards::kDiamonds) << c;
    }
    EXPECT_GT(leads.size(), 3u) << "the draws are random";
    // With nothing but the queen and hearts left and hearts unbroken, the
    // last scan leads the queen.
    EXPECT_EQ(played("QS"), card("QS"));
}

TEST_F(Computer, QueenRule) {
    // King of spades in the trick: the queen goes on it.
    EXPECT_EQ(played("3S QS 9D", "KS", {"KS", "", "", ""}), card("QS"));
    // No king or ace out: the first other spade, the queen kept.
    EXPECT_EQ(played("QS 3S 9D", "10S", {"10S", "", "", ""}), card("3S"));
    // The queen as the only spade must follow.
    EXPECT_EQ(played("QS 9D", "10S", {"10S", "", "", ""}), card("QS"));
    // No card of the led suit: the queen first, whoever is winning.
    EXPECT_EQ(played("AH QS 9D", "10C", {"10C", "", "", ""}), card("QS"));
}

TEST_F(Computer, ThrowsByWhoHasTakenPoints) {
    struct Case {
        const char* what;
        int pointstaker;
        const char* hand;
        std::array<const char*, 4> trick;
        int leader;
        const char* expected;
    };
    const Case cases[] = {
        {"nobody yet: highest heart", 0, "2H 9D KH 5H", {"10C", "", "", ""}, 1, "KH"},
        {"several took points: highest heart", 100, "2H 9D KH 5H", {"10C", "", "", ""}, 1, "KH"},
        {"the taker is not winning: first heart in slot order",
         3,
         "9D 2H KH",
         {"10C", "", "2C", ""},
         1,
         "2H"},
        {"the taker is winning: no point card, first slot",
         1,
         "9D 2H KH",
         {"10C", "", "2C", ""},
         1,
         "9D"},
        {"the taker is winning: first slot even a heart",
         1,
         "2H 9D KH",
         {"10C", "", "2C", ""},
         1,
         "2H"},
        {"no hearts: first card", 0, "9D 3S", {"10C", "", "", ""}, 1, "9D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.game.setRoundFlags(false, false, false, c.pointstaker);
        EXPECT_EQ(played(c.hand, c.trick[c.leader - 1], c.trick, c.leader), card(c.expected));
    }
}

TEST_F(Computer, SafeFirstTrickThrowsNoPointCardWhileItHasAnother) {
    host.game.setRoundFlags(true, true, false, 0);
    EXPECT_EQ(played("AH QS 9D", "2C", {"2C", "", "", ""}), card("9D"));
    // Nothing but point cards: one of them goes, and the host takes it.
    EXPECT_EQ(played("AH QS", "2C", {"2C", "", "", ""}), card("AH"));
}

TEST(ComputerTimer, PlaysOnlyForTheSeatInTurnWhenDue) {
    HostHarness host;
    host.join("Ann");
    host.botSpeed = 500;
    host.game.receive(1, "CMD_startgame+Ann+100+0+");
    host.game.receive(1, "CMD_justwatch+1+1");
    // Ann's seat passed by the computer at once, and the round is in play.
    EXPECT_TRUE(host.game.players()[1].passed);
    EXPECT_EQ(host.game.phase(), "play");
    EXPECT_TRUE(host.game.computertimer().enabled);
    EXPECT_EQ(host.game.computertimer().intervalMs, 500);
    EXPECT_EQ(host.game.computertimer().tag, 2);
    host.clearSent();
    host.game.computertimerTimer();
    EXPECT_EQ(host.to(1, "CMD_heplayed").size(), 1u);
}
