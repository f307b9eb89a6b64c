// A game from its start to its winner: rounds, the deal, passing, the lead
// of the two of clubs, the turn order, scoring and the pauses between. The
// rules are round.h's; here they meet the messages and the timers.
#include "hostgame.h"
#include "protocol.h"
#include "random.h"

#include <algorithm>

using hearts::Phase;

const char* HostGame::phase() const {
    switch (m_round.phase) {
    case Phase::Pass:
        return "pass";
    case Phase::Play:
        return "play";
    case Phase::None:
        break;
    }
    return "";
}

void HostGame::startTimer1(Pause reason, int countdown) {
    m_countdown = countdown;
    m_timer1 = {true, m_timer1.intervalMs, reason};
    m_events.timerChanged(HostEvents::Timer::Pause);
}

void HostGame::stopTimer1() {
    m_timer1.enabled = false;
    m_events.timerChanged(HostEvents::Timer::Pause);
}

void HostGame::startComputerTimer() {
    m_computertimer = {true, m_events.botSpeedMs(), ComputerTimerTag::Move};
    m_events.timerChanged(HostEvents::Timer::Computer);
}

void HostGame::stopComputerTimer() {
    m_computertimer.enabled = false;
    m_events.timerChanged(HostEvents::Timer::Computer);
}

void HostGame::timer1Timer() {
    --m_countdown;
    if (m_countdown >= 1) {
        return;
    }
    stopTimer1();
    switch (m_timer1.tag) {
    case Pause::NextRound:
        startround();
        break;
    case Pause::NextTrick:
        starthand();
        break;
    case Pause::AfterQueen:
        findplayer();
        break;
    case Pause::None:
        break;
    }
}

void HostGame::startgame(int /*sender*/, const protocol::Message& message) {
    int playTo = 0;
    if (!wire::parseInt(message.text(1), playTo)) {
        playTo = 100;
    }
    startGame(message.text(0), playTo, message.text(2) == "1",
              hearts::houseRulesFromCode(message.text(3)));
}

void HostGame::startGame(const std::string& starter, int playTo, bool safeFirstTrick,
                         const hearts::HouseRules& rules) {
    stopComputerTimer();
    stopTimer1();
    stopTurnDeadline();
    m_gamestarted = true;
    m_gameSeed = processrandom::generator().seed;
    ++m_searchSerial;
    forgetDroppedPlayers();
    m_timeouts.fill(0);
    // The game start dialog offers 50 to 500; nothing else is a game.
    m_playto = std::clamp(playTo, kLowestPlayTo, kHighestPlayTo);
    m_safefirsttrick = safeFirstTrick;
    const hearts::HouseRules played = m_tableRules.value_or(rules);
    logLine([&] {
        std::string line = "game started by " + starter;
        line.append(", play to ").append(std::to_string(m_playto));
        line.append(m_safefirsttrick ? ", safe first trick" : "");
        if (!played.standard()) {
            line.append(", house rules ").append(hearts::houseRulesCode(played));
        }
        return line;
    });
    sendAll([&] {
        return protocol::build(protocol::Command::Startgame, starter, m_playto,
                               m_safefirsttrick ? 1 : 0);
    });
    // The standard game says nothing more, as it always did; house rules are
    // named to every copy in words, and to the copies that know them as code.
    if (!played.standard()) {
        for (int number = 1; number <= m_slotcount; ++number) {
            if (present(number)) {
                sendHouseRulesTo(number, played);
            }
        }
    }
    if (m_hintsAllowed) {
        sendAll([] { return protocol::build(protocol::Command::Hints, 1); });
    }
    for (int number = 1; number <= kMaxPlayers; ++number) {
        m_players[number].score = 0;
        m_players[number].justwatching = false;
    }
    m_round = hearts::Round{};
    m_round.rules = played;
    m_roundnum = 0;
    startround();
}

void HostGame::startround() {
    if (checkforwin()) {
        return;
    }
    ++m_roundnum;
    hearts::startRound(m_round, m_roundnum, m_safefirsttrick);
    m_trickSeen = TrickSeen{};
    m_endroundText.clear();
    sendAll([&] { return protocol::build(protocol::Command::Startround, m_roundnum); });
    hearts::deal(m_round, processrandom::generator());
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (present(seat)) {
            const hearts::Hand& hand = m_round.hands[static_cast<std::size_t>(seat)];
            std::string text = protocol::build(protocol::Command::Mycards, seat);
            for (int slot = 1; slot <= kHandSlots; ++slot) {
                protocol::add(text, slot, hand.at(slot));
            }
            m_events.send(seat, text);
        }
    }
    if (m_round.passDirection == 0) {
        findplayerwith2();
        return;
    }
    m_round.phase = Phase::Pass;
    for (int number = 1; number <= m_slotcount; ++number) {
        if (present(number)) {
            sendTo(number, protocol::build(protocol::Command::Passcards,
                                           number <= kSeats ? number : 0, m_round.passDirection));
        }
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (isComputerSeat(seat)) {
            computerpass(seat);
        }
    }
    if (m_round.phase == Phase::Pass) {
        armTurnDeadline();
    }
}

void HostGame::passcards(int /*sender*/, const protocol::Message& message) {
    const auto [seat, first, second, third] = message.numbers<4>();
    pass(seat, {first, second, third});
}

void HostGame::pass(int seat, const std::array<int, 3>& slots) {
    // Three different slots that hold cards, or no pass at all.
    if (!hearts::choosePass(m_round, seat, slots)) {
        return;
    }
    bool peopleStillToPass = false;
    for (int other = 1; other <= kSeats; ++other) {
        peopleStillToPass = peopleStillToPass || (!isComputerSeat(other) &&
                                                  !m_round.passed[static_cast<std::size_t>(other)]);
    }
    if (!peopleStillToPass) {
        stopTurnDeadline();
    }
    if (present(seat)) {
        m_events.send(seat, protocol::build(protocol::Command::Passedcards, seat, slots[0],
                                            slots[1], slots[2]));
    }
    if (!hearts::allPassed(m_round)) {
        return;
    }
    hearts::exchangePasses(m_round);
    for (int s = 1; s <= kSeats; ++s) {
        if (!present(s)) {
            continue;
        }
        const auto index = static_cast<std::size_t>(s);
        std::string text = protocol::build(protocol::Command::Mycards, s);
        for (std::size_t k = 0; k < 3; ++k) {
            protocol::add(text, m_round.passSlots[index][k], m_round.passedCards[index][k]);
        }
        m_events.send(s, text);
    }
    findplayerwith2();
}

void HostGame::findplayerwith2() {
    const int holder = hearts::beginPlay(m_round);
    if (holder == 0) {
        m_events.internalError("Error finding the 2 of clubs. Contact Orvane");
        return;
    }
    // findplayer goes on to the next seat: the holder.
    m_round.turn = holder == 1 ? 4 : holder - 1;
    findplayer();
}

void HostGame::findplayer() {
    m_round.turn = m_round.turn >= 4 ? 1 : m_round.turn + 1;
    if (m_round.hands[static_cast<std::size_t>(m_round.turn)].count() == 0) {
        endround();
        return;
    }
    if (m_round.ledCard == 0) {
        m_trickSeen = TrickSeen{};
    }
    sendAll([&] {
        return protocol::build(protocol::Command::Nextplayer, m_round.turn, m_round.ledCard);
    });
    if (isComputerSeat(m_round.turn)) {
        startComputerTimer();
    }
    armTurnDeadline();
}

int HostGame::peopleSeated() const {
    // Everyone in a seat counts, playing or watching: the table is not a
    // solo game because one of them lets the computer play.
    int people = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        people += present(seat) ? 1 : 0;
    }
    return people;
}

void HostGame::stopTurnDeadline() {
    if (m_turntimer.enabled) {
        m_turntimer.enabled = false;
        m_events.timerChanged(HostEvents::Timer::Turn);
    }
}

void HostGame::armTurnDeadline() {
    stopTurnDeadline();
    // Never in a solo game: a person alone at a table waits for nobody.
    if (m_turnTimeoutMs <= 0 || peopleSeated() < 2) {
        return;
    }
    bool someoneToMove = false;
    if (m_round.phase == Phase::Pass) {
        for (int seat = 1; seat <= kSeats; ++seat) {
            someoneToMove = someoneToMove || (!isComputerSeat(seat) &&
                                              !m_round.passed[static_cast<std::size_t>(seat)]);
        }
    } else if (m_round.phase == Phase::Play) {
        someoneToMove = !isComputerSeat(m_round.turn);
    }
    if (someoneToMove) {
        m_turntimer = {true, m_turnTimeoutMs, TurnTimerTag::Deadline};
        m_events.timerChanged(HostEvents::Timer::Turn);
    }
}

void HostGame::statusToAll(const std::string& text) {
    sendAll([&] { return protocol::build(protocol::Command::Chat, 0, text + "|clBlue"); });
}

void HostGame::movedForBy(int seat) {
    const std::string& name = m_players[seat].name;
    statusToAll("The time to move was up: the computer moved for " + name + ".");
    logLine([&] { return "seat " + std::to_string(seat) + " (" + name + ") timed out"; });
    if (++m_timeouts[static_cast<std::size_t>(seat)] >= kTimeoutsBeforeWatching) {
        m_timeouts[static_cast<std::size_t>(seat)] = 0;
        statusToAll("The computer plays for " + name + " until " + name +
                    " unticks Options > Just Watch.");
        m_players[seat].justwatching = true;
        sendAll([&] {
            return protocol::build(protocol::Command::Justwatching, seat,
                                   protocol::modeText(protocol::WatchMode::Watch));
        });
    }
}

void HostGame::turntimerTimer() {
    stopTurnDeadline();
    if (m_round.phase == Phase::Pass) {
        for (int seat = 1; seat <= kSeats; ++seat) {
            if (!isComputerSeat(seat) && !m_round.passed[static_cast<std::size_t>(seat)]) {
                movedForBy(seat);
                computerpass(seat);
            }
        }
    } else if (m_round.phase == Phase::Play && !isComputerSeat(m_round.turn) && !m_timer1.enabled) {
        const int seat = m_round.turn;
        movedForBy(seat);
        computerplay(seat);
    }
}

void HostGame::starthand() {
    m_round.ledCard = 0;
    m_round.turn = m_nextturn;
    findplayer();
}

void HostGame::endround() {
    stopTurnDeadline();
    const int moon = hearts::scoreRound(m_round);
    std::string text = protocol::build(protocol::Command::Endround, moon);
    for (int seat = 1; seat <= kSeats; ++seat) {
        m_players[seat].score += m_round.points[static_cast<std::size_t>(seat)];
        protocol::add(text, seat, m_round.points[static_cast<std::size_t>(seat)],
                      m_players[seat].score);
    }
    logLine([&] {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict)
        // about a literal added to a temporary string here.
        std::string summary = "round ";
        summary.append(std::to_string(m_roundnum)).append(" ended:");
        for (int seat = 1; seat <= kSeats; ++seat) {
            summary.append(1, ' ').append(std::to_string(m_players[seat].score));
        }
        if (moon != 0) {
            summary.append(", seat ").append(std::to_string(moon)).append(" shot the moon");
        }
        return summary;
    });
    sendAll([&] { return text; });
    m_endroundText = std::move(text);
    startTimer1(Pause::NextRound, 10);
}

bool HostGame::checkforwin() {
    std::array<int, kSeats + 1> scores{};
    for (int seat = 1; seat <= kSeats; ++seat) {
        scores[static_cast<std::size_t>(seat)] = m_players[seat].score;
    }
    const int winner = hearts::gameWinner(scores, m_playto);
    if (winner == 0) {
        return false;
    }
    const PlayerRecord& player = m_players[winner];
    const std::string& name = player.name.empty() ? player.botname : player.name;
    logLine([&] { return "seat " + std::to_string(winner) + " (" + name + ") won"; });
    sendAll([&] { return protocol::build(protocol::Command::Winner, winner, name); });
    m_gamestarted = false;
    forgetDroppedPlayers();
    return true;
}
