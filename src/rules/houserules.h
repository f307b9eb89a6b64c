#pragma once

#include <optional>
#include <string>
#include <string_view>

// The house rules a table may add to the standard game, their code on the
// wire and their names as players read them.
namespace hearts {

// The house rules a table may add to the standard game. Everything off
// (and the fourth hand held without passing) is the standard game; the
// safe first trick, "no points on the first trick", is the table's own
// option beside these.
struct HouseRules {
    bool jackOfDiamonds = false;    // the jack of diamonds takes 10 off its taker's points
    bool queenBreaksHearts = false; // the queen of spades played breaks hearts
    bool moonSubtracts = false;     // the moon takes 26 off the shooter, the others get nothing
    bool noPassHand = true;         // every fourth hand is played without passing
    constexpr bool standard() const {
        return !jackOfDiamonds && !queenBreaksHearts && !moonSubtracts && noPassHand;
    }
    constexpr bool operator==(const HouseRules&) const = default;
};

// The points the jack of diamonds gives its taker under that house rule.
constexpr int kJackOfDiamondsPoints = -10;

// The rules as a word of letters, empty for the standard game: J the jack
// of diamonds, Q the queen breaks hearts, S the moon subtracts, N no hand
// without passing.
std::string houseRulesCode(const HouseRules& rules);
// The rules of a code; letters it does not know are passed over, so that a
// later copy may add rules.
HouseRules houseRulesFromCode(std::string_view code);

// The rules of a list of their names separated by commas, as the command
// lines take them: jack, queen, subtract, nohold (or none); nothing for a
// name it does not know.
std::optional<HouseRules> houseRulesNamed(std::string_view list);

// The rules in force as one sentence ("House rules: ..."), naming the safe
// first trick too; empty for the standard game without it.
std::string houseRulesSentence(const HouseRules& rules, bool safeFirstTrick);

// The points a round gives out, all seats together, under the rules: 26
// (16 with the jack of diamonds); with a moon 78, or -26 when the moon
// subtracts (10 less again with the jack).
int roundTotal(const HouseRules& rules, bool moon);

} // namespace hearts
