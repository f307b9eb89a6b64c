#include "tablefixture.h"

#include "seatmap.h"

using Seats = TableFixture;

TEST(SeatMap, TheOwnSeatAtTheBottomAndAWatcherUnrotated) {
    struct Case {
        int mySeat;
        std::array<int, 4> positionOfSeat; // seats 1..4
    };
    const Case cases[] = {{1, {1, 2, 3, 4}},
                          {2, {4, 1, 2, 3}},
                          {3, {3, 4, 1, 2}},
                          {4, {2, 3, 4, 1}},
                          {6, {1, 2, 3, 4}}};
    for (const Case& c : cases) {
        SeatMap map;
        EXPECT_EQ(map.position(3), 3) << "before the mapping is fixed";
        map.fix(c.mySeat);
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(map.position(seat), c.positionOfSeat[static_cast<std::size_t>(seat - 1)])
                << "my seat " << c.mySeat << ", seat " << seat;
        }
    }
}

TEST_F(Seats, ArrivalsAtSeatThreeAndTheTurnOfTheLeftPlayer) {
    host({"CMD_sendlogininfo+3", "CMD_newplayerinfo+3+Me", "CMD_existingplayers+1+Ann",
          "CMD_existingplayers+4+Dan"});
    EXPECT_EQ(fromClient(), std::vector<std::string>{"CMD_logininfo+3+1.0.9+Me"});
    EXPECT_EQ(at(1).label_playername->text(), QStringLiteral("Me"));
    EXPECT_EQ(at(3).label_playername->text(), QStringLiteral("Ann")); // across
    EXPECT_EQ(at(2).label_playername->text(), QStringLiteral("Dan")); // left
    EXPECT_EQ(at(4).label_playername->text(), QStringLiteral("<Waiting>"));
    EXPECT_EQ(statusLines, (std::vector<QString>{"0+You are Connected.", "0+Ann is Connected.",
                                                 "0+Dan is Connected."}));
    EXPECT_EQ(cues, (std::vector<QString>{"entered", "entered", "entered"}));
    host("CMD_nextplayer+4+0+");
    EXPECT_FALSE(at(2).image_turn->isHidden());
    EXPECT_TRUE(at(1).image_turn->isHidden());
    EXPECT_EQ(board.label_status->text(), QStringLiteral("Dan's turn."));
}

TEST_F(Seats, AWatcherSpiesAndIsListed) {
    host({"CMD_sendlogininfo+6", "CMD_newplayerinfo+6+Me", "CMD_existingplayers+2+Bob"});
    EXPECT_EQ(statusLines, (std::vector<QString>{"0+You are Connected.", "0+You are spying.",
                                                 "0+Bob is Connected."}));
    EXPECT_EQ(table->context().watchers, QStringList{"6: Me"});
    EXPECT_EQ(at(2).label_playername->text(), QStringLiteral("Bob"));
    host({"CMD_newplayerinfo+7+Eve", "CMD_playerdisconnected+7+Eve",
          "CMD_playerdisconnected+8+Nobody"});
    EXPECT_EQ(statusLines.back(), QStringLiteral("0+Eve has left."));
    EXPECT_EQ(statusLines.size(), 6u);
    EXPECT_EQ(table->context().watchers, QStringList{"6: Me"});
}

TEST_F(Seats, ADepartureFallsBackToTheDefaultNameOnce) {
    arrive(1);
    host({"CMD_newplayerinfo+2+Bob", "CMD_justwatching+2+1"});
    EXPECT_FALSE(at(2).image_eyes->isHidden());
    statusLines.clear();
    host({"CMD_playerdisconnected+2+Bob", "CMD_playerdisconnected+2+Bob"});
    EXPECT_EQ(statusLines, std::vector<QString>{"0+Bob disconnected."});
    EXPECT_EQ(at(2).label_playername->text(), QStringLiteral("Klot"));
    EXPECT_TRUE(at(2).image_eyes->isHidden());
}

TEST_F(Seats, JustWatchingMarksTheSeatAndTheMenu) {
    arrive(2);
    host("CMD_justwatching+2+1");
    EXPECT_TRUE(justWatch.isChecked());
    EXPECT_FALSE(at(1).image_eyes->isHidden());
    EXPECT_EQ(statusLines.back(), QStringLiteral("0+Me is just watching"));
    // The menu asks the host; the check mark waits for its answer.
    table->seats().JustWatch1Click();
    EXPECT_EQ(fromClient(100), std::vector<std::string>{"CMD_justwatch+2+2"});
    EXPECT_TRUE(justWatch.isChecked());
    host({"CMD_justwatching+2+2", "CMD_justwatching+7+1"});
    EXPECT_FALSE(justWatch.isChecked());
    EXPECT_TRUE(at(1).image_eyes->isHidden());
    EXPECT_EQ(statusLines.back(), QStringLiteral("0+Me is now playing again"));
}

TEST_F(Seats, TheSeatPopupOnTheHostAndElsewhere) {
    arrive(1);
    host("CMD_newplayerinfo+2+Bob");
    struct Case {
        bool hostFlag;
        int position;
        bool remove;
        bool watchItems;
    };
    const Case cases[] = {{true, 2, true, true},
                          {true, 3, false, true},
                          {false, 2, false, false},
                          {false, 3, false, false}};
    for (const Case& c : cases) {
        table->context().hostFlag = c.hostFlag;
        table->seats().preparePopup(c.position);
        EXPECT_EQ(table->seats().RemoveFromGame1->isEnabled(), c.remove);
        EXPECT_EQ(table->seats().SettoJustWatch1->isEnabled(), c.watchItems);
        EXPECT_EQ(table->seats().UnsetJustWatch1->isEnabled(), c.watchItems);
    }
    table->context().hostFlag = true;
    table->seats().preparePopup(2);
    table->seats().RemoveFromGame1->trigger();
    table->seats().SettoJustWatch1->trigger();
    table->seats().UnsetJustWatch1->trigger();
    EXPECT_EQ(fromClient(100), (std::vector<std::string>{"CMD_kickhim+1+2+", "CMD_justwatch+2+1",
                                                         "CMD_justwatch+2+2"}));
}
