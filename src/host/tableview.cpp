// What someone who logs in during a game is told, so that their table is the
// one everybody else sees at that moment: in a pause after a trick the
// trick still lies there with its taker, in the pause after a round the
// round's last trick and its scores, and the turn is shown only when
// someone is to play. Only messages every copy knows are used: the table
// (CMD_gamestats) as it stood before the trick on it, then that trick's
// cards in the order they came (CMD_heplayed), then what ended it.
#include "hostgame.h"
#include "protocol.h"

using hearts::Phase;

std::string HostGame::gamestatsFor() const {
    const bool pause = m_timer1.enabled;
    const bool afterTrick =
        pause && (m_timer1.tag == Pause::NextTrick || m_timer1.tag == Pause::NextRound);
    const bool afterRound = pause && m_timer1.tag == Pause::NextRound;
    // After a trick nobody is to play; after the queen the turn still shows
    // on the seat that played her, as for everyone else.
    std::string stats =
        protocol::build(protocol::Command::Gamestats, m_playto, m_safefirsttrick ? 1 : 0,
                        m_roundnum, afterTrick ? 0 : m_round.turn, phase());
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto index = static_cast<std::size_t>(seat);
        int tricks = m_round.tricks[index];
        int score = m_players[seat].score;
        // The trick that was taken comes again after this, and the round's
        // scores after that.
        if (afterTrick && seat == m_trickSeen.taker) {
            --tricks;
        }
        if (afterRound) {
            score -= m_round.points[index];
        }
        // No card on the table: the trick's cards follow one by one, in
        // their order, so that its leader is known.
        protocol::add(stats, seat, score, tricks, 0);
    }
    return stats;
}

void HostGame::sendHouseRulesTo(int number, const hearts::HouseRules& rules) {
    sendTo(number, protocol::build(protocol::Command::Houserules, hearts::houseRulesCode(rules)));
    sendTo(number,
           protocol::build(protocol::Command::Chat, 0,
                           hearts::houseRulesSentence(rules, m_safefirsttrick) + "|clBlue"));
}

void HostGame::setHintsAllowed(bool allowed) {
    if (allowed == m_hintsAllowed) {
        return;
    }
    m_hintsAllowed = allowed;
    sendAll([&] { return protocol::build(protocol::Command::Hints, allowed ? 1 : 0); });
}

void HostGame::sendTableTo(int number) {
    if (!m_round.rules.standard()) {
        sendHouseRulesTo(number, m_round.rules);
    }
    if (m_hintsAllowed) {
        sendTo(number, protocol::build(protocol::Command::Hints, 1));
    }
    const bool seat = number >= 1 && number <= kSeats;
    if (seat && m_round.hands[static_cast<std::size_t>(number)].count() > 0) {
        const hearts::Hand& hand = m_round.hands[static_cast<std::size_t>(number)];
        std::string cardsMessage = protocol::build(protocol::Command::Mycards, number);
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            if (hand.at(slot) != 0) {
                protocol::add(cardsMessage, slot, hand.at(slot));
            }
        }
        sendTo(number, cardsMessage);
    }
    sendTo(number, gamestatsFor());
    if (m_round.phase == Phase::Pass) {
        // The passing's direction, as a watcher sees it; a seat's cards were
        // passed for it while nobody had the seat.
        sendTo(number, protocol::build(protocol::Command::Passcards, 0, m_round.passDirection));
        if (seat && m_round.passed[static_cast<std::size_t>(number)]) {
            const auto& slots = m_round.passSlots[static_cast<std::size_t>(number)];
            sendTo(number, protocol::build(protocol::Command::Passedcards, number, slots[0],
                                           slots[1], slots[2]));
        }
    }
    if (m_round.phase == Phase::Play) {
        for (int k = 0; k < m_trickSeen.count; ++k) {
            const int player = m_trickSeen.seats[static_cast<std::size_t>(k)];
            sendTo(number,
                   protocol::build(protocol::Command::Heplayed, player,
                                   m_trickSeen.cards[static_cast<std::size_t>(k)],
                                   m_round.hands[static_cast<std::size_t>(player)].count()));
        }
        const bool pause = m_timer1.enabled;
        const auto reason = m_timer1.tag;
        if (pause && (reason == Pause::NextTrick || reason == Pause::NextRound) &&
            m_trickSeen.taker != 0) {
            sendTo(number,
                   protocol::build(protocol::Command::Tooktrick, m_trickSeen.taker,
                                   m_round.tricks[static_cast<std::size_t>(m_trickSeen.taker)]));
        }
        if (pause && reason == Pause::NextRound && !m_endroundText.empty()) {
            sendTo(number, m_endroundText);
        }
    }
    for (int other = 1; other <= kSeats; ++other) {
        if (m_players[other].justwatching) {
            sendTo(number, protocol::build(protocol::Command::Justwatching, other,
                                           protocol::modeText(protocol::WatchMode::Watch)));
        }
    }
}
