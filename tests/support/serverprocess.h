#pragma once

#include "rawclient.h"
#include "wait.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A port that nothing listens on right now.
inline quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::AnyIPv4, 0);
    return probe.serverPort();
}

// The real hearts-server on a free port, killed at the end.
class ServerProcess {
public:
    explicit ServerProcess(QStringList args) {
        port = freePort();
        args << QStringLiteral("--port") << QString::number(port);
        process.start(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../src/host/hearts-server"),
                      args);
        EXPECT_TRUE(process.waitForStarted(5000));
        // Nobody connects before the table is there.
        EXPECT_TRUE(
            waitUntil([this] { return log().contains(QLatin1String("listening on port")); }, 10000))
            << log().toStdString();
    }
    ~ServerProcess() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Everything the server has written to its log so far.
    QString log() {
        m_log += QString::fromLocal8Bit(process.readAllStandardError());
        return m_log;
    }

    QProcess process;
    quint16 port = 0;

private:
    QString m_log;
};

// Starts a game as connection 1, hands seat 1 to the computer and collects
// every message up to the winner.
inline std::vector<std::string> playWholeGame(quint16 port, int playTo = 100) {
    RawClient client;
    EXPECT_TRUE(waitUntil([&] { return client.connectTo(port, 200); }, 5000));
    EXPECT_EQ(client.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+1");
    client.send("CMD_logininfo+1+1.0.9+Watcher");
    client.send("CMD_startgame+Watcher+" + std::to_string(playTo) + "+0+");
    client.send("CMD_justwatch+1+1");
    EXPECT_FALSE(client.waitFor("CMD_winner+", 60000).empty());
    return client.messages();
}
