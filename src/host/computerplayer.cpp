// The computer seats at the table: their choices are the Classic and Strong
// players', made here into moves when their timer runs out or a seat is
// handed over.
#include "classic.h"
#include "hostgame.h"
#include "random.h"

using hearts::Phase;

void HostGame::computertimerTimer() {
    stopComputerTimer();
    if (isComputerSeat(m_round.turn) && m_computertimer.tag == ComputerTimerTag::Move) {
        computerplay(m_round.turn);
    }
}

void HostGame::computerMove(int seat) {
    if (m_round.phase == Phase::Pass) {
        computerpass(seat);
    } else if (m_round.phase == Phase::Play && seat == m_round.turn) {
        computerplay(seat);
    }
}

void HostGame::computerpass(int seat) {
    if (seat < 1 || seat > kSeats || m_round.passed[static_cast<std::size_t>(seat)]) {
        return;
    }
    const hearts::Hand& hand = m_round.hands[static_cast<std::size_t>(seat)];
    const std::array<int, 3> slots =
        playsStrong(seat) ? hearts::strongPass(hand) : hearts::computerPass(hand);
    if (slots[2] == 0) {
        m_events.internalError("Error with computer passing cards.. Contact Orvane");
        return;
    }
    pass(seat, slots);
}

void HostGame::computerplay(int seat) {
    const bool leading = m_round.ledCard == 0;
    int slot = 0;
    if (playsStrong(seat)) {
        const HostEvents::SearchRequest request{
            m_round,          seat,
            m_roundnum,       hearts::decisionSeed(m_gameSeed, m_roundnum, m_round, seat),
            ++m_searchSerial, m_levels[static_cast<std::size_t>(seat)]};
        if (m_events.startSearch(request)) {
            return;
        }
        slot = hearts::searchPlay(request.level, m_round, seat, request.seed);
    } else {
        slot = hearts::computerPlay(m_round, seat, processrandom::generator());
    }
    if (slot != 0) {
        play(seat, slot);
    } else if (!leading) {
        m_events.internalError("Error H20011.. Contact Orvane");
    }
}

void HostGame::searchDone(const HostEvents::SearchRequest& request, int slot) {
    // Anything that happened meanwhile (a newer search, a card, a new round
    // or game, the seat taken back) leaves the answer unused.
    const bool unchanged =
        request.serial == m_searchSerial && m_gamestarted && m_roundnum == request.roundNumber &&
        m_round.phase == Phase::Play && m_round.turn == request.seat &&
        m_round.playedCards == request.round.playedCards && isComputerSeat(request.seat);
    if (unchanged && slot != 0) {
        play(request.seat, slot);
    }
}

bool HostGame::playsStrong(int seat) const {
    // A person's seat moved for at its deadline gets the classic rules: the
    // answer of a search would find the seat still theirs and go unused.
    return m_levels[static_cast<std::size_t>(seat)] != hearts::Level::Classic &&
           isComputerSeat(seat);
}
