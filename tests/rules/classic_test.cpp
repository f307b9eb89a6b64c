// The Classic computer player's rules on values: what a seat passes and
// plays in a given position.
#include "cards.h"
#include "classic.h"
#include "random.h"
#include "round.h"

#include "cardtext.h"

#include <gtest/gtest.h>

#include <set>

using hearts::Round;

namespace {

hearts::Hand handOf(const std::string& cardsInSlots) {
    hearts::Hand hand;
    const auto dealt = ::hand(cardsInSlots);
    for (std::size_t i = 0; i < dealt.size(); ++i) {
        hand.put(static_cast<int>(i) + 1, dealt[i]);
    }
    return hand;
}

// Seat 2 to play from a hand, with a trick on the table (by seat) led by
// its leader; answers the card the computer chooses.
struct Position {
    Round round;
    hearts::Random random{1};

    Position() {
        round.phase = hearts::Phase::Play;
        round.turn = 2;
        round.leader = 1;
    }
    int played(const std::string& hand, std::array<const char*, 4> trick = {"", "", "", ""},
               int leader = 1) {
        round.hands[2] = handOf(hand);
        for (int seat = 1; seat <= 4; ++seat) {
            const std::string text = trick[static_cast<std::size_t>(seat - 1)];
            round.trickCards[static_cast<std::size_t>(seat)] = text.empty() ? 0 : card(text);
        }
        round.leader = leader;
        round.ledCard = round.trickCards[static_cast<std::size_t>(leader)];
        const int slot = hearts::computerPlay(round, 2, random);
        return slot == 0 ? 0 : round.hands[2].at(slot);
    }
};

} // namespace

TEST(ComputerPass, GroupsInTheirOrder) {
    struct Case {
        const char* hand; // slots 1..13
        std::array<int, 3> slots;
    };
    const Case cases[] = {
        // Hearts 7H and QH in slots 2 and 9, the ace of clubs in slot 5.
        {"3C 7H 4C 5C AC 6C 7C 8C QH 9C 2D 3D 4D", {9, 2, 5}},
        // Nothing high, no divisible card: slots 1, 2, 3.
        {"2C 3C 4C 5C 6C 7C 8C 9C 3D 4D 5D 6D 7D", {1, 2, 3}},
        // Only divisible ones: KC (12) then QC (11), then JC (10).
        {"2C 3C JC 5C QC 7C KC 9C 3D 4D 5D 6D 7D", {7, 5, 3}},
        // High hearts from slot 13 down.
        {"6H 3C 4C 5C 6C 7C 8C 9C 3D 4D 5D AH KH", {13, 12, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hearts::computerPass(handOf(c.hand)), c.slots) << c.hand;
    }
}

TEST(ComputerPlay, LeadsTheTwoOfClubsFirst) {
    Position at;
    at.round.leadTwoOfClubs = true;
    EXPECT_EQ(at.played("5D 2C 9S"), card("2C"));
}

TEST(ComputerPlay, LeadNeverPicksHighSpadesInTheRandomDraws) {
    Position at;
    std::set<int> leads;
    for (int i = 0; i < 200; ++i) {
        const int c = at.played("QS KS AS 3D 5H 2D 4D 6D 8D 9D 10D JD 9H");
        ASSERT_NE(c, 0);
        leads.insert(c);
    }
    // Hearts are not broken and other cards exist: only diamonds lead.
    for (int c : leads) {
        EXPECT_EQ(hearts::getsuit(c), hearts::kDiamonds) << c;
    }
    EXPECT_GT(leads.size(), 3u) << "the draws are random";
    // With nothing but the queen and hearts left and hearts unbroken, the
    // last scan leads the queen, after a hundred draws that could not hit.
    const std::uint32_t before = at.random.seed;
    EXPECT_EQ(at.played("QS"), card("QS"));
    hearts::Random expected{before};
    expected.skip(100);
    expected.draw(13);
    EXPECT_EQ(at.random.seed, expected.seed);
}

TEST(ComputerPlay, FollowsSuitWithTheFirstSlotKeepingTheQueen) {
    Position at;
    EXPECT_EQ(at.played("9D 4C 2C", {"10C", "", "", ""}), card("4C"));
    // The queen rule: onto a king or ace of spades, or when void.
    EXPECT_EQ(at.played("3S QS 9D", {"KS", "", "", ""}), card("QS"));
    EXPECT_EQ(at.played("QS 3S 9D", {"10S", "", "", ""}), card("3S"));
    EXPECT_EQ(at.played("QS 9D", {"10S", "", "", ""}), card("QS"));
    EXPECT_EQ(at.played("AH QS 9D", {"10C", "", "", ""}), card("QS"));
}

TEST(ComputerPlay, ThrowsByWhoHasTakenPoints) {
    struct Case {
        const char* what;
        int pointsTaker;
        const char* hand;
        std::array<const char*, 4> trick;
        const char* expected;
    };
    const Case cases[] = {
        {"nobody yet: highest heart", 0, "2H 9D KH 5H", {"10C", "", "", ""}, "KH"},
        {"several took points: highest heart", 100, "2H 9D KH 5H", {"10C", "", "", ""}, "KH"},
        {"the taker is not winning: first heart in slot order",
         3,
         "9D 2H KH",
         {"10C", "", "2C", ""},
         "2H"},
        {"the taker is winning: no point card, first slot",
         1,
         "9D 2H KH",
         {"10C", "", "2C", ""},
         "9D"},
        {"the taker is winning: first slot even a heart",
         1,
         "2H 9D KH",
         {"10C", "", "2C", ""},
         "2H"},
        {"no hearts: first card", 0, "9D 3S", {"10C", "", "", ""}, "9D"},
    };
    for (const Case& c : cases) {
        Position at;
        at.round.pointsTaker = c.pointsTaker;
        EXPECT_EQ(at.played(c.hand, c.trick), card(c.expected)) << c.what;
    }
}

TEST(ComputerPlay, SafeFirstTrickThrowsNoPointCardWhileItHasAnother) {
    Position at;
    at.round.firstTrick = true;
    at.round.safeFirstTrick = true;
    EXPECT_EQ(at.played("AH QS 9D", {"2C", "", "", ""}), card("9D"));
    // Nothing but point cards: one of them goes, and the rules take it.
    EXPECT_EQ(at.played("AH QS", {"2C", "", "", ""}), card("AH"));
    EXPECT_EQ(hearts::refusalFor(at.round, 2, 1), hearts::Refusal::None);
}
