#pragma once

#include "hostgame.h"
#include "random.h"

#include "cardtext.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Runs the host's rules in memory: records every message, carries out
// closes at once, and fires timers on request.
class HostHarness : public HostEvents {
public:
    HostHarness() : game(*this) {}

    void send(int connection, const std::string& text) override {
        sent.emplace_back(connection, text);
    }
    void closeConnection(int connection) override {
        closed.push_back(connection);
        game.departure(connection);
    }
    void timerChanged(Timer) override {}
    int botSpeedMs() override { return botSpeed; }
    std::int64_t nowMs() override { return HostEvents::nowMs() + advancedMs; }
    void swapNumbers(int a, int b) override { swaps.emplace_back(a, b); }
    void botSpeedRequested(int ms) override { requestedBotSpeed = ms; }
    void internalError(const std::string& text) override { errors.push_back(text); }

    // Accepts a connection and logs it in under a name, as a copy of the
    // game does: when the host moves it to another number, it logs in again
    // under that one. Answers its number.
    int join(const std::string& name, const std::string& version = HostGame::kVersion,
             const std::string& address = std::string()) {
        int number = game.chooseConnectionNumber(address);
        if (number > kMaxConnections) {
            return number;
        }
        game.connectionAccepted(number, address);
        for (int logins = 0; logins < 2; ++logins) {
            swaps.clear();
            game.receive(number,
                         "CMD_logininfo+" + std::to_string(number) + "+" + version + "+" + name);
            if (swaps.empty()) {
                break;
            }
            number = swaps.front().first == number ? swaps.front().second : swaps.front().first;
        }
        return number;
    }
    int joinFrom(const std::string& address, const std::string& name) {
        return join(name, HostGame::kVersion, address);
    }

    // The host's player joins, starts a game from this seed and hands the
    // seat to the computer: the computer plays all four seats.
    void startWatchedGame(std::uint32_t seed) {
        join("Host");
        processrandom::setSeed(seed);
        game.receive(1, "CMD_startgame+Host+100+0+");
        game.receive(1, "CMD_justwatch+1+1");
    }

    void joinAll(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            join(name);
        }
    }

    // The slot of a card ("QS") in a seat's hand, 0 when the seat lacks it.
    int slotOf(int seat, const std::string& cardText) const {
        return game.round().hands[static_cast<std::size_t>(seat)].slotOf(::card(cardText));
    }
    // A seat's player plays a card by its name, as the client sends it;
    // answers what that connection was sent in reply.
    std::vector<std::string> play(int seat, const std::string& cardText) {
        return playSlot(seat, slotOf(seat, cardText));
    }
    std::vector<std::string> playSlot(int seat, int slot) {
        const std::size_t before = sent.size();
        game.receive(seat, protocol::build(protocol::Command::Playcard, seat, slot));
        return sentSince(before, seat);
    }
    // A seat's player passes three cards by name ("AS KS QS").
    std::vector<std::string> pass(int seat, const std::string& cardsText) {
        const std::vector<int> cards = ::hand(cardsText);
        const auto& hand = game.round().hands[static_cast<std::size_t>(seat)];
        const std::size_t before = sent.size();
        game.receive(seat,
                     protocol::build(protocol::Command::Passcards, seat, hand.slotOf(cards.at(0)),
                                     hand.slotOf(cards.at(1)), hand.slotOf(cards.at(2))));
        return sentSince(before, seat);
    }
    std::vector<std::string> sentSince(std::size_t index, int connection) const {
        std::vector<std::string> result;
        for (std::size_t i = index; i < sent.size(); ++i) {
            if (sent[i].first == connection) {
                result.push_back(sent[i].second);
            }
        }
        return result;
    }

    // A request from a connection, as its client would send it.
    template <typename... Fields>
    void request(int sender, protocol::Command command, const Fields&... fields) {
        game.receive(sender, protocol::build(command, fields...));
    }
    // The messages of one command sent to one connection.
    std::vector<std::string> to(int connection, protocol::Command command) const {
        std::vector<std::string> result;
        for (const auto& [c, text] : sent) {
            const auto message = protocol::read(text, protocol::Side::Host);
            if (c == connection && message && message->command() == command) {
                result.push_back(text);
            }
        }
        return result;
    }

    // Messages sent to one connection, optionally only those with a prefix.
    std::vector<std::string> to(int connection, const std::string& prefix = "") const {
        std::vector<std::string> result;
        for (const auto& [c, text] : sent) {
            if (c == connection && text.rfind(prefix, 0) == 0) {
                result.push_back(text);
            }
        }
        return result;
    }
    void clearSent() { sent.clear(); }

    // Fires due timers until none runs (the computer's first), or a limit.
    int runTimers(int limit = 100000) {
        int steps = 0;
        while (steps < limit) {
            if (game.computertimer().enabled) {
                game.computertimerTimer();
            } else if (game.timer1().enabled) {
                game.timer1Timer();
            } else if (game.turntimer().enabled) {
                game.turntimerTimer();
            } else {
                break;
            }
            ++steps;
        }
        return steps;
    }

    // Runs timers until it is a person's move: a seat's turn to play that
    // no computer plays, or their pass.
    void runUntilPersonMoves(int limit = 100000) {
        for (int steps = 0; steps < limit; ++steps) {
            if (game.timer1().enabled) {
                game.timer1Timer();
            } else if (game.computertimer().enabled) {
                game.computertimerTimer();
            } else {
                return;
            }
        }
    }

    HostGame game;
    std::vector<std::pair<int, std::string>> sent;
    std::vector<int> closed;
    std::vector<std::pair<int, int>> swaps;
    std::int64_t advancedMs = 0;
    std::vector<std::string> errors;
    int botSpeed = 1000;
    int requestedBotSpeed = -1;
};
