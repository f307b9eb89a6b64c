#include "tablemodel.h"

#include "seatmap.h"

using Seats = TableModel;

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
    EXPECT_EQ(sent, std::vector<std::string>{"CMD_logininfo+3+1.0.9+Me"});
    EXPECT_TRUE(state.connected());
    EXPECT_EQ(state.seatMap().position(3), 1);
    EXPECT_EQ(state.seatMap().position(4), 2); // Dan at the left
    EXPECT_EQ(state.seatName(3), "Me");
    EXPECT_EQ(state.seatName(1), "Ann");
    EXPECT_EQ(state.seatName(4), "Dan");
    EXPECT_EQ(state.seatName(2), "<Waiting>");
    // A finished game counts against the others seated, not an empty seat.
    EXPECT_EQ(state.opponentNames(), (std::vector<std::string>{"Ann", "Dan"}));
    EXPECT_EQ(statusLines, (std::vector<std::string>{"0+You are Connected.", "0+Ann is Connected.",
                                                     "0+Dan is Connected."}));
    EXPECT_EQ(cues, (std::vector<std::string>{"entered", "entered", "entered"}));
    host("CMD_nextplayer+4+0+");
    EXPECT_EQ(state.turnMark(), 4);
    EXPECT_EQ(state.statusText(), "Dan's turn.");
}

TEST_F(Seats, AWatcherSpiesAndIsListed) {
    host({"CMD_sendlogininfo+6", "CMD_newplayerinfo+6+Me", "CMD_existingplayers+2+Bob"});
    EXPECT_EQ(statusLines, (std::vector<std::string>{"0+You are Connected.", "0+You are spying.",
                                                     "0+Bob is Connected."}));
    EXPECT_EQ(state.watchers(), std::vector<std::string>{"6: Me"});
    EXPECT_EQ(state.seatName(2), "Bob");
    EXPECT_EQ(state.opponentNames(), std::vector<std::string>{"Bob"});
    EXPECT_EQ(state.seatMap().position(2), 2);
    host({"CMD_newplayerinfo+7+Eve", "CMD_playerdisconnected+7+Eve",
          "CMD_playerdisconnected+8+Nobody"});
    EXPECT_EQ(statusLines.back(), "0+Eve has left.");
    EXPECT_EQ(statusLines.size(), 6u);
    EXPECT_EQ(state.watchers(), std::vector<std::string>{"6: Me"});
}

TEST_F(Seats, ADepartureFallsBackToTheDefaultNameOnce) {
    arrive(1);
    host({"CMD_newplayerinfo+2+Bob", "CMD_justwatching+2+1"});
    EXPECT_TRUE(state.seat(2).watching);
    statusLines.clear();
    host({"CMD_playerdisconnected+2+Bob", "CMD_playerdisconnected+2+Bob"});
    EXPECT_EQ(statusLines, std::vector<std::string>{"0+Bob disconnected."});
    EXPECT_EQ(state.seatName(2), "Klot");
    EXPECT_FALSE(state.seat(2).watching);
}

TEST_F(Seats, JustWatchingMarksTheSeatAndTheMenu) {
    arrive(2);
    host("CMD_justwatching+2+1");
    EXPECT_TRUE(state.justWatching());
    EXPECT_TRUE(state.seat(2).watching);
    EXPECT_EQ(statusLines.back(), "0+Me is just watching");
    // The menu asks the host; the mark waits for its answer.
    state.justWatchClicked();
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_justwatch+2+2"});
    EXPECT_TRUE(state.justWatching());
    host({"CMD_justwatching+2+2", "CMD_justwatching+7+1"});
    EXPECT_FALSE(state.justWatching());
    EXPECT_FALSE(state.seat(2).watching);
    EXPECT_EQ(statusLines.back(), "0+Me is now playing again");
}

TEST_F(Seats, TheHostsRequestsForASeat) {
    state.kickConnection(2);
    EXPECT_TRUE(sent.empty()) << "not connected";
    arrive(1);
    state.kickConnection(2);
    EXPECT_TRUE(sent.empty()) << "not the host";
    state.setHostFlag(true);
    state.kickConnection(2);
    state.setSeatWatching(2, protocol::WatchMode::Watch);
    state.setSeatWatching(2, protocol::WatchMode::Play);
    state.setSeatWatching(6, protocol::WatchMode::Watch);
    EXPECT_EQ(takeSent(), (std::vector<std::string>{"CMD_kickhim+1+2+", "CMD_justwatch+2+1",
                                                    "CMD_justwatch+2+2"}));
}

TEST_F(Seats, VersionLinesAndAFullTable) {
    const int& full = events.fullTables;
    host({"CMD_wrongversion+", "CMD_havewrongversion+Bob", "CMD_wrongversion", "cmd_full+",
          "CMD_full+"});
    EXPECT_EQ(statusLines,
              (std::vector<std::string>{"0+You have a differnt version of the game then the host.",
                                        "0+Bob has a different version of the game then you."}));
    EXPECT_EQ(full, 1);
}
