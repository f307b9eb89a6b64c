#pragma once

#include "round.h"

#include <array>

// The Classic computer player: a fixed order of simple rules over the hand
// in slot order and the trick on the table (classic.cpp).
namespace hearts {

// The three slots a computer seat passes, in the order it chooses them.
std::array<int, 3> computerPass(const Hand& hand);
// The slot a computer seat plays now; 0 when its rules find none (which
// for a follow is a fault of the game).
int computerPlay(const Round& round, int seat, Random& random);

} // namespace hearts
