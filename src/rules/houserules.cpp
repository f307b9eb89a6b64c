// House rules: their code and their names.
#include "houserules.h"

#include <vector>

namespace hearts {

namespace {

struct Letter {
    char code;
    const char* word; // on the command lines
    bool HouseRules::*rule;
    bool whenOn; // the letter stands when the rule has this value
    const char* name;
};

constexpr Letter kLetters[] = {
    {'J', "jack", &HouseRules::jackOfDiamonds, true,
     "the jack of diamonds takes 10 off its taker's points"},
    {'Q', "queen", &HouseRules::queenBreaksHearts, true, "the queen of spades breaks hearts"},
    {'S', "subtract", &HouseRules::moonSubtracts, true,
     "shooting the moon takes 26 off the shooter instead of giving 26 to the others"},
    {'N', "nohold", &HouseRules::noPassHand, false, "no hand is played without passing"},
};

} // namespace

std::string houseRulesCode(const HouseRules& rules) {
    std::string code;
    for (const Letter& letter : kLetters) {
        if (rules.*letter.rule == letter.whenOn) {
            code += letter.code;
        }
    }
    return code;
}

HouseRules houseRulesFromCode(std::string_view code) {
    HouseRules rules;
    for (const Letter& letter : kLetters) {
        if (code.find(letter.code) != std::string_view::npos) {
            rules.*letter.rule = letter.whenOn;
        }
    }
    return rules;
}

std::optional<HouseRules> houseRulesNamed(std::string_view list) {
    HouseRules rules;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        bool known = name == "none";
        for (const Letter& letter : kLetters) {
            if (name == letter.word) {
                rules.*letter.rule = letter.whenOn;
                known = true;
            }
        }
        if (!known) {
            return std::nullopt;
        }
    }
    return rules;
}

std::string houseRulesSentence(const HouseRules& rules, bool safeFirstTrick) {
    std::vector<std::string> names;
    if (safeFirstTrick) {
        names.emplace_back("no points on the first trick");
    }
    for (const Letter& letter : kLetters) {
        if (rules.*letter.rule == letter.whenOn) {
            names.emplace_back(letter.name);
        }
    }
    if (names.empty()) {
        return {};
    }
    std::string sentence = "House rules: ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        sentence.append(i == 0 ? "" : i + 1 == names.size() ? " and " : ", ").append(names[i]);
    }
    sentence += '.';
    return sentence;
}

int roundTotal(const HouseRules& rules, bool moon) {
    const int jack = rules.jackOfDiamonds ? kJackOfDiamondsPoints : 0;
    if (!moon) {
        return 26 + jack;
    }
    return (rules.moonSubtracts ? -26 : 3 * 26) + jack;
}

} // namespace hearts
