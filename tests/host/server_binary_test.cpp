// The real hearts-server: a whole game for one watching connection, the
// same messages for the same seed, and a clean end on SIGTERM.
#include "serverprocess.h"

#include <csignal>

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
    const QString log = QString::fromLocal8Bit(again.process.readAllStandardError());
    for (const char* line :
         {"connection 1 accepted", "game started by Watcher", "round 1 ended", "won", "stopping"}) {
        EXPECT_TRUE(log.contains(QLatin1String(line))) << line;
    }
}

TEST(HeartsServer, RefusesBadOptions) {
    for (const QStringList& args : {QStringList{"--port", "x"}, QStringList{"--seed", "-1"},
                                    QStringList{"--bot-speed", "fast"}}) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../src/host/hearts-server"),
                      args);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 2) << args.join(' ').toStdString();
    }
}
