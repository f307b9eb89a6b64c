#include "tablefixture.h"

using Progress = TableFixture;

TEST_F(Progress, RefusalsShowTheirTextsAndGiveTheTurnBack) {
    arrive(2);
    struct Case {
        std::string message;
        QString status;
        bool mine;
    };
    const Case cases[] = {
        {"CMD_error+2+1+", "You must lead the 2 of clubs.", true},
        {"CMD_error+2+2+", "Invalid Card.", true},
        {"CMD_error+2+3+", "You cannot lead a heart until hearts are broken.", true},
        {"CMD_error+2+4+27+", "You must follow suit.", true},
        {"CMD_error+2+5+", "The First Trick is Safe from point cards.", true},
        {"CMD_error+2+9+", "unchanged", true},
        {"CMD_error+3+1+", "unchanged", false},
    };
    for (const Case& c : cases) {
        board.label_status->setText(QStringLiteral("unchanged"));
        table->context().turnSeat = 0;
        cues.clear();
        host(c.message);
        EXPECT_EQ(board.label_status->text(), c.status) << c.message;
        EXPECT_EQ(table->context().turnSeat, c.mine ? 2 : 0) << c.message;
        EXPECT_EQ(cues, c.mine ? std::vector<QString>{"error"} : std::vector<QString>{});
    }
}

TEST_F(Progress, AGameStartsAndARoundIsPlayed) {
    arrive(1);
    host({"CMD_newplayerinfo+3+Cy", "CMD_startgame+Me+150+1+"});
    EXPECT_FALSE(board.Label_safe->isHidden());
    EXPECT_EQ(board.label_playtoscore->text(), QStringLiteral("Play To Score: 150"));
    EXPECT_EQ(statusLines.back(), QStringLiteral("0+Me has started a game."));
    EXPECT_EQ(at(2).label_playername->text(), QStringLiteral("Klot"));
    EXPECT_EQ(at(3).label_playername->text(), QStringLiteral("Cy"));
    EXPECT_EQ(at(4).label_playername->text(), QStringLiteral("Kling"));

    host("CMD_startround+2+");
    EXPECT_EQ(board.label_roundnum->text(), QStringLiteral("Round: 2"));
    EXPECT_TRUE(at(1).image_cards->isHidden());
    for (int position = 2; position <= 4; ++position) {
        EXPECT_FALSE(at(position).image_cards->isHidden());
    }
    cues.clear();
    host({"CMD_nextplayer+1+0+", "CMD_heplayed+1+1+12+", "CMD_nextplayer+2+1+",
          "CMD_heplayed+2+37+0+"});
    EXPECT_FALSE(at(2).image_turn->isHidden());
    EXPECT_EQ(board.label_status->text(), QStringLiteral("Klot's turn."));
    EXPECT_EQ(at(1).image_played->property("card").toInt(), 1);
    EXPECT_EQ(at(2).image_played->property("card").toInt(), 37);
    // The last card of the hand: its back goes.
    EXPECT_TRUE(at(2).image_cards->isHidden());
    EXPECT_EQ(cues, (std::vector<QString>{"turn", "placecard", "queen"}));

    host("CMD_tooktrick+2+1+");
    EXPECT_FALSE(at(2).image_trickwinner->isHidden());
    EXPECT_EQ(at(2).label_tricks->text(), QStringLiteral("1"));
    EXPECT_EQ(board.label_status->text(), QStringLiteral("Klot took the trick."));
    EXPECT_TRUE(at(2).image_turn->isHidden());
    EXPECT_EQ(cues.back(), QStringLiteral("turnoverbad"));
    // The cards stay until the next trick begins.
    EXPECT_EQ(at(1).image_played->property("card").toInt(), 1);
    host("CMD_nextplayer+2+0+");
    EXPECT_EQ(at(1).image_played->property("card").toInt(), 0);
    EXPECT_TRUE(at(2).image_trickwinner->isHidden());

    host("CMD_endround+2+1+26+26+2+0+0+3+26+26+4+26+26");
    EXPECT_EQ(board.label_status->text(), QStringLiteral("Posting Scores.. Please Wait."));
    EXPECT_FALSE(at(2).image_moon->isHidden());
    EXPECT_TRUE(at(1).image_moon->isHidden());
    EXPECT_EQ(at(1).label_score->text(), QStringLiteral("26"));
    EXPECT_EQ(at(1).label_taken->text(), QStringLiteral("+26"));
    EXPECT_FALSE(at(1).image_points->isHidden());
    EXPECT_TRUE(at(2).image_points->isHidden());
    EXPECT_TRUE(at(2).label_taken->isHidden());
    EXPECT_EQ(cues.back(), QStringLiteral("roundover"));
}

TEST_F(Progress, MyTurnAndTheTurnSounds) {
    arrive(3);
    host("CMD_nextplayer+3+0+");
    EXPECT_EQ(board.label_status->text(), QStringLiteral("Your Turn."));
    EXPECT_FALSE(at(1).image_turn->isHidden());
    table->context().turnSound = 1;
    host("CMD_nextplayer+3+0+");
    EXPECT_EQ(cues, (std::vector<QString>{"entered", "turn", "turnnew"}));
}

namespace {

class Winner : public TableFixture {
protected:
    // Answers the status line written for the winner and what the tally got.
    std::pair<QString, std::vector<QString>> finish(int mySeat, const std::string& message) {
        arrive(mySeat);
        table->context().hostFlag = true;
        std::vector<QString> recorded;
        QObject::connect(&table->progress(), &ProgressView::gameRecorded,
                         [&](const QString& winner) { recorded.push_back(winner); });
        host(message);
        EXPECT_EQ(board.label_status->text(), QStringLiteral("Game Over!"));
        EXPECT_FALSE(board.button_start->isHidden());
        EXPECT_EQ(cues.back(), QStringLiteral("winner"));
        return {statusLines.back(), recorded};
    }
};

} // namespace

TEST_F(Winner, MyOwnWin) {
    const auto [line, recorded] = finish(1, "CMD_winner+1+Me+");
    EXPECT_EQ(line, QStringLiteral("0+You have Won the Game!"));
    EXPECT_EQ(recorded, std::vector<QString>{"addtomine"});
    EXPECT_FALSE(at(1).image_winner->isHidden());
}

TEST_F(Winner, ANameWithAPlusIsShownWhole) {
    const auto [line, recorded] = finish(1, "CMD_winner+3+A+B+");
    EXPECT_EQ(line, QStringLiteral("0+A+B has Won the Game!"));
    EXPECT_EQ(recorded, std::vector<QString>{"A+B"});
    EXPECT_FALSE(at(3).image_winner->isHidden());
}

TEST_F(Winner, AWatcherRecordsNothing) {
    const auto [line, recorded] = finish(6, "CMD_winner+3+Kling+");
    EXPECT_EQ(line, QStringLiteral("0+Kling has Won the Game!"));
    EXPECT_TRUE(recorded.empty());
}

TEST_F(Progress, AGameJoinedWhileItRuns) {
    arrive(5);
    host("CMD_gamestats+150+1+3+2+play+1+20+3+0+2+5+1+14+3+0+0+0+4+61+2+40");
    EXPECT_EQ(board.label_playtoscore->text(), QStringLiteral("Play To Score: 150"));
    EXPECT_EQ(board.label_roundnum->text(), QStringLiteral("Round: 3"));
    EXPECT_FALSE(board.Label_safe->isHidden());
    EXPECT_EQ(table->context().turnSeat, 2);
    EXPECT_EQ(at(1).label_score->text(), QStringLiteral("20"));
    EXPECT_EQ(at(1).label_tricks->text(), QStringLiteral("3"));
    EXPECT_EQ(at(2).image_played->property("card").toInt(), 14);
    EXPECT_EQ(at(4).image_played->property("card").toInt(), 40);
    EXPECT_EQ(at(3).image_played->property("card").toInt(), 0);
}

TEST_F(Progress, StartButtonAndBotSpeed) {
    // Not connected yet.
    table->progress().button_startClick();
    EXPECT_EQ(boxes, std::vector<QString>{"You are not connected"});
    table->progress().Fast1Click(500);
    EXPECT_TRUE(table->progress().Fast1->isChecked());
    EXPECT_TRUE(fromClient(100).empty());
    arrive(1);
    int requests = 0;
    QObject::connect(&table->progress(), &ProgressView::startDialogRequested, [&] { ++requests; });
    table->progress().button_startClick();
    EXPECT_EQ(requests, 1);
    table->progress().Slow1->trigger();
    EXPECT_EQ(table->progress().botSpeed(), 2000);
    EXPECT_FALSE(table->progress().Fast1->isChecked());
    EXPECT_EQ(fromClient(100), std::vector<std::string>{"CMD_botspeed+1+2000+"});
}
