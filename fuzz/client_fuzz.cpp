// The client's dispatch: host lines, and the player's input between them,
// into the table's model. Promises: the hand holds each slot once and at
// most thirteen cards; the seat numbers drawn stay in range.
#include "fuzzing.h"
#include "tablestate.h"

#include <set>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TableState state;
    state.setPlayerName("Fuzz");
    state.setHostFlag(true);
    std::size_t at = 0;
    while (at < size) {
        std::string line;
        while (at < size && data[at] != '\n') {
            line += static_cast<char>(data[at++]);
        }
        ++at;
        // "!" lines are the player's input.
        if (!line.empty() && line[0] == '!') {
            const int value = line.size() > 1 ? static_cast<unsigned char>(line[1]) % 16 : 0;
            switch (line.size() % 6) {
            case 0:
                state.chooseCard(value);
                break;
            case 1:
                state.passButton();
                break;
            case 2:
                state.justWatchClicked();
                break;
            case 3:
                state.chooseBotSpeed(value * 250);
                break;
            case 4:
                state.reset();
                break;
            default:
                state.hostClosed();
                break;
            }
        } else {
            state.apply(line);
        }
        std::set<int> slots;
        for (int slot : state.hand().places) {
            require(slot >= 0 && slot <= TableState::kSlots);
            if (slot != 0) {
                require(slots.insert(slot).second);
            }
        }
        require(state.turnMark() >= 0 && state.turnMark() <= TableState::kSeats);
        require(state.trick().count >= 0 && state.trick().count <= TableState::kSeats);
        for (int seat = 1; seat <= TableState::kSeats; ++seat) {
            require(state.seatMap().position(seat) >= 1 && state.seatMap().position(seat) <= 4);
            require(state.seat(seat).cardsHeld >= 0 && state.seat(seat).cardsHeld <= 13);
        }
    }
    return 0;
}
