#pragma once

#include <string>
#include <vector>

// Cards written as in a rulebook: "2C QS AH 10D". Ranks 2..10, J, Q, K, A;
// suits C, D, S, H. The result holds card numbers 1..52.
std::vector<int> hand(const std::string& text);
int card(const std::string& text);
// A card number's name: 37 is "QS".
std::string cardText(int card);
