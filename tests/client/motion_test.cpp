// Cards that move over the table: a played card flies from its player to
// its place, a trick is swept to its taker, a deal comes from the middle,
// passed cards leave; whatever comes next, the table ends as its model
// says, and with the motion off nothing moves.
#include "boardlayout.h"
#include "boardview.h"

#include "wait.h"

namespace {

constexpr int kFlightMs = 200;
const char* const kHand = "2C 5C 9C KC 4D 8D QD 3S 7S JS 2H 6H 10H";

class Motion : public BoardView {
protected:
    void SetUp() override {
        BoardView::SetUp();
        board->setMotionDuration(kFlightMs);
    }
    // Seats 2..4 are at the same display positions as their numbers.
    const boardlayout::Layout& layout() const { return board->layout(); }
    const TableMotion::Flight* flightAt(int position) const {
        return board->motion().trickFlight(position);
    }
    int leavingFlights() const {
        const auto& flights = board->motion().flights();
        return static_cast<int>(std::count_if(flights.begin(), flights.end(),
                                              [](const auto& f) { return f.trickPosition == 0; }));
    }
    // Nothing moves any more, and every card stands where the model puts
    // it: the trick's flights are gone and each hand card at its place.
    void expectAtRest(const char* what) {
        ASSERT_TRUE(
            waitUntil([&] { return !board->motion().moving() && !board->handMoving(); }, 3000))
            << what;
        const auto& hand = state.hand();
        for (int slot = 1; slot <= 13; ++slot) {
            const int place = hand.placeOf(slot);
            if (hand.cards.at(slot) == 0 || place < 0) {
                continue;
            }
            EXPECT_EQ(board->cardInSlot(slot)->geometry(),
                      board->toPixels(layout().handCard(
                          place, hand.count(), hand.raised[static_cast<std::size_t>(slot)])))
                << what << ": slot " << slot;
        }
    }
};

} // namespace

TEST_F(Motion, APlayedCardFliesFromItsPlayerToItsPlace) {
    deal(kHand);
    expectAtRest("the deal");
    host({"CMD_nextplayer+2+0+", "CMD_heplayed+2+27+12+"});
    const TableMotion::Flight* flight = flightAt(2);
    ASSERT_NE(flight, nullptr);
    EXPECT_EQ(flight->card, 27);
    EXPECT_EQ(flight->to, QPointF(layout().played[2]));
    EXPECT_LT(flight->from.x(), layout().played[2].x()) << "from the left seat's fan";
    // My own card comes from where it stood in my hand.
    host({"CMD_nextplayer+1+27+"});
    const QRect fromMyHand = board->cardInSlot(1)->geometry();
    host({"CMD_heplayed+1+1+12+"});
    ASSERT_NE(flightAt(1), nullptr);
    EXPECT_EQ(board->toPixels(QRectF(flightAt(1)->from, QSizeF(1, 1))).topLeft(),
              fromMyHand.topLeft());
    ASSERT_NE(flightAt(2), nullptr) << "the next message does not end an earlier flight";
    expectAtRest("two cards");
}

TEST_F(Motion, AnyMessageLeavesTheTableAsTheModelSays) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        bool hostGone = false;
        bool motionOff = false;
        int trickFlightsLeft; // at once, after the interruption
        int leavingFlights;   // sweeps and passes
    };
    const Case cases[] = {
        {"the next card", {"CMD_nextplayer+3+27+", "CMD_heplayed+3+28+12+"}, false, false, 2, 0},
        {"the trick's end",
         {"CMD_heplayed+3+28+12+", "CMD_heplayed+4+29+12+", "CMD_heplayed+1+1+12+",
          "CMD_tooktrick+4+1+", "CMD_nextplayer+4+0+"},
         false,
         false,
         0,
         4},
        {"a new round", {"CMD_startround+2+"}, false, false, 0, 0},
        {"the host gone", {}, true, false, 0, 0},
        {"the motion turned off", {}, false, true, 0, 0},
    };
    for (const Case& c : cases) {
        deal(kHand);
        host({"CMD_nextplayer+2+0+", "CMD_heplayed+2+27+12+"});
        ASSERT_NE(flightAt(2), nullptr) << c.what;
        for (const std::string& line : c.lines) {
            host({line});
        }
        if (c.hostGone) {
            state.hostClosed();
            board->refresh();
        }
        if (c.motionOff) {
            board->setMotionDuration(0);
        }
        int trickFlights = 0;
        for (int position = 1; position <= 4; ++position) {
            trickFlights += flightAt(position) != nullptr ? 1 : 0;
        }
        EXPECT_EQ(trickFlights, c.trickFlightsLeft) << c.what;
        EXPECT_EQ(leavingFlights(), c.leavingFlights) << c.what;
        if (c.leavingFlights > 0) {
            // Swept to the taker's pile.
            EXPECT_EQ(board->motion().flights().front().to, QPointF(layout().trickWinner[4]))
                << c.what;
        }
        expectAtRest(c.what);
        board->setMotionDuration(kFlightMs);
        host({"CMD_startround+9+"});
    }
}

TEST_F(Motion, TheDealAndThePassMoveTheHandsCards) {
    deal(kHand);
    EXPECT_TRUE(board->handMoving()) << "dealt from the middle of the table";
    expectAtRest("the deal");
    host({"CMD_passcards+1+1+"});
    for (int slot : {1, 2, 3}) {
        state.chooseCard(slot);
    }
    state.passButton();
    host({"CMD_passedcards+1+1+2+3+"});
    EXPECT_EQ(leavingFlights(), 3) << "the passed cards leave";
    EXPECT_EQ(board->motion().flights().front().to.x(), board->motion().flights().back().to.x());
    host({"CMD_mycards+1+1+40+2+41+3+42"});
    EXPECT_TRUE(board->handMoving()) << "the received cards arrive";
    expectAtRest("the pass");
}

TEST_F(Motion, WithTheMotionOffNothingMoves) {
    board->setMotionDuration(0);
    deal(kHand);
    EXPECT_FALSE(board->handMoving());
    host({"CMD_nextplayer+2+0+", "CMD_heplayed+2+27+12+", "CMD_heplayed+3+28+12+",
          "CMD_heplayed+4+29+12+", "CMD_nextplayer+1+27+", "CMD_heplayed+1+1+12+",
          "CMD_tooktrick+4+1+", "CMD_nextplayer+4+0+"});
    EXPECT_FALSE(board->motion().moving());
    EXPECT_FALSE(board->handMoving());
}
