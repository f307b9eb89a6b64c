// What a screen reader is told as a game goes on: one sentence for each
// change, in the order the table shows them.
#include "tablemodel.h"

using Spoken = TableModel;

namespace {

const std::initializer_list<std::string> kSeatedAtATable = {
    "CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_existingplayers+2+Bob",
    "CMD_startgame+Me+100+0+", "CMD_startround+1+"};

} // namespace

TEST_F(Spoken, EachCardTrickRoundAndTheWinnerIsAnnouncedOnce) {
    host(kSeatedAtATable);
    events.announced.clear();
    host({"CMD_nextplayer+1+0+", "CMD_nextplayer+1+0+", "CMD_heplayed+1+1+12+",
          "CMD_nextplayer+2+1+", "CMD_heplayed+2+40+12+", "CMD_nextplayer+3+1+",
          "CMD_heplayed+3+37+12+", "CMD_nextplayer+4+1+", "CMD_heplayed+4+5+12+",
          "CMD_tooktrick+3+1+", "CMD_nextplayer+3+0+", "CMD_heplayed+3+41+11+",
          "CMD_endround+0+1+0+0+2+0+0+3+14+14+4+12+12",
          "CMD_endround+4+1+26+26+2+26+26+3+26+40+4+0+12", "CMD_winner+3+Klack+"});
    const std::vector<std::string> expected = {
        "Your Turn.",
        "You play the 2 of clubs.",
        "Bob's turn.",
        "Bob plays the 2 of hearts. Hearts are broken.",
        "Klick's turn.",
        "Klick plays the queen of spades.",
        "Kling's turn.",
        "Kling plays the 6 of clubs.",
        "Klick took the trick, 14 points.",
        "Klick's turn.",
        "Klick plays the 3 of hearts.",
        "Round 1 over. Points: Me 0, Bob 0, Klick 14, Kling 12. Scores: Me 0, Bob 0, Klick 14, "
        "Kling 12.",
        "Round 1 over. Kling shot the moon. Points: Me 26, Bob 26, Klick 26, Kling 0. Scores: Me "
        "26, Bob 26, Klick 40, Kling 12.",
        "Game over. Klick has won the game.",
    };
    EXPECT_EQ(events.announced, expected);
}

TEST_F(Spoken, TheTrickAndEachSeatReadInWords) {
    host(kSeatedAtATable);
    host({"CMD_mycards+1+1+1+2+14+3+37+4+40", "CMD_nextplayer+2+0+"});
    EXPECT_EQ(state.trickSummary(), "No card on the table.");
    host({"CMD_heplayed+2+5+12+", "CMD_nextplayer+3+5+", "CMD_heplayed+3+40+12+",
          "CMD_nextplayer+4+5+"});
    EXPECT_EQ(state.trickSummary(), "The trick: Bob, 6 of clubs, led; Klick, 2 of hearts.");
    EXPECT_EQ(state.seatSummary(2), "Bob: 0 tricks, score 0, 12 cards in hand, played 6 of clubs.");
    EXPECT_EQ(state.seatSummary(4), "Kling: 0 tricks, score 0, 13 cards in hand, to play.");
    EXPECT_EQ(state.seatSummary(1), "Me: 0 tricks, score 0, 4 cards in hand.");
    host({"CMD_heplayed+4+2+12+", "CMD_nextplayer+1+5+", "CMD_heplayed+1+1+3+",
          "CMD_tooktrick+2+1+"});
    EXPECT_EQ(state.trickSummary(), "The trick: Bob, 6 of clubs, led; Klick, 2 of hearts; Kling, "
                                    "3 of clubs; Me, 2 of clubs. Bob took it.");
    EXPECT_EQ(state.seatSummary(2), "Bob: 1 trick, score 0, 12 cards in hand, played 6 of clubs.");
}

// The cues of my turn, hearts broken and the queen taken: each once for
// its moment, in place of the card's or the trick's own sound, and each
// silent when turned off.
TEST_F(Spoken, TheCuesOfTheGameEachOnceAndEachSwitchable) {
    struct Case {
        const char* what;
        TableState::CueChoices choices;
        std::vector<std::string> cues;
    };
    const Case cases[] = {
        {"all on",
         {true, true, true},
         {"turn", "placecard", "wave15", "placecard", "queen", "wave12", "turn", "placecard"}},
        {"all off",
         {false, false, false},
         {"placecard", "placecard", "placecard", "queen", "turnoverbad", "placecard"}},
        {"only hearts broken",
         {false, true, false},
         {"placecard", "wave15", "placecard", "queen", "turnoverbad", "placecard"}},
    };
    for (const Case& c : cases) {
        TableState fresh;
        RecordedEvents heard;
        fresh.setPlayerName("Me");
        fresh.setEvents(&heard);
        fresh.setCueChoices(c.choices);
        for (const std::string& line : kSeatedAtATable) {
            fresh.apply(line);
        }
        heard.cues.clear();
        for (const char* line :
             {"CMD_nextplayer+1+0+", "CMD_heplayed+1+1+12+", "CMD_heplayed+2+40+12+",
              "CMD_heplayed+3+41+12+", "CMD_heplayed+4+37+12+", "CMD_tooktrick+3+1+",
              "CMD_nextplayer+1+0+", "CMD_heplayed+1+2+11+"}) {
            fresh.apply(line);
        }
        EXPECT_EQ(heard.cues, c.cues) << c.what;
    }
}

TEST_F(Spoken, ARoundBeginsWithItsNumberAndTheScoreToPlayTo) {
    host({"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_startgame+Me+100+0+"});
    events.announced.clear();
    host({"CMD_startround+3+"});
    EXPECT_EQ(events.announced, std::vector<std::string>{"Round 3, playing to 100."});
}
