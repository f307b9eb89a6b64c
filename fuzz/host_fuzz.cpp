// The host's framing and dispatch: lines from several connections, their
// arrivals and departures and the timers, in any order, into HostGame.
// Promises: no message longer than a client accepts goes out, a seat's own
// cards go only to that seat's logged-in connection, no card is in two
// places, and every seat holds at most thirteen.
#include "announcement.h"
#include "fuzzing.h"
#include "hostgame.h"
#include "random.h"
#include "wiremessage.h"

#include <array>
#include <string>

namespace {

class Events : public HostEvents {
public:
    HostGame* game = nullptr;
    void send(int connection, const std::string& text) override {
        require(connection >= 1 && connection <= kMaxConnections);
        require(text.size() <= wire::kMaxMessageBytes);
        for (const char* own : {"CMD_mycards+", "CMD_passedcards+", "CMD_heusecard+"}) {
            if (text.rfind(own, 0) == 0) {
                wire::Fields fields(wire::splitCommand(text).payload);
                require(fields.number() == connection && game->loggedIn(connection));
            }
        }
    }
    void closeConnection(int connection) override { game->departure(connection); }
    void timerChanged(Timer) override {}
    int botSpeedMs() override { return 1; }
    void internalError(const std::string&) override {}
    std::int64_t nowMs() override { return clock; }
    std::int64_t clock = 0;
};

void checkCards(const HostGame& game) {
    std::array<int, 53> seen{};
    const hearts::Round& round = game.round();
    for (int seat = 1; seat <= kSeats; ++seat) {
        const hearts::Hand& hand = round.hands[static_cast<std::size_t>(seat)];
        require(hand.count() <= kHandSlots);
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const int card = hand.at(slot);
            require(card >= 0 && card <= 52);
            if (card != 0) {
                require(++seen[static_cast<std::size_t>(card)] == 1);
            }
        }
        const int played = round.trickCards[static_cast<std::size_t>(seat)];
        require(played >= 0 && played <= 52);
        if (played != 0) {
            require(++seen[static_cast<std::size_t>(played)] == 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    processrandom::setSeed(7);
    Events events;
    HostGame game(events);
    events.game = &game;
    game.setTurnTimeoutMs(1000);
    std::array<wire::Framer, kPlayerRecords + 1> framers;
    std::size_t at = 0;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    while (at < size) {
        const std::uint8_t op = next();
        switch (op % 8) {
        case 0: { // a connection arrives
            const std::string address = "10.0.0." + std::to_string(next() % 4);
            const int number = game.chooseConnectionNumber(address);
            require(number >= 1 && number <= kRefusedRecord);
            if (number <= kMaxConnections) {
                framers[static_cast<std::size_t>(number)] = wire::Framer();
                game.connectionAccepted(number, address);
            }
            break;
        }
        case 1:
        case 2:
        case 3:
        case 4: { // bytes from a connection, up to the next newline
            const int number = 1 + next() % kMaxConnections;
            std::string bytes;
            while (at < size && data[at] != '\n') {
                bytes += static_cast<char>(data[at++]);
            }
            ++at;
            std::vector<std::string> lines;
            if (!framers[static_cast<std::size_t>(number)].feed(bytes, lines)) {
                framers[static_cast<std::size_t>(number)] = wire::Framer();
                game.departure(number);
                break;
            }
            for (const std::string& line : lines) {
                if (game.players()[number].connected) {
                    game.receive(number, line);
                }
            }
            break;
        }
        case 5: { // an announcement heard
            const std::size_t length = next();
            const std::size_t end = std::min(size, at + length);
            announcement::parse(
                std::string_view(reinterpret_cast<const char*>(data + at), end - at));
            at = end;
            break;
        }
        case 6: // a departure
            game.departure(1 + next() % kMaxConnections);
            break;
        default: // time passes; the timers that run expire
            events.clock += next() * 50;
            if (game.timer1().enabled) {
                game.timer1Timer();
            }
            if (game.computertimer().enabled) {
                game.computertimerTimer();
            }
            if (game.turntimer().enabled) {
                game.turntimerTimer();
            }
            break;
        }
        checkCards(game);
    }
    return 0;
}
