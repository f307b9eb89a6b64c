#pragma once

#include <QString>

// Spoken names of cards and seats, for screen readers.
namespace cardnames {

// "Queen of spades", "10 of hearts"; empty for anything that is not a card.
QString cardName(int card);

} // namespace cardnames
