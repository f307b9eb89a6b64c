#pragma once

#include <string>

// Words a screen reader speaks for the table, in plain C++.
namespace spoken {

// "Queen of spades", "10 of hearts"; empty for anything that is not a card.
std::string card(int card);
// The card inside a sentence: "the queen of spades", "the 10 of hearts".
std::string cardInSentence(int card);
// "1 point", "14 points".
std::string points(int count);

} // namespace spoken
