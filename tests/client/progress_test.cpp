#include "tablemodel.h"

using Progress = TableModel;

TEST_F(Progress, RefusalsShowTheirTextsAndGiveTheTurnBack) {
    arrive(2);
    struct Case {
        std::string message;
        std::string status;
        bool mine;
    };
    const Case cases[] = {
        {"CMD_error+2+1+", "You must lead the 2 of clubs.", true},
        {"CMD_error+2+2+", "Invalid Card.", true},
        {"CMD_error+2+3+", "You cannot lead a heart until hearts are broken.", true},
        {"CMD_error+2+4+27+", "You must follow suit.", true},
        {"CMD_error+2+5+", "The First Trick is Safe from point cards.", true},
        // A code the protocol does not have is no message at all.
        {"CMD_error+2+9+", "Choose 3 Cards to Pass.", false},
        {"CMD_error+3+1+", "Choose 3 Cards to Pass.", false},
    };
    for (const Case& c : cases) {
        host({"CMD_passcards+2+1+", "CMD_passedcards+2+1+2+3+"});
        cues.clear();
        ASSERT_EQ(state.turnSeat(), 0);
        host(c.message);
        EXPECT_EQ(state.statusText(), c.status) << c.message;
        EXPECT_EQ(state.turnSeat(), c.mine ? 2 : 0) << c.message;
        EXPECT_EQ(cues, c.mine ? std::vector<std::string>{"error"} : std::vector<std::string>{});
    }
}

TEST_F(Progress, AGameStartsAndARoundIsPlayed) {
    arrive(1);
    host({"CMD_newplayerinfo+3+Cy", "CMD_startgame+Me+150+1+"});
    EXPECT_TRUE(state.safeShown());
    EXPECT_EQ(state.playToText(), "150");
    EXPECT_EQ(statusLines.back(), "0+You have started a game.");
    EXPECT_EQ(state.seatName(2), "Klot");
    EXPECT_EQ(state.seatName(3), "Cy");
    EXPECT_EQ(state.seatName(4), "Kling");

    host("CMD_startround+2+");
    EXPECT_EQ(state.roundText(), "2");
    EXPECT_FALSE(state.seat(1).backsShown);
    for (int seat = 2; seat <= 4; ++seat) {
        EXPECT_TRUE(state.seat(seat).backsShown);
        EXPECT_EQ(state.seat(seat).cardsHeld, 13);
    }
    cues.clear();
    host({"CMD_nextplayer+1+0+", "CMD_heplayed+1+1+12+", "CMD_nextplayer+2+1+",
          "CMD_heplayed+2+37+0+"});
    EXPECT_EQ(state.turnMark(), 2);
    EXPECT_EQ(state.statusText(), "Klot's turn.");
    EXPECT_EQ(state.trick().cards[1], 1);
    EXPECT_EQ(state.trick().cards[2], 37);
    EXPECT_EQ(state.trick().leader, 1);
    // The last card of the hand: its backs go.
    EXPECT_FALSE(state.seat(2).backsShown);
    EXPECT_EQ(cues, (std::vector<std::string>{"turn", "placecard", "queen"}));

    host("CMD_tooktrick+2+1+");
    EXPECT_TRUE(state.seat(2).trickWinner);
    EXPECT_EQ(state.seat(2).tricks, 1);
    EXPECT_EQ(state.trick().taker, 2);
    EXPECT_EQ(state.statusText(), "Klot took the trick.");
    EXPECT_EQ(state.turnMark(), 0);
    EXPECT_EQ(cues.back(), "wave12") << "the queen taken has its own cue";
    // The cards stay until the next trick begins.
    EXPECT_EQ(state.trick().cards[1], 1);
    host("CMD_nextplayer+2+0+");
    EXPECT_EQ(state.trick().cards[1], 0);
    EXPECT_FALSE(state.seat(2).trickWinner);

    host("CMD_endround+2+1+26+26+2+0+0+3+26+26+4+26+26");
    EXPECT_EQ(state.statusText(), "Posting scores\u2026");
    EXPECT_TRUE(state.seat(2).moon);
    EXPECT_FALSE(state.seat(1).moon);
    EXPECT_EQ(state.seat(1).score, 26);
    EXPECT_TRUE(state.seat(1).takenShown);
    EXPECT_EQ(state.seat(1).taken, 26);
    EXPECT_FALSE(state.seat(2).takenShown);
    EXPECT_EQ(cues.back(), "roundover");
}

TEST_F(Progress, MyTurnAndTheTurnSounds) {
    arrive(3);
    host("CMD_nextplayer+3+0+");
    EXPECT_EQ(state.statusText(), "Your Turn.");
    EXPECT_EQ(state.turnMark(), 3);
    EXPECT_TRUE(state.myTurn());
    state.setTurnSound(1);
    host("CMD_nextplayer+3+0+");
    EXPECT_EQ(cues, (std::vector<std::string>{"turn", "turnnew"}));
}

TEST_F(Progress, TheWinnerAndTheTally) {
    struct Case {
        int mySeat;
        std::string seated; // who came to seat 3
        std::string message;
        std::string line;
        std::vector<std::string> recorded;
        int winnerSeat;
    };
    const Case cases[] = {
        {1, "", "CMD_winner+1+Me+", "0+You have Won the Game!", {"mine"}, 1},
        {1, "CMD_newplayerinfo+3+A+B", "CMD_winner+3+A+B+", "0+A+B has Won the Game!", {"A+B"}, 3},
        // A computer seat is named as the table shows it, not as the host's
        // computer player calls itself.
        {1, "", "CMD_winner+3+Klock+", "0+Klick has Won the Game!", {"Klick"}, 3},
        {6, "", "CMD_winner+3+Kling+", "0+Klick has Won the Game!", {}, 3},
    };
    for (const Case& c : cases) {
        TableState fresh;
        RecordedEvents heard;
        const std::vector<std::string>& lines = heard.statusLines;
        const std::vector<std::string>& tally = heard.recorded;
        fresh.setPlayerName("Me");
        fresh.setEvents(&heard);
        fresh.setHostFlag(true);
        fresh.apply("CMD_sendlogininfo+" + std::to_string(c.mySeat));
        fresh.apply("CMD_newplayerinfo+" + std::to_string(c.mySeat) + "+Me");
        if (!c.seated.empty()) {
            fresh.apply(c.seated);
        }
        fresh.apply("CMD_startgame+Me+100+0+");
        EXPECT_FALSE(fresh.startButtonShown());
        fresh.apply(c.message);
        EXPECT_EQ(fresh.statusText(), "Game Over!");
        EXPECT_TRUE(fresh.startButtonShown());
        EXPECT_EQ(lines.back(), c.line);
        EXPECT_EQ(tally, c.recorded) << c.message;
        EXPECT_TRUE(fresh.seat(c.winnerSeat).winner);
    }
}

TEST_F(Progress, AGameJoinedWhileItRuns) {
    arrive(5);
    host({"CMD_existingplayers+3+Cy",
          "CMD_gamestats+150+1+3+2+play+1+20+3+0+2+5+1+14+3+0+0+0+4+61+2+40"});
    EXPECT_EQ(state.playToText(), "150");
    EXPECT_EQ(state.roundText(), "3");
    EXPECT_TRUE(state.safeShown());
    EXPECT_EQ(state.turnSeat(), 2);
    EXPECT_EQ(state.seat(1).score, 20);
    EXPECT_EQ(state.seat(1).tricks, 3);
    EXPECT_EQ(state.trick().cards[2], 14);
    EXPECT_EQ(state.trick().cards[4], 40);
    EXPECT_EQ(state.trick().cards[3], 0);
    // Six tricks are done: seven cards each, one less for a card on the table.
    EXPECT_EQ(state.seat(1).cardsHeld, 7);
    EXPECT_EQ(state.seat(2).cardsHeld, 6);
    EXPECT_TRUE(state.heartsBroken());
    // The newcomer sees the table as the others do: every seat named, the
    // turn marked, the status of the moment.
    EXPECT_EQ(state.seatName(1), "You");
    EXPECT_EQ(state.seatName(2), "Klot");
    EXPECT_EQ(state.seatName(3), "Cy");
    EXPECT_EQ(state.turnMark(), 2);
    EXPECT_EQ(state.statusText(), "Klot's turn.");
    // During passing nobody's turn is marked.
    host("CMD_gamestats+100+0+1+0+pass+1+0+0+0+2+0+0+0+3+0+0+0+4+0+0+0");
    EXPECT_EQ(state.turnMark(), 0);
    EXPECT_EQ(state.statusText(), "Passing Cards..");
}

TEST_F(Progress, ANewTableForgetsTheOldButNotThePlayer) {
    arrive(2);
    state.setBotSpeed(500);
    host({"CMD_startgame+Ann+100+1+", "CMD_startround+1+", "CMD_mycards+2+1+5",
          "CMD_newplayerinfo+6+Eve"});
    const int watcherChangesBefore = events.watcherChanges;
    state.hostClosed();
    EXPECT_FALSE(state.connected());
    EXPECT_EQ(state.statusText(), "The host has closed the table.");
    EXPECT_EQ(statusLines.back(), "0+The host has closed the table.");
    EXPECT_EQ(shownCards(), std::vector<int>{5}) << "the table stays in view";
    state.chooseCard(1);
    EXPECT_TRUE(sent.empty());

    state.reset();
    EXPECT_EQ(state.mySeat(), 0);
    EXPECT_TRUE(shownCards().empty());
    EXPECT_TRUE(state.watchers().empty());
    EXPECT_EQ(events.watcherChanges, watcherChangesBefore + 1);
    EXPECT_EQ(state.seatName(2), "<Waiting>");
    EXPECT_EQ(state.botSpeed(), 500);
    // The new table's messages reach the same model.
    host({"CMD_sendlogininfo+3", "CMD_newplayerinfo+3+Me"});
    EXPECT_EQ(sent, std::vector<std::string>{"CMD_logininfo+3+1.0.9+Me"});
    EXPECT_EQ(state.seatName(3), "Me");
}

TEST_F(Progress, StartButtonAndBotSpeed) {
    const int& requests = events.startRequests;
    state.startButton();
    EXPECT_EQ(boxes, std::vector<std::string>{"You are not connected"});
    state.chooseBotSpeed(500);
    EXPECT_EQ(state.botSpeed(), 500);
    EXPECT_TRUE(sent.empty());
    arrive(1);
    state.startButton();
    EXPECT_EQ(requests, 1);
    state.chooseBotSpeed(2000);
    EXPECT_EQ(state.botSpeed(), 2000);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_botspeed+1+2000+"});
    state.setBotSpeed(123);
    EXPECT_EQ(state.botSpeed(), 1000);
    EXPECT_TRUE(sent.empty());
}

TEST_F(Progress, TheStarterNameCannotBreakTheMessage) {
    state.setPlayerName("A+B");
    arrive(1);
    state.sendStartGame("200", 1);
    EXPECT_EQ(takeSent(), std::vector<std::string>{"CMD_startgame+A B+200+1+"});
}

TEST_F(Progress, HostMessagesOutOfRangeChangeNothing) {
    deal(1, "2C 5C QS 3H");
    host({"CMD_existingplayers+2+Bob", "CMD_nextplayer+1+0+"});
    const std::vector<int> hand = shownCards();
    const std::vector<std::string> hostile = {
        "CMD_sendlogininfo+0",
        "CMD_sendlogininfo+99",
        "CMD_newplayerinfo+0+Zero",
        "CMD_newplayerinfo+-3+Minus",
        "CMD_newplayerinfo+10+Ten",
        "CMD_playerdisconnected+77+X",
        "CMD_justwatching+9+1",
        "CMD_nextplayer+9+0+",
        "CMD_heplayed+0+5+12+",
        "CMD_heplayed+2+53+12+",
        "CMD_heplayed+2+-1+12+",
        "CMD_heplayed+9+5+12+",
        "CMD_heusecard+1+14+",
        "CMD_heusecard+1+-1+",
        "CMD_tooktrick+0+1+",
        "CMD_tooktrick+5+1+",
        "CMD_endround+9+7+26+26",
        "CMD_mycards+1+0+5",
        "CMD_mycards+1+14+5",
        "CMD_mycards+1+2+99",
        "CMD_passcards+1+7+",
        "CMD_passedcards+1+0+14+99+",
        "CMD_error+1+99+",
        "CMD_winner+0+Nobody+",
        "CMD_gamestats+100+0+1+9+play+9+1+1+1+0+5+5+70",
        "CMD_nextplayer+x+0+",
        "CMD_heplayed+",
        "CMD_endround+",
    };
    for (const std::string& line : hostile) {
        host(line);
    }
    EXPECT_EQ(state.mySeat(), 1);
    EXPECT_EQ(shownCards(), hand);
    EXPECT_EQ(state.seatName(2), "Bob");
    EXPECT_TRUE(state.watchers().empty());
    EXPECT_EQ(state.passArrow(), 0);
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_GE(state.seat(seat).tricks, 0);
        EXPECT_LE(state.seat(seat).tricks, 13);
    }
}

TEST_F(Progress, TheGameEndsWithItsStandings) {
    arrive(1);
    host({"CMD_newplayerinfo+2+Bob", "CMD_startgame+Me+100+0+", "CMD_startround+1+",
          // Bob takes the queen in the first round's only trick shown.
          "CMD_nextplayer+1+0+", "CMD_heplayed+1+1+12+", "CMD_heplayed+2+37+12+",
          "CMD_heplayed+3+5+12+", "CMD_heplayed+4+2+12+", "CMD_tooktrick+2+1+",
          "CMD_endround+0+1+0+0+2+20+20+3+6+6+4+0+0", "CMD_startround+2+",
          "CMD_endround+3+1+26+26+2+26+46+3+0+6+4+26+26", "CMD_startround+3+",
          "CMD_endround+0+1+10+36+2+60+106+3+3+9+4+13+39", "CMD_winner+3+Klock+"});
    const std::vector<TableState::Standing> order = state.standings();
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0].name, "Klick");
    EXPECT_EQ(order[0].place, 1);
    EXPECT_EQ(order[0].score, 9);
    EXPECT_EQ(order[0].roundsWon, 2) << "the fewest points in rounds 2 and 3";
    EXPECT_EQ(order[0].moons, 1);
    EXPECT_EQ(order[1].name, "Me");
    EXPECT_EQ(order[1].roundsWon, 1) << "none in round 1, shared with Kling";
    EXPECT_EQ(order[2].name, "Kling");
    EXPECT_EQ(order[2].roundsWon, 1);
    EXPECT_EQ(order[3].name, "Bob");
    EXPECT_EQ(order[3].queens, 1);
    EXPECT_EQ(order[3].place, 4);
    EXPECT_EQ(statusLines.back(), "0+Klick has Won the Game!");
}
