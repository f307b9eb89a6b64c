#include "tablemodel.h"

using Hand = TableModel;

TEST_F(Hand, ADealtHandIsKeptSortedAtItsPlaces) {
    deal(1, "KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    EXPECT_EQ(shownCards(), ::hand("2C JC AC 4D 5D 9D 2S 10S QS 3H 7H KH AH"));
    EXPECT_EQ(state.hand().places[0], 2); // the two of clubs came in slot 2
    // A watcher's cards message changes nothing.
    host("CMD_mycards+5+1+3");
    EXPECT_EQ(shownCards().size(), 13u);
}

TEST_F(Hand, ChoosingThreeCardsToPassAndSendingThem) {
    deal(1, "KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    state.chooseCard(1); // no pass asked yet: nothing
    EXPECT_FALSE(state.hand().raised[1]);
    host("CMD_passcards+1+2+");
    EXPECT_EQ(state.passArrow(), 2);
    EXPECT_EQ(state.statusText(), "Choose 3 Cards to Pass.");
    state.chooseCard(1);
    state.chooseCard(3);
    EXPECT_FALSE(state.passButtonShown());
    state.chooseCard(13);
    EXPECT_TRUE(state.passButtonShown());
    EXPECT_TRUE(state.hand().raised[3]);
    // Choosing a chosen card again un-chooses it.
    state.chooseCard(3);
    EXPECT_FALSE(state.hand().raised[3]);
    EXPECT_FALSE(state.passButtonShown());
    state.chooseCard(5);
    state.chooseCard(6);
    EXPECT_EQ(boxes, std::vector<std::string>{"You have already selected 3 cards to pass"});
    EXPECT_EQ(state.passSelection(), (std::array<int, 3>{1, 5, 13}));
    EXPECT_EQ(cues, (std::vector<std::string>{"click", "click", "click", "click", "click"}));
    state.passButton();
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_passcards+1+1+5+13+"});
    EXPECT_FALSE(state.passButtonShown());
    EXPECT_EQ(state.passArrow(), 0);
    state.passButton();
    EXPECT_TRUE(sent.empty()) << "passing is closed";

    // The host takes them out; the three received cards are sorted in and
    // marked until each is played.
    host("CMD_passedcards+1+1+5+13+");
    EXPECT_EQ(shownCards().size(), 10u);
    host("CMD_mycards+1+1+2+5+20+13+38");
    EXPECT_EQ(shownCards(), ::hand("2C 3C JC 4D 5D 8D 9D 2S 10S QS KS 3H 7H"));
    for (int slot = 1; slot <= 13; ++slot) {
        EXPECT_EQ(state.hand().received[static_cast<std::size_t>(slot)],
                  slot == 1 || slot == 5 || slot == 13)
            << slot;
    }
    host({"CMD_nextplayer+2+0+", "CMD_heplayed+2+1+12+"});
    EXPECT_TRUE(state.hand().received[1]) << "another seat's card";
    host({"CMD_nextplayer+1+1+", "CMD_heplayed+1+2+12+", "CMD_heusecard+1+2+"});
    EXPECT_EQ(std::count(state.hand().received.begin(), state.hand().received.end(), true), 3)
        << "a card of my own played";
    host({"CMD_tooktrick+1+1+", "CMD_nextplayer+1+0+", "CMD_heplayed+1+20+11+",
          "CMD_heusecard+1+5+"});
    EXPECT_EQ(std::count(state.hand().received.begin(), state.hand().received.end(), true), 2)
        << "a received card played";
    EXPECT_FALSE(state.hand().received[5]);
}

TEST_F(Hand, PlayingSendsOneCardForTwoQuickChoices) {
    deal(1, "KH 3C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    host({"CMD_tooktrick+1+1+", "CMD_nextplayer+1+0+"});
    state.chooseCard(2);
    state.chooseCard(5);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_playcard+1+2+"});
    EXPECT_TRUE(state.hand().raised[2]);
    // Refused: the turn comes back and the next choice plays again.
    host("CMD_error+1+1+");
    state.chooseCard(5);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_playcard+1+5+"});
    EXPECT_FALSE(state.hand().raised[2]);
    host("CMD_heusecard+1+5+");
    EXPECT_EQ(state.hand().placeOf(5), -1);
    EXPECT_EQ(shownCards().size(), 12u);
    host("CMD_heusecard+2+1+");
    EXPECT_EQ(shownCards().size(), 12u);
}

TEST_F(Hand, JustWatchingIgnoresTheHand) {
    deal(1, "KH 2C QS");
    host({"CMD_nextplayer+1+0+", "CMD_justwatching+1+1"});
    state.chooseCard(2);
    EXPECT_TRUE(sent.empty());
    host("CMD_justwatching+1+2");
    state.chooseCard(2);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_playcard+1+2+"});
}

TEST_F(Hand, ACardTheRulesRefuseIsNotOfferedAndTheReasonIsShown) {
    deal(1, "KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    host("CMD_nextplayer+1+0+");
    cues.clear();
    state.chooseCard(1);
    EXPECT_TRUE(sent.empty());
    EXPECT_FALSE(state.hand().raised[1]);
    EXPECT_EQ(state.statusText(), "You must lead the 2 of clubs.");
    EXPECT_EQ(cues, std::vector<std::string>{"error"});
    EXPECT_TRUE(state.myTurn()) << "still my turn";
    state.chooseCard(2);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_playcard+1+2+"});
}

TEST_F(Hand, ACardWithoutAFreePlaceIsNotPlaced) {
    deal(1, "2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC AC");
    // A new game clears the cards; the places stay taken until a round starts.
    host({"CMD_startgame+Me+100+0+", "CMD_mycards+1+1+40"});
    EXPECT_EQ(boxes, std::vector<std::string>{"no no"});
    EXPECT_TRUE(shownCards().empty());
    host({"CMD_startround+1+", "CMD_mycards+1+1+40"});
    EXPECT_EQ(shownCards(), std::vector<int>{40});
}

TEST_F(Hand, CardsAndSlotsOutOfRangeAreIgnored) {
    deal(1, "2C 3C");
    host({"CMD_mycards+1+14+5", "CMD_mycards+1+0+5", "CMD_mycards+1+3+53", "CMD_mycards+1+3+-1",
          "CMD_heusecard+1+99+", "CMD_passedcards+1+0+14+-3+"});
    EXPECT_EQ(shownCards(), ::hand("2C 3C"));
    EXPECT_TRUE(boxes.empty());
}
