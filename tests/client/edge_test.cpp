// What the host sends is checked before the model hears of it: a message
// with a field missing or out of its bounds changes nothing and says nothing,
// at any moment of a game.
#include "tablemodel.h"

namespace {

class Edge : public TableModel {};

// What the model shows, to compare before and after.
std::string snapshot(const TableState& state) {
    std::string text = state.statusText() + "|" + std::to_string(state.turnMark()) + "|" +
                       std::to_string(state.mySeat()) + "|" + state.roundText() + "|" +
                       state.playToText();
    for (int s = 1; s <= TableState::kSeats; ++s) {
        const TableState::Seat& seat = state.seat(s);
        text += "|" + seat.name + std::to_string(seat.score) + "/" + std::to_string(seat.tricks) +
                "/" + std::to_string(seat.cardsHeld) + (seat.watching ? "w" : "") +
                (seat.winner ? "W" : "") + "/" + std::to_string(state.trick().cards[s]);
    }
    text += "|" + std::to_string(state.hand().cards.held()) + "|" +
            std::to_string(state.rounds().size()) + "|" + std::to_string(state.watchers().size());
    return text;
}

const char* const kBadLines[] = {
    "CMD_sendlogininfo+0",
    "CMD_sendlogininfo+10",
    "CMD_sendlogininfo+x",
    "CMD_newplayerinfo+12+Eve",
    "CMD_playerdisconnected+0+Eve",
    "CMD_justwatching+5+1",
    "CMD_startround+0+",
    "CMD_startround+",
    "CMD_mycards+2+14+3",
    "CMD_mycards+2+1+53",
    "CMD_mycards+2+1+3+2",
    "CMD_mycards+5+1+3",
    "CMD_passcards+5+1+",
    "CMD_passcards+2+4+",
    "CMD_passedcards+2+1+2+",
    "CMD_passedcards+2+0+2+3+",
    "CMD_nextplayer+0+0+",
    "CMD_nextplayer+5+0+",
    "CMD_nextplayer+2+53+",
    "CMD_error+2+0+",
    "CMD_error+2+6+",
    "CMD_heplayed+2+0+12+",
    "CMD_heplayed+2+14+13+",
    "CMD_heplayed+5+14+12+",
    "CMD_heusecard+2+14+",
    "CMD_tooktrick+2+0+",
    "CMD_tooktrick+2+14+",
    "CMD_endround+5+1+0+0+2+0+0+3+0+0+4+26+26",
    "CMD_endround+0+1+0+0+2+0+0+3+0+0+4+26",
    "CMD_endround+0+1+200+0+2+0+0+3+0+0+4+0+0",
    "CMD_gamestats+100+0+1+5+play+1+0+0+0+2+0+0+0+3+0+0+0+4+0+0+0",
    "CMD_gamestats+100+0+1+2+play+1+0+0+0+2+0+14+0+3+0+0+0+4+0+0+0",
    "CMD_gamestats+100+0+1+2+play+1+0+0+0+2+0+0+0+3+0+0+0+4+0+0",
    "CMD_winner+0+Me+",
    "CMD_winner+x+Me+",
    "CMD_chat+10+Bob chats: hi|clRed",
    "CMD_playasound+0+wave3+",
    "CMD_playcard+2+1+",
    "CMD_logininfo+2+1.0.9+Me",
    "cmd_heplayed+2+14+12+",
};

} // namespace

TEST_F(Edge, AFieldOutOfItsBoundsIsNoMessageAtAnyMoment) {
    // Moments: seated before a game, passing, and playing a trick.
    const std::vector<std::vector<std::string>> moments = {
        {},
        {"CMD_startgame+Ann+100+0+", "CMD_passcards+2+1+"},
        {"CMD_passedcards+2+1+2+3+", "CMD_mycards+2+1+40+2+41+3+42", "CMD_nextplayer+1+0+",
         "CMD_heplayed+1+1+12+", "CMD_nextplayer+2+1+"},
    };
    deal(2, "2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC AC");
    for (const auto& lines : moments) {
        for (const std::string& line : lines) {
            ASSERT_TRUE(state.apply(line)) << line;
        }
        for (const char* line : kBadLines) {
            const std::string before = snapshot(state);
            sent.clear();
            statusLines.clear();
            cues.clear();
            EXPECT_FALSE(state.apply(line)) << line;
            EXPECT_EQ(snapshot(state), before) << line;
            EXPECT_TRUE(sent.empty() && statusLines.empty() && cues.empty()) << line;
        }
    }
}
