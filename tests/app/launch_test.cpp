// The real `hearts` program in each launch mode, on the offscreen platform:
// what it listens on, what it connects to and what it sends.
#include "singleinstance.h"

#include "rawclient.h"
#include "wait.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QUuid>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString heartsBinary() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/hearts");
}

// One started copy of the program, ended when the test ends.
class Program {
public:
    explicit Program(const QStringList& params, const QString& instance = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HEARTS_INSTANCE"),
                   instance.isEmpty() ? QUuid::createUuid().toString(QUuid::Id128) : instance);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(heartsBinary(), params);
        EXPECT_TRUE(process.waitForStarted(5000));
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    bool ended(int timeoutMs = 5000) {
        return waitUntil([this] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    }
    QProcess process;
};

// Connects to the program's host on 7772 as a second player; answers the
// messages up to the list of players already there.
std::unique_ptr<RawClient> joinAsSecond(const std::string& expectedFirst) {
    auto client = std::make_unique<RawClient>();
    if (!waitUntil(
            [&] {
                client = std::make_unique<RawClient>();
                return client->connectTo(7772, 200) &&
                       !client->waitFor("CMD_sendlogininfo+", 300).empty();
            },
            10000)) {
        ADD_FAILURE() << "nobody hosts on 7772";
        return client;
    }
    client->send("CMD_logininfo+2+1.0.9+Tester");
    EXPECT_EQ(client->waitFor("CMD_existingplayers+"), expectedFirst);
    return client;
}

struct FakeHost {
    QTcpServer server;
    QTcpSocket* peer = nullptr;
    explicit FakeHost(quint16 port) { EXPECT_TRUE(server.listen(QHostAddress::AnyIPv4, port)); }
    bool waitForPeer(int timeoutMs = 10000) {
        return waitUntil(
            [this] {
                if (peer == nullptr && server.hasPendingConnections()) {
                    peer = server.nextPendingConnection();
                }
                return peer != nullptr;
            },
            timeoutMs);
    }
};

} // namespace

TEST(Launch, NoParametersHostsASoloGameWithTheOwnClientAsYou) {
    Program hearts({});
    auto second = joinAsSecond("CMD_existingplayers+1+You");
    EXPECT_EQ(hearts.process.state(), QProcess::Running);
}

TEST(Launch, ThreeParametersWithTrueHostAndOpenTheLobbyLink) {
    FakeHost lobby(9001);
    Program hearts({"Host", "10.255.255.1", "true"});
    // The own client went to 127.0.0.1, not to the address given.
    auto second = joinAsSecond("CMD_existingplayers+1+Host");
    ASSERT_TRUE(lobby.waitForPeer());
    spin(100);
    EXPECT_EQ(lobby.peer->bytesAvailable(), 0);
}

TEST(Launch, AnyOtherThirdParameterJoinsAndTheProgramEndsWithTheConnection) {
    for (const char* role : {"false", "True", "1"}) {
        SCOPED_TRACE(role);
        FakeHost host(7772);
        FakeHost lobby(9001);
        Program hearts({"Guest", "127.0.0.1", role});
        ASSERT_TRUE(host.waitForPeer());
        host.peer->write("CMD_sendlogininfo+3\xFF");
        RawClient* none = nullptr;
        (void)none;
        QByteArray login;
        ASSERT_TRUE(waitUntil([&] {
            login += host.peer->readAll();
            return login.contains('\xFF');
        }));
        EXPECT_EQ(login, QByteArray("CMD_logininfo+3+1.0.9+Guest\xFF"));
        ASSERT_TRUE(lobby.waitForPeer());
        // The host goes away: the program ends.
        host.peer->close();
        EXPECT_TRUE(hearts.ended());
    }
}

TEST(Launch, TwoParametersConnectNothing) {
    FakeHost host(7772);
    Program hearts({"Guest", "127.0.0.1"});
    spin(1500);
    EXPECT_FALSE(host.server.hasPendingConnections());
    EXPECT_EQ(hearts.process.state(), QProcess::Running);
}

TEST(Launch, ASecondStartBringsTheFirstForwardAndEnds) {
    const QString instance = QUuid::createUuid().toString(QUuid::Id128);
    qputenv("HEARTS_INSTANCE", instance.toUtf8());
    SingleInstance first(SingleInstance::keyForThisUser());
    qunsetenv("HEARTS_INSTANCE");
    ASSERT_TRUE(first.claim());
    QSignalSpy activation(&first, &SingleInstance::activationRequested);
    Program second({"Guest", "127.0.0.1"}, instance);
    ASSERT_TRUE(second.ended());
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return activation.count() == 1; }));
}
