// Every field checked before any effect: requests with numbers out of range
// or naming another connection change nothing, in every phase of a game.
#include "hostharness.h"

#include <gtest/gtest.h>

namespace {

// What the host holds, to compare before and after.
std::string snapshot(const HostGame& game) {
    const hearts::Round& round = game.round();
    std::string text = std::to_string(game.turn()) + "|" + game.phase() + "|" +
                       std::to_string(round.ledCard) + "|" + std::to_string(game.playto());
    for (int number = 1; number <= kMaxConnections; ++number) {
        const PlayerRecord& p = game.players()[number];
        text += "|" + p.name + (p.connected ? "+" : "-") + (p.justwatching ? "w" : "") +
                std::to_string(p.score);
    }
    for (int seat = 1; seat <= 4; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        text += "|" + std::to_string(round.hands[s].held()) + (round.passed[s] ? "p" : "") + "/" +
                std::to_string(round.trickCards[s]);
    }
    return text;
}

const std::vector<std::string> kBadRequests = {
    // Another connection's number, or one out of range.
    "CMD_playcard+1+1+",
    "CMD_playcard+3+1+",
    "CMD_playcard+0+1+",
    "CMD_playcard+2+0+",
    "CMD_playcard+2+14+",
    "CMD_playcard+2+-1+",
    "CMD_playcard+2+x+",
    "CMD_passcards+1+1+2+3+",
    "CMD_passcards+2+1+1+1+",
    "CMD_passcards+2+0+2+3+",
    "CMD_passcards+2+12+13+14+",
    "CMD_passcards+2+",
    "CMD_justwatch+3+1",
    "CMD_justwatch+0+1",
    "CMD_justwatch+9+1",
    "CMD_kickhim+2+1+",
    "CMD_kickhim+1+1+",
    "CMD_botspeed+1+500+",
    "CMD_startgame+X+100+0+",
    "CMD_logininfo+1+1.0.9+Thief",
    "CMD_logininfo+12+1.0.9+Twelve",
    "CMD_chat+3+hi|clRed",
    "CMD_action+0+waves|clRed",
    "CMD_playasound+2+click+",
    "CMD_playasound+2+wave21+",
    "CMD_playasound+2+wave0+",
    "CMD_playasound+1+wave3+",
    "",
    "+",
    "CMD_playcard",
    "cmd_playcard+2+1+",
    "CMD_playcard+2+1+junk+more"};

} // namespace

TEST(Fields, BadRequestsChangeNothingInAnyPhase) {
    HostHarness host;
    host.joinAll({"Host", "Bob"});
    // Before a game, while passing, and while playing.
    for (int phase = 0; phase < 3; ++phase) {
        if (phase == 1) {
            host.game.receive(1, "CMD_startgame+Host+100+0+");
        }
        if (phase == 2) {
            host.game.receive(1, "CMD_justwatch+1+1");
            host.game.receive(2, "CMD_justwatch+2+1");
            host.runTimers(50);
            host.game.receive(2, "CMD_justwatch+2+2");
        }
        const std::string before = snapshot(host.game);
        host.clearSent();
        for (const std::string& request : kBadRequests) {
            // From Bob, connection 2, who is no host and holds seat 2.
            if (request.rfind("CMD_playcard+2+1+junk", 0) == 0 && phase == 2) {
                continue; // a good card with junk after it: a real play
            }
            host.game.receive(2, request);
        }
        EXPECT_EQ(snapshot(host.game), before) << "phase " << phase;
        for (const auto& [to, text] : host.sent) {
            EXPECT_TRUE(text.rfind("CMD_error+2+", 0) == 0 || text.rfind("CMD_chat+", 0) == 0)
                << "phase " << phase << ": " << text;
        }
    }
}

TEST(Fields, NamesAreCutAndThePlayToScoreKeptInRange) {
    HostHarness host;
    host.join(std::string(40, 'A'));
    // 33 two-byte characters: cut to 32 whole ones.
    std::string accents;
    for (int i = 0; i < 33; ++i) {
        accents += "\xC3\xA9";
    }
    host.join(accents);
    EXPECT_EQ(host.game.players()[1].name, std::string(32, 'A'));
    EXPECT_EQ(host.game.players()[2].name, accents.substr(0, 64));
    for (const auto& [sent, kept] : std::vector<std::pair<std::string, int>>{
             {"10", 50}, {"-5", 50}, {"2147483647", 500}, {"abc", 100}, {"250", 250}}) {
        host.game.receive(1, "CMD_startgame+A+" + sent + "+0+");
        EXPECT_EQ(host.game.playto(), kept) << sent;
    }
}
