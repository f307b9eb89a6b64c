// Someone who comes to a table during a game sees it as everybody already
// there sees it, at any moment: in passing, within a trick, after the
// queen, in the pause after a trick and after a round, beside seats that
// just watch. Each moment is played up to anew from one seed, a watcher
// there from the start and a newcomer both keep their client's model, and
// the two models are compared field by field.
#include "hostharness.h"
#include "random.h"
#include "tablestate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

using protocol::Command;

namespace {

constexpr int kWatcher = 5;

constexpr int kAnn = 2;

// One step of the game: Ann's move when it is hers to make, else one expiry
// of whichever host timer is due, as the host's clock would bring them.
bool step(HostHarness& host) {
    const HostGame& game = host.game;
    const bool annToPass = game.round().phase == hearts::Phase::Pass && !game.round().passed[kAnn];
    const bool annToPlay =
        game.round().phase == hearts::Phase::Play && game.turn() == kAnn && !game.timer1().enabled;
    if (annToPass || annToPlay) {
        host.game.computerMove(kAnn);
    } else if (game.computertimer().enabled) {
        host.game.computertimerTimer();
    } else if (game.timer1().enabled) {
        host.game.timer1Timer();
    } else {
        return false;
    }
    return true;
}

// The host seen by a fresh game up to a moment: the host's player just
// watches, Ann plays, Cy and Dee have left (the computer plays their
// seats), a watcher is there from the start.
struct GameAtMoment : HostHarness {
    explicit GameAtMoment(int steps) {
        joinAll({"Host", "Ann", "Cy", "Dee", "Wat"});
        processrandom::setSeed(21);
        game.receive(1, protocol::build(Command::Startgame, "Host", "50", "0"));
        request(1, Command::Justwatch, 1, protocol::modeText(protocol::WatchMode::Watch));
        game.departure(3);
        game.departure(4);
        for (int i = 0; i < steps && step(*this); ++i) {
        }
    }
    // What a client's model makes of the messages sent to one connection.
    TableState modelOf(int number) const {
        TableState model;
        for (const auto& [connection, text] : sent) {
            if (connection == number) {
                model.apply(text);
            }
        }
        return model;
    }
};

const char* occupantText(TableState::Occupant occupant) {
    switch (occupant) {
    case TableState::Occupant::Waiting:
        return "waiting";
    case TableState::Occupant::Computer:
        return "computer";
    case TableState::Occupant::Person:
        return "person";
    }
    return "?";
}

// Everything the table shows, one field a line.
std::string shown(const TableState& model) {
    std::ostringstream out;
    for (int s = 1; s <= TableState::kSeats; ++s) {
        const TableState::Seat& seat = model.seat(s);
        out << "seat " << s << ": " << occupantText(seat.occupant) << " '" << seat.name
            << "' tricks " << seat.tricks << " score " << seat.score << " held " << seat.cardsHeld
            << (seat.backsShown ? " backs" : "") << (seat.watching ? " watching" : "")
            << (seat.trickWinner ? " took-trick" : "") << " taken " << seat.taken
            << (seat.takenShown ? " shown" : "") << (seat.moon ? " moon" : "")
            << (seat.winner ? " winner" : "") << "\n";
    }
    const TableState::Trick& trick = model.trick();
    out << "trick:";
    for (int k = 0; k < trick.count; ++k) {
        const int seat = trick.order[static_cast<std::size_t>(k)];
        out << " " << seat << "=" << trick.cards[static_cast<std::size_t>(seat)];
    }
    out << " leader " << trick.leader << " taker " << trick.taker << "\n";
    out << "turn mark " << model.turnMark() << ", pass arrow " << model.passArrow() << "\n";
    out << "status '" << model.statusText() << "' round " << model.roundText() << " to "
        << model.playToText() << (model.safeShown() ? " safe" : "")
        << (model.gameRunning() ? " running" : "") << "\n";
    return out.str();
}

// What the host is doing at a moment, for the table of moments.
std::string momentOf(const HostGame& game) {
    if (game.round().phase == hearts::Phase::Pass) {
        return "passing";
    }
    if (game.timer1().enabled) {
        switch (game.timer1().tag) {
        case Pause::NextTrick:
            return "after a trick";
        case Pause::NextRound:
            return "after a round";
        case Pause::AfterQueen:
            return "after the queen";
        case Pause::None:
            break;
        }
    }
    return game.round().trickCards == std::array<int, 5>{} ? "before a lead" : "within a trick";
}

} // namespace

TEST(Newcomer, SeesTheTableAsAWatcherThereFromTheStartAtEveryKindOfMoment) {
    // The moments of one whole game: each kind's first few, and every
    // seventh step besides.
    std::map<std::string, int> kinds;
    std::vector<int> moments;
    {
        GameAtMoment whole(0);
        for (int steps = 0; whole.game.gamestarted(); ++steps) {
            const std::string kind = momentOf(whole.game);
            if (kinds[kind]++ < 3 || steps % 7 == 0) {
                moments.push_back(steps);
            }
            ASSERT_TRUE(step(whole)) << "the game stopped at step " << steps;
        }
    }
    for (const char* kind :
         {"passing", "within a trick", "after the queen", "after a trick", "after a round"}) {
        EXPECT_GT(kinds[kind], 0) << kind;
    }
    for (int steps : moments) {
        GameAtMoment table(steps);
        const std::string kind = momentOf(table.game);
        const int newcomer = table.join("New");
        ASSERT_EQ(newcomer, 6);
        const TableState there = table.modelOf(kWatcher);
        const TableState come = table.modelOf(newcomer);
        ASSERT_EQ(shown(come), shown(there)) << kind << ", step " << steps;
        auto sorted = [](std::vector<std::string> list) {
            std::sort(list.begin(), list.end());
            return list;
        };
        EXPECT_EQ(sorted(come.watchers()), sorted(there.watchers()));
    }
}

TEST(Newcomer, APlayerBackInASeatAfterTheRoundHoldsNoCards) {
    // The round's last trick is taken and scored: Cy, back in her seat,
    // sees it and holds nothing, as everyone else sees her.
    GameAtMoment table(0);
    while (momentOf(table.game) != "after a round") {
        ASSERT_TRUE(step(table));
    }
    table.clearSent();
    ASSERT_EQ(table.join("Cy"), 3);
    EXPECT_TRUE(table.to(3, Command::Mycards).empty());
    EXPECT_EQ(table.to(3, Command::Heplayed).size(), 4u);
    EXPECT_EQ(table.to(3, Command::Tooktrick).size(), 1u);
    EXPECT_EQ(table.to(3, Command::Endround).size(), 1u);
    const TableState cy = table.modelOf(3);
    EXPECT_EQ(cy.hand().count(), 0);
    EXPECT_EQ(cy.statusText(), "Posting scores\u2026");
}
