// The real hearts-server: a whole game for one watching connection, the
// same messages for the same seed, and a clean end on SIGTERM.
#include "houserules.h"
#include "serverprocess.h"

#include <algorithm>

#include <csignal>

namespace {

// A round's end as the table hears it: CMD_endround+moon, then seat,
// points, total for seats 1..4.
struct RoundEnd {
    bool moon = false;
    int points = 0; // all seats together
};
std::vector<RoundEnd> roundEnds(const std::vector<std::string>& lines) {
    std::vector<RoundEnd> ends;
    for (const std::string& line : lines) {
        if (line.rfind("CMD_endround+", 0) != 0) {
            continue;
        }
        const QStringList fields = QString::fromStdString(line).split(QLatin1Char('+'));
        EXPECT_EQ(fields.size(), 14) << line;
        if (fields.size() != 14) {
            continue;
        }
        RoundEnd end;
        end.moon = fields[1].toInt() != 0;
        for (int seat = 1; seat <= 4; ++seat) {
            end.points += fields[3 * seat].toInt();
        }
        ends.push_back(end);
    }
    return ends;
}

} // namespace

TEST(HeartsServer, TheSameSeedPlaysTheSameGame) {
    const QStringList args = {"--seed", "7", "--bot-speed", "0", "--pause-ms", "0"};
    std::vector<std::string> first;
    {
        ServerProcess server(args);
        first = playWholeGame(server.port);
    }
    ServerProcess again(args);
    const std::vector<std::string> second = playWholeGame(again.port);
    EXPECT_GT(first.size(), 500u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.back().rfind("CMD_winner+", 0), 0u);

    ::kill(static_cast<pid_t>(again.process.processId()), SIGTERM);
    ASSERT_TRUE(again.process.waitForFinished(5000));
    EXPECT_EQ(again.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(again.process.exitCode(), 0);
    const QString log = again.log();
    for (const char* line :
         {"connection 1 accepted", "game started by Watcher", "round 1 ended", "won", "stopping"}) {
        EXPECT_TRUE(log.contains(QLatin1String(line))) << line;
    }
}

TEST(HeartsServer, PlaysAWholeGameWithAStrongSeat) {
    ServerProcess server({"--seed", "11", "--bot-speed", "0", "--pause-ms", "0", "--levels",
                          "Strong,classic,classic,classic"});
    const std::vector<std::string> lines = playWholeGame(server.port, 50);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().rfind("CMD_winner+", 0), 0u);
    const std::vector<RoundEnd> rounds = roundEnds(lines);
    for (const RoundEnd& round : rounds) {
        EXPECT_TRUE(round.points == 26 || round.points == 78) << round.points;
    }
    EXPECT_FALSE(rounds.empty());
    server.process.kill();
    server.process.waitForFinished(5000);
    EXPECT_TRUE(server.log().contains(
        QLatin1String("computer players: strong, classic, classic, classic")));
}

TEST(HeartsServer, EveryHouseRulePlaysWholeGamesThatAddUp) {
    // Each variant alone and all together, Strong, Strong1 and Classic seats:
    // every round gives out the variant's points, and the game ends.
    for (const char* rules :
         {"jack", "queen", "subtract", "nohold", "jack,queen,subtract,nohold"}) {
        ServerProcess server({"--seed", "5", "--bot-speed", "0", "--pause-ms", "0", "--levels",
                              "strong,classic,strong1,classic", "--house-rules", rules});
        const std::vector<std::string> lines = playWholeGame(server.port, 50);
        ASSERT_FALSE(lines.empty()) << rules;
        EXPECT_EQ(lines.back().rfind("CMD_winner+", 0), 0u) << rules;
        const hearts::HouseRules played = hearts::houseRulesNamed(rules).value();
        EXPECT_NE(std::find(lines.begin(), lines.end(),
                            "CMD_houserules+" + hearts::houseRulesCode(played) + "+"),
                  lines.end())
            << rules;
        const std::vector<RoundEnd> rounds = roundEnds(lines);
        for (const RoundEnd& round : rounds) {
            EXPECT_EQ(round.points, hearts::roundTotal(played, round.moon)) << rules;
        }
        EXPECT_FALSE(rounds.empty()) << rules;
        // Without the held hand every round passes.
        const auto passes = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.rfind("CMD_passcards+", 0) == 0;
        });
        if (!played.noPassHand) {
            EXPECT_EQ(static_cast<std::size_t>(passes), rounds.size()) << rules;
        }
        EXPECT_TRUE(server.log().contains(QLatin1String("House rules:"))) << rules;
    }
}

TEST(HeartsServer, RefusesBadOptions) {
    for (const QStringList& args :
         {QStringList{"--port", "x"}, QStringList{"--seed", "-1"},
          QStringList{"--bot-speed", "fast"}, QStringList{"--levels", "strong,classic"},
          QStringList{"--levels", "strong,classic,clever,classic"},
          QStringList{"--house-rules", "jack,joker"}}) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../src/host/hearts-server"),
                      args);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 2) << args.join(' ').toStdString();
    }
}
