#include "tablefixture.h"

#include "cardtext.h"

#include <QTest>

namespace {

class Hand : public TableFixture {
protected:
    // My seat 1; a round is dealt with the cards in these slots 1..13.
    void deal(const std::string& cardsInSlots) {
        arrive(1);
        std::string message = "CMD_mycards+1";
        const auto dealt = ::hand(cardsInSlots);
        for (std::size_t i = 0; i < dealt.size(); ++i) {
            message += "+" + std::to_string(i + 1) + "+" + std::to_string(dealt[i]);
        }
        host({"CMD_startround+1+", message});
    }
    // The cards of the hand from left to right, and their x positions.
    std::vector<int> shownCards() {
        std::vector<int> result;
        for (int slot : table->hand().places()) {
            if (slot != 0) {
                result.push_back(table->hand().cardInSlot(slot)->card());
            }
        }
        return result;
    }
    void click(int slot, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(table->hand().cardInSlot(slot), button);
    }
    int yOf(int slot) { return table->hand().cardInSlot(slot)->y(); }
};

} // namespace

TEST_F(Hand, ADealtHandIsShownSortedAtItsPlaces) {
    deal("KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    EXPECT_EQ(shownCards(), ::hand("2C JC AC 4D 5D 9D 2S 10S QS 3H 7H KH AH"));
    const auto& places = table->hand().places();
    for (int place = 0; place < 13; ++place) {
        CardPicture* picture = table->hand().cardInSlot(places[static_cast<std::size_t>(place)]);
        EXPECT_EQ(picture->pos(), QPoint(170 + 18 * place, 333));
        EXPECT_EQ(picture->objectName(), QStringLiteral("card%1").arg(picture->slot()));
    }
    EXPECT_EQ(table->hand().cardInSlot(places[0])->x(), 170);
    EXPECT_EQ(table->hand().cardInSlot(places[12])->x(), 386);
    // A watcher's cards message creates nothing.
    host("CMD_mycards+5+1+3");
    EXPECT_EQ(shownCards().size(), 13u);
}

TEST_F(Hand, ChoosingThreeCardsToPassAndSendingThem) {
    deal("KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    click(1); // no pass asked yet: nothing
    EXPECT_EQ(yOf(1), 333);
    host("CMD_passcards+1+2+");
    EXPECT_FALSE(board.image_arrow[2]->isHidden());
    EXPECT_EQ(board.label_status->text(), QStringLiteral("Choose 3 Cards to Pass."));
    click(1);
    click(3);
    EXPECT_TRUE(board.button_pass->isHidden());
    click(13);
    EXPECT_FALSE(board.button_pass->isHidden());
    EXPECT_EQ(yOf(3), 315);
    // Choosing a chosen card again un-chooses it.
    click(3);
    EXPECT_EQ(yOf(3), 333);
    EXPECT_TRUE(board.button_pass->isHidden());
    click(5);
    click(6);
    EXPECT_EQ(boxes, std::vector<QString>{"You have already selected 3 cards to pass"});
    EXPECT_EQ(table->hand().passSelection(), (std::array<int, 3>{1, 5, 13}));
    QTest::mouseClick(board.button_pass, Qt::LeftButton);
    EXPECT_EQ(fromClient(100), std::vector<std::string>{"CMD_passcards+1+1+5+13+"});
    EXPECT_TRUE(board.button_pass->isHidden());
    EXPECT_TRUE(board.image_arrow[2]->isHidden());

    // The host takes them out; the three received cards land at the end and
    // are sorted in.
    host("CMD_passedcards+1+1+5+13+");
    EXPECT_EQ(shownCards().size(), 10u);
    EXPECT_EQ(table->hand().places()[10], 0);
    host("CMD_mycards+1+1+2+5+20+13+38");
    EXPECT_EQ(shownCards(), ::hand("2C 3C JC 4D 5D 8D 9D 2S 10S QS KS 3H 7H"));
}

TEST_F(Hand, PlayingSendsOneCardForTwoQuickClicks) {
    deal("KH 2C QS 9D AC 3H 10S 5D 2S JC 7H 4D AH");
    host("CMD_nextplayer+1+0+");
    click(2);
    click(5);
    EXPECT_EQ(fromClient(100), std::vector<std::string>{"CMD_playcard+1+2+"});
    EXPECT_EQ(yOf(2), 315);
    // Refused: the turn comes back and the next click plays again.
    host("CMD_error+1+1+");
    click(5);
    EXPECT_EQ(fromClient(100), std::vector<std::string>{"CMD_playcard+1+5+"});
    EXPECT_EQ(yOf(2), 333);
    host("CMD_heusecard+1+5+");
    EXPECT_EQ(table->hand().cardInSlot(5), nullptr);
    EXPECT_EQ(shownCards().size(), 12u);
    host("CMD_heusecard+2+1+");
    EXPECT_EQ(shownCards().size(), 12u);
}

TEST_F(Hand, RightClickSortsAndJustWatchIgnoresClicks) {
    deal("KH 2C QS");
    host("CMD_nextplayer+1+0+");
    justWatch.setChecked(true);
    click(1);
    click(1, Qt::RightButton);
    EXPECT_TRUE(fromClient(100).empty());
    justWatch.setChecked(false);
    click(1, Qt::RightButton);
    EXPECT_TRUE(fromClient(100).empty());
    click(1);
    EXPECT_EQ(fromClient(100), std::vector<std::string>{"CMD_playcard+1+1+"});
}

TEST_F(Hand, ACardWithoutAFreePlaceIsNotPlaced) {
    deal("2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC AC");
    // A new game clears the pictures; the places stay taken until a round starts.
    host({"CMD_startgame+Me+100+0+", "CMD_mycards+1+1+40"});
    EXPECT_EQ(boxes, std::vector<QString>{"no no"});
    EXPECT_EQ(table->hand().cardInSlot(1), nullptr);
    host({"CMD_startround+1+", "CMD_mycards+1+1+40"});
    EXPECT_EQ(shownCards(), std::vector<int>{40});
}
