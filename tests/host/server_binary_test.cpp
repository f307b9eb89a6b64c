// The real hearts-server: a whole game for one watching connection, the
// same messages for the same seed, and a clean end on SIGTERM.
#include "rawclient.h"
#include "wait.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::AnyIPv4, 0);
    return probe.serverPort();
}

class Server {
public:
    explicit Server(QStringList args) {
        port = freePort();
        args << QStringLiteral("--port") << QString::number(port);
        process.start(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../src/host/hearts-server"),
                      args);
        EXPECT_TRUE(process.waitForStarted(5000));
    }
    ~Server() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
    quint16 port = 0;
};

// Starts a game as connection 1, hands seat 1 to the computer and collects
// every message up to the winner.
std::vector<std::string> playWholeGame(quint16 port) {
    RawClient client;
    EXPECT_TRUE(waitUntil([&] { return client.connectTo(port, 200); }, 5000));
    EXPECT_EQ(client.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+1");
    client.send("CMD_logininfo+1+1.0.9+Watcher");
    client.send("CMD_startgame+Watcher+100+0+");
    client.send("CMD_justwatch+1+1");
    EXPECT_FALSE(client.waitFor("CMD_winner+", 60000).empty());
    return client.messages();
}

} // namespace

TEST(HeartsServer, TheSameSeedPlaysTheSameGame) {
    const QStringList args = {"--seed", "7", "--bot-speed", "0", "--pause-ms", "0"};
    std::vector<std::string> first;
    {
        Server server(args);
        first = playWholeGame(server.port);
    }
    Server again(args);
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
