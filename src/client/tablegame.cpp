// The table's model through a game: its start, rounds, turns, cards played,
// tricks, scores, the winner, and the table told to someone who comes in.
#include "tablestate.h"

#include "cards.h"
#include "legality.h"
#include "round.h"
#include "spoken.h"

#include <algorithm>

void TableState::clearall() {
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        s.tricks = 0;
        s.score = 0;
        s.winner = false;
        s.backsShown = false;
        s.trickWinner = false;
        s.watching = false;
        s.moon = false;
        s.taken = 0;
        s.takenShown = false;
    }
    m_turnMark = 0;
    m_trick = Trick{};
    // The pictures of the hand go; its places stay taken until a round starts.
    m_hand.cards.clear();
    closePassing();
}

void TableState::startthegame(const Message& message) {
    const std::string& starter = message.text(0);
    const std::string& playto = message.text(1);
    const std::string& safe = message.text(2);
    m_startButtonShown = false;
    m_justWatching = false;
    clearall();
    m_safe = safe == "1";
    // The standard game, and no hints, unless the host says otherwise next.
    m_houseRules = hearts::HouseRules{};
    m_hintsAllowed = false;
    m_playToText = playto;
    // My own start reads as I would say it; the host's text is the name.
    events().statusLine(protocol::statusLine(starter == m_playerName
                                                 ? std::string("You have started a game.")
                                                 : starter + " has started a game."));
    for (int seat = 2; seat <= kSeats; ++seat) {
        if (seatAt(seat).occupant == Occupant::Waiting) {
            seatAt(seat).occupant = Occupant::Computer;
        }
    }
    m_gameRunning = true;
    m_rounds.clear();
    m_lastTrick = Trick{};
}

void TableState::houserules(const Message& message) {
    m_houseRules = hearts::houseRulesFromCode(message.text(0));
}

void TableState::hints(const Message& message) {
    m_hintsAllowed = message.number(0) == 1;
}

void TableState::startround(const Message& message) {
    m_roundText = std::to_string(message.number(0));
    m_hand = HandView{};
    m_expectingReceived = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        s.backsShown = seat != m_mySeat;
        s.cardsHeld = kSlots;
        s.tricks = 0;
        s.taken = 0;
        s.takenShown = false;
        s.trickWinner = false;
        s.moon = false;
    }
    m_trick = Trick{};
    m_tricksDone = 0;
    m_heartsBroken = false;
    m_queenTaker = 0;
    m_seen = RoundSeen{};
    std::string said = "Round " + m_roundText;
    if (!m_playToText.empty()) {
        said.append(", playing to ").append(m_playToText);
    }
    events().announce(said + ".");
}

void TableState::clearTrickMarks() {
    m_trick = Trick{};
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        s.trickWinner = false;
        s.takenShown = false;
    }
}

void TableState::getnextplayer(const Message& message) {
    const auto [seat, led] = message.numbers<2>();
    m_turnSeat = seat;
    // Play has begun: the passing's arrow, which a watcher still shows, goes.
    m_passArrow = 0;
    if (led == 0) {
        clearTrickMarks();
    }
    m_turnMark = 0;
    if (!isSeat(seat)) {
        return;
    }
    m_turnMark = seat;
    if (seat == m_mySeat) {
        setStatus("Your Turn.");
        if (m_cues.turn) {
            events().sound(m_turnSoundNew ? Cue::TurnNew : Cue::Turn);
        }
    } else {
        setStatus(seatName(seat) + "'s turn.");
    }
}

void TableState::heplayed(const Message& message) {
    const auto [seat, card, left] = message.numbers<3>();
    Seat& s = seatAt(seat);
    s.cardsHeld = std::clamp(left, 0, kSlots);
    if (left == 0) {
        s.backsShown = false;
    }
    const auto index = static_cast<std::size_t>(seat);
    if (m_trick.cards[index] == 0 && m_trick.count < kSeats) {
        if (m_trick.count == 0) {
            m_trick.leader = seat;
        }
        m_trick.order[static_cast<std::size_t>(m_trick.count++)] = seat;
    }
    m_trick.cards[index] = card;
    m_seen.played |= hearts::cardBit(card);
    const int ledSuit = hearts::getsuit(m_trick.ledCard());
    if (ledSuit != 0 && hearts::getsuit(card) != ledSuit) {
        m_seen.voids[index] |= static_cast<std::uint8_t>(1u << ledSuit);
    }
    const bool breaksHearts = !m_heartsBroken && hearts::breaksHearts(card, m_houseRules);
    m_heartsBroken = m_heartsBroken || breaksHearts;
    events().sound(card == hearts::kQueenOfSpades        ? Cue::Queen
                   : breaksHearts && m_cues.heartsBroken ? Cue::HeartsBroken
                                                         : Cue::PlaceCard);
    events().announce(subjectOf(seat) + (seat == m_mySeat ? " play " : " plays ") +
                      spoken::cardInSentence(card) + "." +
                      (breaksHearts ? " Hearts are broken." : ""));
}

void TableState::tooktrick(const Message& message) {
    const auto [seat, count] = message.numbers<2>();
    Seat& s = seatAt(seat);
    s.trickWinner = true;
    s.tricks = std::clamp(count, 0, kSlots);
    m_trick.taker = seat;
    const bool queenTaken = std::find(m_trick.cards.begin(), m_trick.cards.end(),
                                      hearts::kQueenOfSpades) != m_trick.cards.end();
    if (queenTaken) {
        m_queenTaker = seat;
    }
    m_lastTrick = m_trick;
    ++m_tricksDone;
    const int points = hearts::trickScore(m_trick.cards, m_houseRules);
    hearts::tallyTrick(m_trick.cards, seat, m_seen.points, m_seen.pointsTaker, m_seen.jackTaker);
    setStatus(seatName(seat) + " took the trick.", false);
    events().announce(seatName(seat) + " took the trick" +
                      (points != 0 ? ", " + spoken::points(points) : std::string()) + ".");
    m_turnMark = 0;
    events().sound(queenTaken && m_cues.queenTaken ? Cue::QueenTaken
                   : seat == m_mySeat              ? Cue::TurnOverGood
                                                   : Cue::TurnOverBad);
}

void TableState::endround(const Message& message) {
    const int moon = message.number(0);
    setStatus("Posting scores\u2026", false);
    RoundRecord record;
    record.round = m_roundText;
    record.moon = isSeat(moon) ? moon : 0;
    record.queenTaker = m_queenTaker;
    for (int seat = 1; seat <= kSeats; ++seat) {
        seatAt(seat).trickWinner = false;
    }
    if (isSeat(moon)) {
        seatAt(moon).moon = true;
    }
    const std::vector<int>& groups = message.list();
    for (std::size_t i = 0; i + 2 < groups.size(); i += 3) {
        const int seat = groups[i];
        const int points = groups[i + 1];
        const int score = groups[i + 2];
        Seat& s = seatAt(seat);
        s.score = score;
        record.points[static_cast<std::size_t>(seat)] = points;
        record.totals[static_cast<std::size_t>(seat)] = score;
        if (points > 0) {
            s.taken = points;
            s.takenShown = true;
        }
    }
    m_rounds.push_back(record);
    events().sound(Cue::RoundOver);
    std::string said = "Round " + m_roundText + " over.";
    if (isSeat(moon)) {
        said.append(" ").append(subjectOf(moon)).append(" shot the moon.");
    }
    const auto perSeat = [this](const char* heading, const std::array<int, kSeats + 1>& values) {
        std::string list = heading;
        for (int seat = 1; seat <= kSeats; ++seat) {
            list.append(seat == 1 ? " " : ", ")
                .append(seatName(seat))
                .append(" ")
                .append(std::to_string(values[static_cast<std::size_t>(seat)]));
        }
        return list + ".";
    };
    said += perSeat(" Points:", record.points) + perSeat(" Scores:", record.totals);
    events().announce(said);
}

void TableState::gamestats(const Message& message) {
    m_playToText = message.text(0);
    const std::string& safe = message.text(1);
    m_roundText = message.text(2);
    m_turnSeat = message.number(0);
    const std::string& phase = message.text(3);
    m_safe = safe == "1";
    m_gameRunning = true;
    m_trick = Trick{};
    int tricksDone = 0;
    const std::vector<int>& groups = message.list();
    for (std::size_t i = 0; i + 3 < groups.size(); i += 4) {
        const int seat = groups[i];
        const int score = groups[i + 1];
        const int tricks = groups[i + 2];
        const int card = groups[i + 3];
        Seat& s = seatAt(seat);
        s.score = score;
        s.tricks = std::clamp(tricks, 0, kSlots);
        tricksDone += s.tricks;
        if (card > 0 && card <= 52) {
            m_trick.cards[static_cast<std::size_t>(seat)] = card;
            m_trick.order[static_cast<std::size_t>(m_trick.count++)] = seat;
            m_heartsBroken = m_heartsBroken || hearts::breaksHearts(card, m_houseRules);
        }
    }
    m_tricksDone = std::min(tricksDone, kSlots);
    // Who led is not told; with one card on the table it is that seat.
    m_trick.leader = m_trick.count == 1 ? m_trick.order[0] : 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        const bool onTable = m_trick.cards[static_cast<std::size_t>(seat)] != 0;
        s.cardsHeld = std::max(0, kSlots - m_tricksDone - (onTable ? 1 : 0));
        s.backsShown = seat != m_mySeat && s.cardsHeld > 0;
        // A game runs: the computer plays every seat nobody has taken.
        if (s.occupant == Occupant::Waiting) {
            s.occupant = Occupant::Computer;
        }
    }
    // The table as the others see it now: whose turn, and the status.
    m_turnMark = phase == "play" && isSeat(m_turnSeat) ? m_turnSeat : 0;
    if (phase == "pass") {
        setStatus("Passing Cards..");
    } else if (m_turnMark == m_mySeat && seated()) {
        setStatus("Your Turn.");
    } else if (m_turnMark != 0) {
        setStatus(seatName(m_turnMark) + "'s turn.");
    }
}

void TableState::winner(const Message& message) {
    const int seat = message.number(0);
    // The name is the rest less its trailing "+", so a "+" in it stays.
    std::string name = message.text(0);
    if (!name.empty() && name.back() == '+') {
        name.pop_back();
    }
    // A computer seat is named as the table shows it, whatever name the
    // host gives its computer player.
    if (this->seat(seat).occupant != Occupant::Person) {
        name = seatName(seat);
    }
    for (int s = 1; s <= kSeats; ++s) {
        Seat& at = seatAt(s);
        at.moon = false;
        at.takenShown = false;
        at.trickWinner = false;
    }
    events().sound(Cue::Winner);
    events().statusLine(protocol::statusLine(seat == m_mySeat ? "You have Won the Game!"
                                                              : name + " has Won the Game!"));
    setStatus("Game Over!", false);
    events().announce("Game over. " + (seat == m_mySeat ? std::string("You have won the game.")
                                                        : name + " has won the game."));
    if (isSeat(seat)) {
        seatAt(seat).winner = true;
    }
    if (m_hostFlag) {
        m_startButtonShown = true;
    }
    m_gameRunning = false;
    if (seated()) {
        events().gameRecorded(GameResult{seat == m_mySeat, name});
    }
    events().gameOver();
}

std::vector<TableState::Standing> TableState::standings() const {
    std::vector<Standing> list;
    for (int seat = 1; seat <= kSeats; ++seat) {
        Standing s;
        s.seat = seat;
        s.name = seatName(seat);
        s.score = this->seat(seat).score;
        for (const RoundRecord& round : m_rounds) {
            const auto index = static_cast<std::size_t>(seat);
            const int fewest = *std::min_element(round.points.begin() + 1, round.points.end());
            s.roundsWon += round.points[index] == fewest ? 1 : 0;
            s.moons += round.moon == seat ? 1 : 0;
            s.queens += round.queenTaker == seat ? 1 : 0;
        }
        list.push_back(s);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Standing& a, const Standing& b) { return a.score < b.score; });
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].place = i > 0 && list[i].score == list[i - 1].score ? list[i - 1].place
                                                                    : static_cast<int>(i) + 1;
    }
    return list;
}

void TableState::error(const Message& message) {
    const auto [seat, code] = message.numbers<2>();
    if (seat != m_mySeat) {
        return;
    }
    const std::string text = hearts::refusalText(code);
    if (!text.empty()) {
        setStatus(text);
    }
    events().sound(Cue::Error);
    m_turnSeat = m_mySeat;
}
