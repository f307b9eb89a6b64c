#include "tablemodel.h"

using Tricks = TableModel;

namespace {

// One earlier trick of the round that I sat out: ends the first trick and,
// with a heart in it, breaks hearts.
const std::vector<std::string> kTrickWithoutHearts = {
    "CMD_nextplayer+2+0+", "CMD_heplayed+2+14+12+", "CMD_heplayed+3+15+12+",
    "CMD_heplayed+4+16+12+", "CMD_tooktrick+2+1+"};
const std::vector<std::string> kTrickWithAHeart = {"CMD_nextplayer+2+0+", "CMD_heplayed+2+14+12+",
                                                   "CMD_heplayed+3+40+12+", "CMD_heplayed+4+16+12+",
                                                   "CMD_tooktrick+2+1+"};

std::vector<std::string> lead() {
    return {"CMD_nextplayer+1+0+"};
}
std::vector<std::string> follow(const std::string& ledCard) {
    const std::string led = std::to_string(card(ledCard));
    return {"CMD_nextplayer+4+0+", "CMD_heplayed+4+" + led + "+12+",
            "CMD_nextplayer+1+" + led + "+"};
}
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST_F(Tricks, TheCardsIMayNotPlayAreMarked) {
    struct Case {
        const char* what;
        bool safe;
        std::string hand;
        std::vector<std::string> lines;
        std::string playable;
    };
    const Case cases[] = {
        {"first lead: the two of clubs", false, "2C 5C QS 3H", lead(), "2C"},
        {"follow suit", false, "5C 9C 4D QS 3H", kTrickWithoutHearts + follow("KC"), "5C 9C"},
        {"void: anything", false, "4D QS 3H", kTrickWithoutHearts + follow("KC"), "4D QS 3H"},
        {"first trick, void, not safe", false, "4D QS 3H", follow("2C"), "4D QS 3H"},
        {"first trick, void, safe", true, "4D QS 3H", follow("2C"), "4D"},
        {"first trick, safe, only points", true, "QS 3H 9H", follow("2C"), "QS 3H 9H"},
        {"lead before hearts broken", false, "4D QS 3H", kTrickWithoutHearts + lead(), "4D QS"},
        {"lead after hearts broken", false, "4D QS 3H", kTrickWithAHeart + lead(), "4D QS 3H"},
        {"lead with only hearts", false, "3H 9H", kTrickWithoutHearts + lead(), "3H 9H"},
        {"the queen does not break hearts", false, "4D 3H",
         std::vector<std::string>{"CMD_nextplayer+2+0+", "CMD_heplayed+2+14+12+",
                                  "CMD_heplayed+3+37+12+", "CMD_heplayed+4+16+12+",
                                  "CMD_tooktrick+2+1+"} +
             lead(),
         "4D"},
        {"not my turn: nothing marked", false, "5C 4D 3H",
         kTrickWithoutHearts + std::vector<std::string>{"CMD_nextplayer+4+0+"}, "5C 4D 3H"},
    };
    for (const Case& c : cases) {
        TableState fresh;
        fresh.setPlayerName("Me");
        fresh.apply("CMD_sendlogininfo+1");
        fresh.apply("CMD_newplayerinfo+1+Me");
        fresh.apply(std::string("CMD_startgame+Me+100+") + (c.safe ? "1" : "0") + "+");
        fresh.apply("CMD_startround+1+");
        std::string cards = "CMD_mycards+1";
        const auto dealt = ::hand(c.hand);
        for (std::size_t i = 0; i < dealt.size(); ++i) {
            cards += "+" + std::to_string(i + 1) + "+" + std::to_string(dealt[i]);
        }
        fresh.apply(cards);
        for (const std::string& line : c.lines) {
            fresh.apply(line);
        }
        std::vector<int> mayPlay;
        for (int slot : fresh.hand().places) {
            if (slot != 0 && fresh.mayPlay(slot)) {
                mayPlay.push_back(fresh.hand().cards.at(slot));
            }
        }
        std::sort(mayPlay.begin(), mayPlay.end());
        EXPECT_EQ(mayPlay, ::hand(c.playable)) << c.what;
    }
}

TEST_F(Tricks, PassingMarksNothing) {
    deal(1, "2C 5C QS 3H");
    host("CMD_passcards+1+1+");
    EXPECT_EQ(playable(), ::hand("2C 5C QS 3H"));
}

TEST_F(Tricks, TheLastTrickAndTheScoreSheetOverARound) {
    deal(1, "2C 5C QS 3H");
    host({"CMD_newplayerinfo+2+Bob", "CMD_nextplayer+1+0+", "CMD_heplayed+1+1+3+",
          "CMD_heusecard+1+1+", "CMD_nextplayer+2+1+", "CMD_heplayed+2+5+3+", "CMD_nextplayer+3+1+",
          "CMD_heplayed+3+37+3+", "CMD_nextplayer+4+1+", "CMD_heplayed+4+3+3+",
          "CMD_tooktrick+2+1+"});
    const TableState::Trick& last = state.lastTrick();
    EXPECT_EQ(last.leader, 1);
    EXPECT_EQ(last.taker, 2);
    EXPECT_EQ(last.order, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(last.cards[3], 37);
    // The next trick begins: the table clears, the last trick stays.
    host({"CMD_nextplayer+2+0+", "CMD_heplayed+2+40+2+"});
    EXPECT_EQ(state.trick().count, 1);
    EXPECT_EQ(state.lastTrick().taker, 2);
    EXPECT_TRUE(state.heartsBroken());
    host({"CMD_heplayed+3+41+2+", "CMD_heplayed+4+42+2+", "CMD_heplayed+1+43+2+",
          "CMD_tooktrick+3+1+"});
    EXPECT_EQ(state.lastTrick().taker, 3);
    EXPECT_EQ(state.lastTrick().leader, 2);

    host("CMD_endround+0+1+0+0+2+13+13+3+4+4+4+9+9");
    host({"CMD_startround+2+", "CMD_endround+4+1+26+26+2+26+39+3+26+30+4+0+9"});
    ASSERT_EQ(state.rounds().size(), 2u);
    const TableState::RoundRecord& first = state.rounds()[0];
    EXPECT_EQ(first.round, "1");
    EXPECT_EQ(first.points, (std::array<int, 5>{0, 0, 13, 4, 9}));
    EXPECT_EQ(first.queenTaker, 2);
    EXPECT_EQ(first.moon, 0);
    const TableState::RoundRecord& second = state.rounds()[1];
    EXPECT_EQ(second.round, "2");
    EXPECT_EQ(second.moon, 4);
    EXPECT_EQ(second.queenTaker, 0);
    EXPECT_EQ(second.totals, (std::array<int, 5>{0, 26, 39, 30, 9}));
    // A new game starts a new sheet.
    host("CMD_startgame+Me+100+0+");
    EXPECT_TRUE(state.rounds().empty());
    EXPECT_TRUE(state.lastTrick().empty());
}
