#include "spoken.h"

#include <array>
#include <cctype>

namespace spoken {

std::string card(int card) {
    if (card < 1 || card > 52) {
        return std::string();
    }
    static constexpr std::array<const char*, 13> kRanks = {
        "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King", "Ace"};
    static constexpr std::array<const char*, 4> kSuits = {"clubs", "diamonds", "spades", "hearts"};
    return std::string(kRanks[static_cast<std::size_t>((card - 1) % 13)]) + " of " +
           kSuits[static_cast<std::size_t>((card - 1) / 13)];
}

std::string cardInSentence(int number) {
    std::string name = card(number);
    if (!name.empty()) {
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    }
    return "the " + name;
}

std::string points(int count) {
    return std::to_string(count) + (count == 1 ? " point" : " points");
}

} // namespace spoken
