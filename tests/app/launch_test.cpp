// The real `hearts` program in each launch mode, on the offscreen platform:
// what it listens on, what it connects to and what it sends.
#include "singleinstance.h"
#include "tchat.h"

#include "rawclient.h"
#include "serverprocess.h"
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

// The ports of one test: free ones, never the game's fixed ports.
struct Ports {
    quint16 table = freePort();
    quint16 lobby = freePort();
};

// One started copy of the program, ended when the test ends.
class Program {
public:
    explicit Program(const QStringList& params, const Ports& ports,
                     const QString& instance = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HEARTS_PORT"), QString::number(ports.table));
        env.insert(QStringLiteral("HEARTS_LOBBY_PORT"), QString::number(ports.lobby));
        env.insert(QStringLiteral("HEARTS_ANNOUNCE_PORT"), QString::number(freePort()));
        env.insert(QStringLiteral("HEARTS_INSTANCE"),
                   instance.isEmpty() ? QUuid::createUuid().toString(QUuid::Id128) : instance);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(qEnvironmentVariableIsSet("HEARTS_STARTUP_STAMP")
                                          ? QProcess::SeparateChannels
                                          : QProcess::ForwardedErrorChannel);
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

// Connects to the program's host as a second player; answers the messages
// up to the list of players already there.
std::unique_ptr<RawClient> joinAsSecond(quint16 port, const std::string& expectedFirst) {
    auto client = std::make_unique<RawClient>();
    if (!waitUntil(
            [&] {
                client = std::make_unique<RawClient>();
                return client->connectTo(port, 200) &&
                       !client->waitFor("CMD_sendlogininfo+", 300).empty();
            },
            10000)) {
        ADD_FAILURE() << "nobody hosts on " << port;
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
    const Ports ports;
    Program hearts({}, ports);
    auto second = joinAsSecond(ports.table, "CMD_existingplayers+1+You");
    EXPECT_EQ(hearts.process.state(), QProcess::Running);
}

TEST(Launch, ThreeParametersWithTrueHostAndOpenTheLobbyLink) {
    const Ports ports;
    FakeHost lobby(ports.lobby);
    Program hearts({"Host", "10.255.255.1", "true"}, ports);
    // The own client went to 127.0.0.1, not to the address given.
    auto second = joinAsSecond(ports.table, "CMD_existingplayers+1+Host");
    ASSERT_TRUE(lobby.waitForPeer());
    spin(100);
    EXPECT_EQ(lobby.peer->bytesAvailable(), 0);
}

TEST(Launch, AnyOtherThirdParameterJoinsAndTheWindowOutlivesTheHost) {
    for (const char* role : {"false", "True", "1"}) {
        SCOPED_TRACE(role);
        const Ports ports;
        FakeHost host(ports.table);
        FakeHost lobby(ports.lobby);
        Program hearts({"Guest", "127.0.0.1", role}, ports);
        ASSERT_TRUE(host.waitForPeer());
        host.peer->write("CMD_sendlogininfo+3\xFF");
        QByteArray login;
        ASSERT_TRUE(waitUntil([&] {
            login += host.peer->readAll();
            return login.contains('\xFF');
        }));
        EXPECT_EQ(login, QByteArray("CMD_logininfo+3+1.0.9+Guest\xFF"));
        ASSERT_TRUE(lobby.waitForPeer());
        // The host goes away: the window stays for the player to read.
        host.peer->close();
        EXPECT_FALSE(hearts.ended(1000));
    }
}

TEST(Launch, TwoParametersConnectNothing) {
    const Ports ports;
    FakeHost host(ports.table);
    qputenv("HEARTS_STARTUP_STAMP", "1");
    Program hearts({"Guest", "127.0.0.1"}, ports);
    qunsetenv("HEARTS_STARTUP_STAMP");
    // The launch follows the table's first paint: once that is there, a
    // connection would come at once.
    QByteArray said;
    ASSERT_TRUE(waitUntil(
        [&] {
            said += hearts.process.readAllStandardError();
            return said.contains("table painted");
        },
        20000));
    spin(Tchat::kLaunchAtTheLatestMs + 200);
    EXPECT_FALSE(host.server.hasPendingConnections());
    EXPECT_EQ(hearts.process.state(), QProcess::Running);
}

namespace {

// The single-instance key of a copy started with HEARTS_INSTANCE set.
QString instanceKey(const QString& instance) {
    qputenv("HEARTS_INSTANCE", instance.toUtf8());
    const QString key = SingleInstance::keyForThisUser();
    qunsetenv("HEARTS_INSTANCE");
    return key;
}

} // namespace

TEST(Launch, ASecondStartWithALinkHandsTheInvitationToTheFirst) {
    const QString instance = QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(instanceKey(instance));
    ASSERT_TRUE(first.claim());
    QSignalSpy activation(&first, &SingleInstance::activationRequested);
    QSignalSpy invited(&first, &SingleInstance::invitationReceived);
    const QString link = QStringLiteral("hearts://[2001:db8::1]:7772/?table=Ann%27s%20table");
    Program second({link}, Ports{}, instance);
    ASSERT_TRUE(second.ended());
    EXPECT_EQ(second.process.exitCode(), 0);
    ASSERT_TRUE(waitUntil([&] { return invited.count() == 1; }));
    EXPECT_EQ(invited.at(0).at(0).toString(), link);
    EXPECT_EQ(activation.count(), 1);
}

TEST(Launch, ASecondStartBringsTheFirstForwardAndEnds) {
    const QString instance = QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(instanceKey(instance));
    ASSERT_TRUE(first.claim());
    QSignalSpy activation(&first, &SingleInstance::activationRequested);
    Program second({"Guest", "127.0.0.1"}, Ports{}, instance);
    ASSERT_TRUE(second.ended());
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return activation.count() == 1; }));
}
