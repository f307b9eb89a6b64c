// The timer that makes the computer players play at the table.
#include "hostharness.h"
#include "random.h"

#include "cardtext.h"

#include <gtest/gtest.h>

using protocol::Command;

TEST(ComputerTimer, PlaysOnlyForTheSeatInTurnWhenDue) {
    HostHarness host;
    host.join("Ann");
    host.botSpeed = 500;
    host.request(1, Command::Startgame, "Ann", "100", "0");
    host.request(1, Command::Justwatch, 1, "1");
    // Ann's seat passed by the computer at once, and the round is in play.
    EXPECT_TRUE(host.game.round().passed[1]);
    EXPECT_EQ(std::string(host.game.phase()), "play");
    EXPECT_TRUE(host.game.computertimer().enabled);
    EXPECT_EQ(host.game.computertimer().intervalMs, 500);
    EXPECT_EQ(host.game.computertimer().tag, ComputerTimerTag::Move);
    host.clearSent();
    host.game.computertimerTimer();
    EXPECT_EQ(host.to(1, Command::Heplayed).size(), 1u);
}

TEST(ComputerTimer, ARoundAtTheTablePlaysAsTheRulesAlonePlayIt) {
    // Four computer seats and one watching connection: the host's round and
    // the round played through the rules alone end with the same points.
    for (std::uint32_t seed : {1u, 2u, 3u, 17u, 99u}) {
        HostHarness host;
        host.join("Watcher");
        processrandom::setSeed(seed);
        host.request(1, Command::Startgame, "Watcher", "500", "0");
        host.request(1, Command::Justwatch, 1, "1");
        while (host.game.roundnum() < 2 && host.runTimers(1) == 1) {
        }
        hearts::Round round;
        hearts::Random random{seed};
        hearts::playComputerRound(round, 1, false, random);
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(host.game.players()[seat].score, round.points[static_cast<std::size_t>(seat)])
                << "seed " << seed << ", seat " << seat;
        }
    }
}

namespace {

// A host that keeps the Strong seats' searches for the test to answer.
class DeferredSearches : public HostHarness {
public:
    bool startSearch(const SearchRequest& request) override {
        requests.push_back(request);
        return true;
    }
    std::vector<SearchRequest> requests;
};

} // namespace

TEST(ComputerTimer, OnlyTheLatestSearchPlaysAndOnlyAtItsPosition) {
    DeferredSearches host;
    host.join("Watcher");
    HostGame::Levels levels{};
    levels.fill(hearts::Level::Strong);
    host.game.setLevels(levels);
    processrandom::setSeed(21);
    host.request(1, Command::Startgame, "Watcher", "100", "0");
    host.request(1, Command::Justwatch, 1, "1");
    // The computer timer asks for a search and the table waits for it.
    host.runTimers();
    ASSERT_EQ(host.requests.size(), 1u);
    const HostEvents::SearchRequest first = host.requests.front();
    EXPECT_EQ(first.seat, host.game.round().turn);
    EXPECT_FALSE(host.game.computertimer().enabled);

    // The seat asked again before the first answer came: only the newer
    // answer counts.
    host.game.computerMove(first.seat);
    ASSERT_EQ(host.requests.size(), 2u);
    const HostEvents::SearchRequest second = host.requests.back();
    const int firstSlot = hearts::strongPlay(first.round, first.seat, first.seed);
    host.clearSent();
    host.game.searchDone(first, firstSlot);
    EXPECT_TRUE(host.to(1, Command::Heplayed).empty());
    host.game.searchDone(second, hearts::strongPlay(second.round, second.seat, second.seed));
    EXPECT_EQ(host.to(1, Command::Heplayed).size(), 1u);
    // Once played, the position is gone: the same answer again plays nothing.
    host.clearSent();
    host.game.searchDone(second, firstSlot);
    EXPECT_TRUE(host.to(1, Command::Heplayed).empty());
    EXPECT_TRUE(host.errors.empty());
}
