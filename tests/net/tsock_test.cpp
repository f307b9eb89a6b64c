#include "sockerrors.h"
#include "tsock.h"

#include "wait.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Records every event and info of the sockets it watches, in order.
struct EventLog {
    std::vector<std::string> entries;

    void watch(TSock& sock, const std::string& who) {
        sock.OnInfo = [this, who](TSock*, TSocketInfo kind, const QString& msg) {
            entries.push_back(who + " info " + std::to_string(static_cast<int>(kind)) + " " +
                              msg.toStdString());
        };
        sock.OnDisconnect = [this, who](TSock*) { entries.push_back(who + " disconnect"); };
        sock.OnConnect = [this, who](TSock*) { entries.push_back(who + " connect"); };
        sock.OnRead = [this, who](TSock*, int count) {
            entries.push_back(who + " read " + std::to_string(count));
        };
    }
    bool has(const std::string& entry) const {
        return std::find(entries.begin(), entries.end(), entry) != entries.end();
    }
    int count(const std::string& entry) const {
        return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
    }
};

// A listening TSock on a free port that accepts every connection.
struct Listener {
    TSock sock;
    std::vector<TSock*> accepted;
    Listener() {
        sock.setPortName(QStringLiteral("0"));
        sock.OnAccept = [this](TSock* sender) {
            TSock* newSock = nullptr;
            if (sender->Accept(newSock)) {
                accepted.push_back(newSock);
            }
        };
        sock.setListen(true);
    }
    QString port() const { return QString::number(sock.listeningPort()); }
};

// Runs an operation that must raise the socket error with this message.
template <typename Operation> void expectSockError(Operation&& operation, const char* message) {
    try {
        operation();
        ADD_FAILURE() << "expected " << message;
    } catch (const ESockException& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

std::unique_ptr<TSock> connectedClient(Listener& listener, EventLog& log) {
    auto client = std::make_unique<TSock>();
    log.watch(*client, "client");
    client->setHostName(QStringLiteral("127.0.0.1"));
    client->setPortName(listener.port());
    EXPECT_FALSE(client->Connect());
    EXPECT_TRUE(waitUntil([&] { return client->Connected() && !listener.accepted.empty(); }));
    return client;
}

// A client connected to a listener, with the events of both ends recorded.
class ConnectedPair : public ::testing::Test {
protected:
    void SetUp() override {
        client = connectedClient(listener, log);
        accepted = listener.accepted.front();
        serverLog.watch(*accepted, "server");
    }
    // Declared first, so that they outlive the sockets that report to them.
    EventLog log;
    EventLog serverLog;
    Listener listener;
    std::unique_ptr<TSock> client;
    TSock* accepted = nullptr;
};

} // namespace

TEST(TSock, ConnectReportsLookupsThenConnectedAndAcceptCopiesHandlers) {
    Listener listener;
    bool serverRead = false;
    listener.sock.OnRead = [&](TSock*, int) { serverRead = true; };
    EventLog log;
    auto client = connectedClient(listener, log);
    const std::vector<std::string> expectedStart = {
        "client info 0 Lookup Of Port " + listener.port().toStdString(),
        "client info 0 Lookup Of Host 127.0.0.1",
        "client info 1 Non-Blocking Socket Connected",
        "client connect",
    };
    ASSERT_GE(log.entries.size(), expectedStart.size());
    EXPECT_EQ(std::vector<std::string>(log.entries.begin(), log.entries.begin() + 4),
              expectedStart);
    TSock* accepted = listener.accepted.front();
    EXPECT_TRUE(accepted->Connected());
    EXPECT_EQ(accepted->HostName(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(accepted->PortName(), listener.sock.PortName());
    ASSERT_TRUE(client->Send("hello"));
    ASSERT_TRUE(waitUntil([&] { return serverRead; }));
    EXPECT_EQ(accepted->Receive(), QByteArray("hello"));
    // A second Connect on an open handle does nothing.
    EXPECT_TRUE(client->Connect());
}

TEST_F(ConnectedPair, TwoMessagesInOneReadAndBytesKeptAfterThePeerCloses) {
    accepted->OnRead = nullptr; // keep the bytes in the in-buffer
    ASSERT_TRUE(client->Send(QByteArray("CMD_a+1\xFF"
                                        "CMD_b+2\xFF")));
    client->Close();
    ASSERT_TRUE(waitUntil([&] { return serverLog.has("server info 2 Socket Closed"); }));
    // The peer's close: OnDisconnect, then the object's own close.
    EXPECT_TRUE(serverLog.has("server disconnect"));
    EXPECT_EQ(accepted->Receive(), QByteArray("CMD_a+1\xFF"
                                              "CMD_b+2\xFF"));
    expectSockError([&] { accepted->Receive(); }, "Receive - Socket Not Connected");
}

TEST_F(ConnectedPair, CloseInsideOnDisconnectReportsSocketClosedTwice) {
    accepted->OnDisconnect = [&](TSock* sender) {
        serverLog.entries.push_back("server disconnect");
        sender->Close();
    };
    client->Close();
    ASSERT_TRUE(waitUntil([&] { return serverLog.count("server info 2 Socket Closed") == 2; }));
    EXPECT_EQ(serverLog.entries.front(), "server disconnect");
    // The client's own close reported too.
    EXPECT_TRUE(log.has("client info 2 Socket Closed"));
}

TEST(TSock, RefusedConnectGivesOnlyAnErrorInfo) {
    quint16 freePort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        freePort = probe.serverPort();
    }
    EventLog log;
    TSock client;
    log.watch(client, "client");
    client.setHostName(QStringLiteral("127.0.0.1"));
    client.setPortName(QString::number(freePort));
    EXPECT_FALSE(client.Connect());
    ASSERT_TRUE(waitUntil([&] { return log.has("client info 7 Error #10061 (WSAECONNREFUSED)"); }));
    spin(50);
    EXPECT_FALSE(log.has("client connect"));
    EXPECT_FALSE(log.has("client disconnect"));
    EXPECT_FALSE(log.has("client info 2 Socket Closed"));
    // The handle stays open: a later Connect does nothing.
    EXPECT_FALSE(client.Connect());
}

TEST(TSock, SendAndReceiveFailures) {
    TSock idle;
    expectSockError([&] { idle.Send("x"); }, "Send - Socket Not Connected");
    Listener listener;
    expectSockError([&] { listener.sock.Send("x"); }, "Send - Cannot Send On A Listener Socket");
    expectSockError([&] { listener.sock.Receive(); },
                    "Receive - Cannot Receive On A Listener Socket");
    TSock* none = nullptr;
    expectSockError([&] { idle.Accept(none); }, "Accept - Socket Not In Listening Mode");

    EventLog log;
    auto client = connectedClient(listener, log);
    const auto before = log.entries.size();
    // Nothing to send: nothing happens, not even a report.
    EXPECT_TRUE(client->Send(QByteArray()));
    EXPECT_EQ(log.entries.size(), before);
}

TEST(TSock, ListeningOnATakenPortAndAgain) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::AnyIPv4, 0));
    TSock sock;
    sock.setPortName(QString::number(other.serverPort()));
    expectSockError([&] { sock.setListen(true); }, "Listen - Error Binding Socket");
    EXPECT_FALSE(sock.Listen());
    expectSockError([&] { sock.setListen(true); }, "Listen - Socket Already In Use");
}

TEST(TSock, ListenReportsAndStopping) {
    EventLog log;
    TSock sock;
    log.watch(sock, "l");
    sock.setPortName(QStringLiteral("0"));
    sock.setListen(true);
    sock.setListen(true);
    sock.setListen(false);
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"l info 0 Lookup Of Port 0", "l info 3 Listening Started",
                                        "l info 3 Listening Already Running",
                                        "l info 2 Socket Closed", "l info 3 Listening Stopped"}));
}

TEST(TSock, HostLookupDigitsAndTheCache) {
    EventLog log;
    TSock sock;
    log.watch(sock, "c");
    sock.setPortName(QStringLiteral("1"));
    // Begins with a digit: converted, never looked up by name.
    const int before = TSock::resolverCalls();
    sock.setHostName(QStringLiteral("1nosuchhost"));
    sock.Connect();
    EXPECT_EQ(TSock::resolverCalls(), before);
    EXPECT_TRUE(log.has("c info 0 Lookup Of Host 1nosuchhost"));

    TSock first;
    first.setPortName(QStringLiteral("1"));
    first.setHostName(QStringLiteral("localhost"));
    first.Connect();
    const int afterFirst = TSock::resolverCalls();
    TSock second;
    second.setPortName(QStringLiteral("1"));
    second.setHostName(QStringLiteral("LocalHost"));
    second.Connect();
    EXPECT_EQ(TSock::resolverCalls(), afterFirst);
    EXPECT_LE(afterFirst, before + 1);
}

TEST(TSock, LookupFailuresRaise) {
    TSock port;
    port.setHostName(QStringLiteral("127.0.0.1"));
    port.setPortName(QStringLiteral("no-such-service-name"));
    expectSockError([&] { port.Connect(); }, "Port Lookup - Could Not Find Service Entry");
    // The handle stays open after a failed lookup.
    EXPECT_FALSE(port.Connect());

    TSock host;
    host.setPortName(QStringLiteral("7772"));
    host.setHostName(QStringLiteral("no-such-host.invalid"));
    expectSockError([&] { host.Connect(); }, "Host Lookup - Could Not Find Host Entry");
}

TEST(TSock, AnInfoHandlerThatThrowsBecomesErrorHere) {
    TSock sock;
    sock.OnInfo = [](TSock*, TSocketInfo, const QString&) { throw std::runtime_error("boom"); };
    sock.setPortName(QStringLiteral("0"));
    expectSockError([&] { sock.setListen(true); }, "Error here");
    // Inside Close it is swallowed.
    EXPECT_NO_THROW(sock.Close());
}

TEST_F(ConnectedPair, DestroyingAConnectedAcceptedObjectReportsSocketClosed) {
    delete accepted;
    EXPECT_TRUE(serverLog.has("server info 2 Socket Closed"));
    // The peer sees the close.
    ASSERT_TRUE(waitUntil([&] { return log.has("client disconnect"); }));
}

TEST_F(ConnectedPair, APeerResetEndsTheConnectionWithAnErrorAndSocketClosed) {
    // Abort with unread data on the other side makes the kernel send a reset.
    QTcpSocket raw;
    raw.connectToHost(QStringLiteral("127.0.0.1"), listener.sock.listeningPort());
    ASSERT_TRUE(waitUntil([&] { return listener.accepted.size() == 2; }));
    TSock* second = listener.accepted.back();
    EventLog resetLog;
    resetLog.watch(*second, "second");
    second->OnRead = nullptr;
    raw.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    raw.abort();
    ASSERT_TRUE(waitUntil([&] { return resetLog.has("second info 2 Socket Closed"); }));
}

TEST(SockErrors, NamesAndTexts) {
    struct Case {
        int code;
        const char* name;
    };
    const Case cases[] = {{10004, "WSAEINTR"},      {10061, "WSAECONNREFUSED"},
                          {10054, "WSAECONNRESET"}, {10101, "WSAEDISCON"},
                          {11004, "WSANO_DATA"},    {10060, "WSAETIMEDOUT"},
                          {10005, "UNKNOWN ERROR"}, {12000, "UNKNOWN ERROR"}};
    for (const Case& c : cases) {
        EXPECT_EQ(sockerrors::name(c.code).toStdString(), c.name) << c.code;
    }
    EXPECT_EQ(sockerrors::infoText(10061).toStdString(), "Error #10061 (WSAECONNREFUSED)");
    EXPECT_EQ(sockerrors::codeFor(QAbstractSocket::ConnectionRefusedError), 10061);
    EXPECT_EQ(sockerrors::codeFor(QAbstractSocket::SocketTimeoutError), 10060);
    EXPECT_EQ(sockerrors::codeFor(QAbstractSocket::NetworkError, "Connection reset by peer"),
              10054);
}
