#include "cardtext.h"

#include <sstream>
#include <stdexcept>

int card(const std::string& text) {
    if (text.size() < 2) {
        throw std::invalid_argument("no card: " + text);
    }
    const std::string rank = text.substr(0, text.size() - 1);
    const char suit = text.back();
    int value = 0;
    if (rank == "J") {
        value = 11;
    } else if (rank == "Q") {
        value = 12;
    } else if (rank == "K") {
        value = 13;
    } else if (rank == "A") {
        value = 14;
    } else {
        value = std::stoi(rank);
    }
    if (value < 2 || value > 14) {
        throw std::invalid_argument("no rank: " + text);
    }
    const std::string suits = "CDSH";
    const auto suitIndex = suits.find(suit);
    if (suitIndex == std::string::npos) {
        throw std::invalid_argument("no suit: " + text);
    }
    return static_cast<int>(suitIndex) * 13 + value - 1;
}

std::vector<int> hand(const std::string& text) {
    std::istringstream words(text);
    std::vector<int> result;
    for (std::string word; words >> word;) {
        result.push_back(card(word));
    }
    return result;
}

std::string cardText(int card) {
    static const char* const kRanks[] = {"2", "3",  "4", "5", "6", "7", "8",
                                         "9", "10", "J", "Q", "K", "A"};
    if (card < 1 || card > 52) {
        throw std::invalid_argument("no card: " + std::to_string(card));
    }
    return std::string(kRanks[(card - 1) % 13]) + "CDSH"[(card - 1) / 13];
}
