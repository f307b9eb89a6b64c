// A game from its start to its winner: rounds, the deal, passing, the lead
// of the two of clubs, the turn order, scoring and the pauses between.
#include "cards.h"
#include "hostgame.h"
#include "message.h"
#include "random.h"

#include <algorithm>

using hostmessage::build;
using hostmessage::buildPlus;

namespace {

// The seat that receives a seat's three cards in a pass direction.
int passReceiver(int seat, int passdir) {
    switch (passdir) {
    case 1:
        return seat % 4 + 1;
    case 2:
        return (seat + 2) % 4 + 1;
    default:
        return (seat + 1) % 4 + 1;
    }
}

} // namespace

void HostGame::startTimer1(int tag, int countdown) {
    m_countdown = countdown;
    m_timer1 = {true, m_timer1.intervalMs, tag};
    m_events.timerChanged(HostEvents::Timer::Pause);
}

void HostGame::stopTimer1() {
    m_timer1.enabled = false;
    m_events.timerChanged(HostEvents::Timer::Pause);
}

void HostGame::startComputerTimer() {
    m_computertimer = {true, m_events.botSpeedMs(), 2};
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
    case 2:
        startround();
        break;
    case 3:
        starthand();
        break;
    case 4:
        findplayer();
        break;
    default:
        break;
    }
}

void HostGame::setScores(int playto, std::array<int, 4> scores) {
    m_playto = playto;
    for (int seat = 1; seat <= kSeats; ++seat) {
        m_players[seat].score = scores[seat - 1];
    }
}

void HostGame::startgame(const std::string& data) {
    wire::Fields fields(data);
    const std::string starter = fields.text();
    const std::string playtoText = fields.text();
    const std::string safeText = fields.text();
    stopComputerTimer();
    stopTimer1();
    stopTurnDeadline();
    m_gamestarted = true;
    forgetDroppedPlayers();
    m_timeouts.fill(0);
    if (!wire::parseInt(playtoText, m_playto)) {
        m_playto = 100;
    }
    // The game start dialog offers 50 to 500; nothing else is a game.
    m_playto = std::clamp(m_playto, kLowestPlayTo, kHighestPlayTo);
    m_safefirsttrick = safeText == "1";
    m_events.log("game started by " + starter + ", play to " + std::to_string(m_playto) +
                 (m_safefirsttrick ? ", safe first trick" : ""));
    sendAll(buildPlus("CMD_startgame", starter, playtoText, safeText));
    for (int number = 1; number <= kMaxPlayers; ++number) {
        PlayerRecord& player = m_players[number];
        player.score = 0;
        player.justwatching = false;
        player.trickcard = 0;
        player.tricks = 0;
    }
    m_phase.clear();
    m_ledcard = 0;
    m_passdir = 0;
    m_roundnum = 0;
    startround();
}

void HostGame::startround() {
    if (checkforwin()) {
        return;
    }
    ++m_roundnum;
    m_firsttrick = true;
    m_pointstaker = 0;
    m_heartsbroken = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& player = m_players[seat];
        player.passed = false;
        player.tricks = 0;
        player.roundpoints = 0;
        player.trickcard = 0;
        player.passslots.fill(0);
        player.passedcards.fill(0);
    }
    m_passdir = m_roundnum % 4;
    sendAll(buildPlus("CMD_startround", m_roundnum));
    dealcards();
    if (m_passdir == 0) {
        findplayerwith2();
        return;
    }
    m_phase = "pass";
    for (int number = 1; number <= m_slotcount; ++number) {
        sendTo(number, buildPlus("CMD_passcards", number <= kSeats ? number : 0, m_passdir));
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (isComputerSeat(seat)) {
            computerpass(seat);
        }
    }
    if (m_phase == "pass") {
        armTurnDeadline();
    }
}

void HostGame::shufflecards() {
    m_deck.fill(0);
    for (int card = 1; card <= 52; ++card) {
        int position = 0;
        do {
            position = processrandom::draw(52) + 1;
        } while (m_deck[position] != 0);
        m_deck[position] = card;
    }
}

void HostGame::dealcards() {
    shufflecards();
    for (int position = 1; position <= 52; ++position) {
        m_players[(position - 1) % 4 + 1].cards[(position - 1) / 4 + 1] = m_deck[position];
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (!connected(seat)) {
            continue;
        }
        std::string text = build("CMD_mycards", seat);
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            text += build("", slot, m_players[seat].cards[slot]);
        }
        m_events.send(seat, text);
    }
}

void HostGame::passcards(const std::string& data) {
    wire::Fields fields(data);
    const int seat = fields.number();
    const std::array<int, 3> slots{fields.number(), fields.number(), fields.number()};
    if (m_phase != "pass" || seat < 1 || seat > kSeats || m_passdir == 0 ||
        m_players[seat].passed) {
        return;
    }
    // Three different slots that hold cards, or no pass at all.
    for (int k = 0; k < 3; ++k) {
        const int slot = slots[k];
        if (slot < 1 || slot > kHandSlots || m_players[seat].cards[slot] == 0 ||
            slot == slots[(k + 1) % 3]) {
            return;
        }
    }
    PlayerRecord& player = m_players[seat];
    PlayerRecord& receiver = m_players[passReceiver(seat, m_passdir)];
    for (int k = 1; k <= 3; ++k) {
        player.passslots[k] = slots[k - 1];
    }
    player.passed = true;
    bool peopleStillToPass = false;
    for (int other = 1; other <= kSeats; ++other) {
        peopleStillToPass =
            peopleStillToPass || (!isComputerSeat(other) && !m_players[other].passed);
    }
    if (!peopleStillToPass) {
        stopTurnDeadline();
    }
    for (int k = 1; k <= 3; ++k) {
        receiver.passedcards[k] = player.cards[player.passslots[k]];
    }
    for (int k = 1; k <= 3; ++k) {
        player.cards[player.passslots[k]] = 0;
    }
    if (connected(seat)) {
        m_events.send(seat, buildPlus("CMD_passedcards", seat, slots[0], slots[1], slots[2]));
    }
    for (int other = 1; other <= kSeats; ++other) {
        if (m_players[other].passslots[1] == 0) {
            return;
        }
    }
    for (int s = 1; s <= kSeats; ++s) {
        PlayerRecord& p = m_players[s];
        std::string text = build("CMD_mycards", s);
        for (int k = 1; k <= 3; ++k) {
            p.cards[p.passslots[k]] = p.passedcards[k];
            text += build("", p.passslots[k], p.passedcards[k]);
        }
        if (connected(s)) {
            m_events.send(s, text);
        }
    }
    findplayerwith2();
}

void HostGame::findplayerwith2() {
    m_lead2clubs = true;
    m_phase = "play";
    for (int seat = 1; seat <= kSeats; ++seat) {
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            if (m_players[seat].cards[slot] == cards::kTwoOfClubs) {
                m_turn = seat == 1 ? 4 : seat - 1;
                findplayer();
                return;
            }
        }
    }
    m_events.internalError("Error finding the 2 of clubs. Contact Orvane");
}

void HostGame::findplayer() {
    m_turn = m_turn >= 4 ? 1 : m_turn + 1;
    if (m_players[m_turn].cardsLeft() == 0) {
        endround();
        return;
    }
    sendAll(buildPlus("CMD_nextplayer", m_turn, m_ledcard));
    if (isComputerSeat(m_turn)) {
        startComputerTimer();
    }
    armTurnDeadline();
}

int HostGame::peopleSeated() const {
    // Everyone in a seat counts, playing or watching: the table is not a
    // solo game because one of them lets the computer play.
    int people = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        people += connected(seat) ? 1 : 0;
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
    if (m_phase == "pass") {
        for (int seat = 1; seat <= kSeats; ++seat) {
            someoneToMove = someoneToMove || (!isComputerSeat(seat) && !m_players[seat].passed);
        }
    } else if (m_phase == "play") {
        someoneToMove = !isComputerSeat(m_turn);
    }
    if (someoneToMove) {
        m_turntimer = {true, m_turnTimeoutMs, 1};
        m_events.timerChanged(HostEvents::Timer::Turn);
    }
}

void HostGame::statusToAll(const std::string& text) {
    sendAll("CMD_chat+0+" + text + "|clBlue");
}

void HostGame::movedForBy(int seat) {
    const std::string& name = m_players[seat].name;
    statusToAll("The time to move was up: the computer moved for " + name + ".");
    m_events.log("seat " + std::to_string(seat) + " (" + name + ") timed out");
    if (++m_timeouts[seat] >= kTimeoutsBeforeWatching) {
        m_timeouts[seat] = 0;
        statusToAll("The computer plays for " + name + " until " + name +
                    " unticks Options > Just Watch.");
        m_players[seat].justwatching = true;
        sendAll(build("CMD_justwatching", seat, "1"));
    }
}

void HostGame::turntimerTimer() {
    stopTurnDeadline();
    if (m_phase == "pass") {
        for (int seat = 1; seat <= kSeats; ++seat) {
            if (!isComputerSeat(seat) && !m_players[seat].passed) {
                movedForBy(seat);
                computerpass(seat);
            }
        }
    } else if (m_phase == "play" && !isComputerSeat(m_turn) && !m_timer1.enabled) {
        const int seat = m_turn;
        movedForBy(seat);
        computerplay(seat);
    }
}

void HostGame::starthand() {
    m_ledcard = 0;
    m_turn = m_nextturn;
    findplayer();
}

void HostGame::endround() {
    stopTurnDeadline();
    int moon = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (m_players[seat].roundpoints == 26) {
            moon = seat;
        }
    }
    if (moon != 0) {
        for (int seat = 1; seat <= kSeats; ++seat) {
            m_players[seat].roundpoints = seat == moon ? 0 : 26;
        }
    }
    std::string text = build("CMD_endround", moon);
    std::string summary = "round " + std::to_string(m_roundnum) + " ended:";
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& player = m_players[seat];
        player.score += player.roundpoints;
        text += build("", seat, player.roundpoints, player.score);
        summary += " " + std::to_string(player.score);
    }
    m_events.log(summary + (moon != 0 ? ", seat " + std::to_string(moon) + " shot the moon" : ""));
    sendAll(text);
    for (int seat = 1; seat <= kSeats; ++seat) {
        m_players[seat].tricks = 0;
    }
    startTimer1(2, 10);
}

bool HostGame::checkforwin() {
    bool reached = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
        reached = reached || m_players[seat].score >= m_playto;
    }
    if (!reached) {
        return false;
    }
    int winner = 1;
    for (int seat = 2; seat <= kSeats; ++seat) {
        if (m_players[seat].score < m_players[winner].score) {
            winner = seat;
        }
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (seat != winner && m_players[seat].score == m_players[winner].score) {
            return false;
        }
    }
    const PlayerRecord& player = m_players[winner];
    const std::string& name = player.name.empty() ? player.botname : player.name;
    m_events.log("seat " + std::to_string(winner) + " (" + name + ") won");
    sendAll(buildPlus("CMD_winner", winner, name));
    m_gamestarted = false;
    forgetDroppedPlayers();
    return true;
}
