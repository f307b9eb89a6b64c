#pragma once

#include "recordedevents.h"
#include "tablestate.h"

#include "cardtext.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

// The table's model fed with host message lines, as the dispatcher would
// hand them over one by one; it records what the model sends and says.
class TableModel : public ::testing::Test {
protected:
    void SetUp() override {
        state.setPlayerName("Me");
        state.setEvents(&events);
    }

    void host(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            state.apply(line);
        }
    }
    void host(const std::string& line) { state.apply(line); }

    // Logs in as a number and announces the own arrival.
    void arrive(int number) {
        host({"CMD_sendlogininfo+" + std::to_string(number),
              "CMD_newplayerinfo+" + std::to_string(number) + "+Me"});
        sent.clear();
        statusLines.clear();
        cues.clear();
    }

    // A round dealt to my seat with these cards in slots 1..13.
    void deal(int mySeat, const std::string& cardsInSlots) {
        arrive(mySeat);
        std::string message = "CMD_mycards+" + std::to_string(mySeat);
        const auto dealt = ::hand(cardsInSlots);
        for (std::size_t i = 0; i < dealt.size(); ++i) {
            message += "+" + std::to_string(i + 1) + "+" + std::to_string(dealt[i]);
        }
        host({"CMD_startround+1+", message});
    }

    // The cards of the hand from left to right.
    std::vector<int> shownCards() const {
        std::vector<int> cards;
        for (int slot : state.hand().places) {
            const int card = state.hand().cards.at(slot);
            if (slot != 0 && card != 0) {
                cards.push_back(card);
            }
        }
        return cards;
    }
    int slotOf(const std::string& cardText) const {
        const int wanted = ::card(cardText);
        for (int slot = 1; slot <= 13; ++slot) {
            if (state.hand().cards.at(slot) == wanted) {
                return slot;
            }
        }
        return 0;
    }
    // The cards of the hand that the model lets the player play now.
    std::vector<int> playable() const {
        std::vector<int> cards;
        for (int slot : state.hand().places) {
            if (slot != 0 && state.mayPlay(slot)) {
                cards.push_back(state.hand().cards.at(slot));
            }
        }
        return cards;
    }
    std::vector<std::string> takeSent() {
        std::vector<std::string> lines;
        lines.swap(sent);
        return lines;
    }

    RecordedEvents events;
    TableState state;
    std::vector<std::string>& sent = events.sent;
    std::vector<std::string>& statusLines = events.statusLines;
    std::vector<std::string>& cues = events.cues;
    std::vector<std::string>& boxes = events.boxes;
    std::vector<std::string>& recorded = events.recorded;
};
