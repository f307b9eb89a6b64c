// Peers that try to spoil a table, on real loopback sockets to a TServer in
// this process: phantoms, floods, over-long lines, silence and peers that do
// not read. The table goes on for everyone else.
#include "random.h"
#include "tserver.h"

#include "rawclient.h"
#include "wait.h"

#include <QElapsedTimer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class Hostile : public ::testing::Test {
protected:
    void start(TServer::Options options = TServer::Options{}) {
        options.port = QStringLiteral("0");
        options.socktimerMs = options.socktimerMs == 10 ? 1 : options.socktimerMs;
        options.pauseMs = 1;
        server = std::make_unique<TServer>(options);
        server->botSpeed = [] { return 1; };
        server->onLog = [this](const QString& line) { log.append(line); };
        server->startListening();
    }
    std::unique_ptr<RawClient> connect() {
        auto client = std::make_unique<RawClient>();
        EXPECT_TRUE(client->connectTo(server->listeningPort()));
        return client;
    }
    // Connects and logs in; the client knows its number.
    std::unique_ptr<RawClient> join(const std::string& name, int expectedNumber) {
        auto client = connect();
        EXPECT_EQ(client->waitFor("CMD_sendlogininfo+"),
                  "CMD_sendlogininfo+" + std::to_string(expectedNumber));
        client->send("CMD_logininfo+" + std::to_string(expectedNumber) + "+1.0.9+" + name);
        EXPECT_FALSE(
            client->waitFor("CMD_newplayerinfo+" + std::to_string(expectedNumber)).empty());
        return client;
    }
    bool logged(const QString& text) const {
        for (const QString& line : log) {
            if (line.contains(text)) {
                return true;
            }
        }
        return false;
    }

    std::unique_ptr<TServer> server;
    QStringList log;
};

// Closes with a reset instead of a goodbye.
void resetConnection(RawClient& client) {
    const linger abrupt{1, 0};
    ::setsockopt(static_cast<int>(client.socket().socketDescriptor()), SOL_SOCKET, SO_LINGER,
                 &abrupt, sizeof abrupt);
    client.socket().close();
}

} // namespace

TEST_F(Hostile, EightThatLogInAndLeaveAtOnceLeaveNoPhantoms) {
    start();
    for (int i = 0; i < 8; ++i) {
        auto phantom = connect();
        ASSERT_FALSE(phantom->waitFor("CMD_sendlogininfo+").empty());
        phantom->send("CMD_logininfo+1+1.0.9+Phantom");
        if (i % 2 == 0) {
            phantom->socket().disconnectFromHost();
        } else {
            resetConnection(*phantom);
        }
    }
    ASSERT_TRUE(waitUntil([&] {
        for (int number = 1; number <= kMaxConnections; ++number) {
            if (server->game().players()[number].connected) {
                return false;
            }
        }
        return true;
    }));
    // Every number is free again: the next player is the first, seated.
    auto player = join("Real", 1);
    spin(50);
    player->pump();
    EXPECT_TRUE(player->with("CMD_existingplayers").empty());
    EXPECT_TRUE(player->with("CMD_full").empty());
}

TEST_F(Hostile, AHugeNameAndChatReachNobodyAsAnOverLongLine) {
    start();
    auto watcher = join("Watcher", 1);
    auto shouter = connect();
    ASSERT_EQ(shouter->waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+2");
    shouter->send("CMD_logininfo+2+1.0.9+" + std::string(50000, 'N'));
    shouter->send("CMD_chat+2+" + std::string(60000, 'x') + "|clRed");
    const std::string arrival = watcher->waitFor("CMD_newplayerinfo+2+");
    EXPECT_EQ(arrival, "CMD_newplayerinfo+2+" + std::string(32, 'N'));
    const std::string chat = watcher->waitFor("CMD_chat+2+");
    EXPECT_EQ(chat, "CMD_chat+2+" + std::string(32, 'N') + " chats: " + std::string(1000, 'x') +
                        "|clRed");
    // A line longer than any message is refused like an unframed tail.
    shouter->sendBytes(std::string(70000, 'y') + "\xFF");
    EXPECT_TRUE(shouter->waitClosed());
    EXPECT_EQ(watcher->socket().state(), QAbstractSocket::ConnectedState);
}

TEST_F(Hostile, AFloodHoldsNobodyElseBack) {
    TServer::Options slow;
    slow.socktimerMs = 5;
    start(slow);
    auto player = join("Player", 1);
    auto flooder = join("Flooder", 2);
    std::string flood;
    for (int i = 0; i < 10000; ++i) {
        flood += "CMD_chat+2+spam|clRed\xFF";
    }
    for (int i = 0; i < 100000; ++i) {
        flood += "junk\xFF";
    }
    flooder->sendBytes(flood);
    ASSERT_TRUE(waitUntil([&] { return logged("lines dropped"); }));
    player->send("CMD_chat+1+my turn|clBlack");
    ASSERT_FALSE(player->waitFor("CMD_chat+1+Player chats: my turn").empty());
    // Answered while the flood still waits its turn: one line each.
    EXPECT_GT(server->pendingLines(2), 100u);
    // The flood's own chat was passed on only as far as its allowance.
    player->pump();
    EXPECT_LE(player->with("CMD_chat+2+").size(), 11u);
    EXPECT_EQ(flooder->waitFor("CMD_chat+0+"),
              "CMD_chat+0+You are sending too fast: a line was not passed on.|clBlue");
}

TEST_F(Hostile, ConnectionsThatNeverLogInAreClosedAndTheirPlacesGiven) {
    TServer::Options quick;
    quick.loginTimeoutMs = 300;
    start(quick);
    std::vector<std::unique_ptr<RawClient>> silent;
    for (int i = 0; i < 9; ++i) {
        silent.push_back(connect());
        ASSERT_FALSE(silent.back()->waitFor("CMD_sendlogininfo+").empty());
    }
    for (auto& client : silent) {
        EXPECT_TRUE(client->waitClosed(3000));
    }
    auto player = join("Real", 1);
    EXPECT_TRUE(logged("closed: no login"));
}

TEST_F(Hostile, AConnectionWithoutALoginHoldsNoSeatsTurn) {
    start();
    auto host = join("Host", 1);
    processrandom::setSeed(9);
    host->send("CMD_startgame+Host+50+0+");
    host->send("CMD_justwatch+1+1");
    // It takes seat 2's number and says nothing: the computer plays seat 2
    // meanwhile, and the game ends long before the login deadline.
    auto squatter = connect();
    ASSERT_EQ(squatter->waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+2");
    EXPECT_FALSE(host->waitFor("CMD_winner+", TServer::Options{}.loginTimeoutMs / 2).empty());
    squatter->pump();
    EXPECT_EQ(squatter->messages(), std::vector<std::string>{"CMD_sendlogininfo+2"});
}

TEST_F(Hostile, SquattersThatComeBackAtOnceKeepAPlayerOutNoLongerThanTheLoginDeadline) {
    start();
    // Nine connections that never log in, each back the moment it is closed.
    std::vector<std::unique_ptr<QTcpSocket>> squatters;
    const quint16 port = server->listeningPort();
    int returns = 0;
    for (int i = 0; i < kMaxConnections; ++i) {
        auto socket = std::make_unique<QTcpSocket>();
        QTcpSocket* raw = socket.get();
        QObject::connect(raw, &QTcpSocket::disconnected, raw, [raw, port, &returns] {
            ++returns;
            raw->abort();
            raw->connectToHost(QHostAddress::LocalHost, port);
        });
        raw->connectToHost(QHostAddress::LocalHost, port);
        squatters.push_back(std::move(socket));
    }
    ASSERT_TRUE(waitUntil([&] { return server->game().slotcount() == kMaxConnections; }));
    QElapsedTimer clock;
    clock.start();
    RawClient player;
    ASSERT_TRUE(player.connectTo(port));
    const std::string welcome =
        player.waitFor("CMD_sendlogininfo+", TServer::Options{}.loginTimeoutMs + 2000);
    ASSERT_FALSE(welcome.empty()) << "kept out for " << clock.elapsed() << " ms";
    const std::string number = welcome.substr(std::string("CMD_sendlogininfo+").size());
    player.send("CMD_logininfo+" + number + "+1.0.9+Real");
    ASSERT_FALSE(player.waitFor("CMD_newplayerinfo+" + number + "+Real").empty());
    const qint64 waited = clock.elapsed();
    EXPECT_LT(waited, TServer::Options{}.loginTimeoutMs);
    RecordProperty("waited_ms", static_cast<int>(waited));
    // Once in, the player stays in while the squatters go on coming back.
    const int before = returns;
    ASSERT_TRUE(waitUntil([&] { return returns > before + kMaxConnections; }, 15000));
    player.pump();
    EXPECT_EQ(player.socket().state(), QAbstractSocket::ConnectedState);
    EXPECT_TRUE(logged("closed: no login"));
}

TEST_F(Hostile, ASilentSeatIsPlayedForAndTheGameEnds) {
    // Whatever the level of the computer players: a person's seat is moved
    // for by the classic rules and the table never waits on it.
    for (const hearts::Level level : {hearts::Level::Classic, hearts::Level::Strong}) {
        SCOPED_TRACE(hearts::levelName(level));
        log.clear();
        TServer::Options quick;
        quick.turnTimeoutMs = 150;
        start(quick);
        HostGame::Levels levels{};
        levels.fill(level);
        server->setLevels(levels);
        auto host = join("Host", 1);
        auto sleeper = join("Sleeper", 2);
        processrandom::setSeed(9);
        host->send("CMD_startgame+Host+50+0+");
        // Nobody moves: the computer moves for both, three times each, then
        // keeps their seats until they come back.
        const std::string moved = host->waitFor("CMD_chat+0+The time to move was up");
        EXPECT_EQ(moved, "CMD_chat+0+The time to move was up: the computer moved for Host.|clBlue");
        ASSERT_FALSE(sleeper->waitFor("CMD_justwatching+2+1", 10000).empty());
        EXPECT_FALSE(sleeper->waitFor("CMD_winner+", 60000).empty());
        EXPECT_TRUE(logged("seat 2 (Sleeper) timed out"));
    }
}

TEST_F(Hostile, AloneAtTheTableNobodyIsHurried) {
    TServer::Options quick;
    quick.turnTimeoutMs = 100;
    start(quick);
    auto host = join("Host", 1);
    host->send("CMD_startgame+Host+50+0+");
    ASSERT_FALSE(host->waitFor("CMD_passcards+1+").empty());
    spin(400);
    host->pump();
    EXPECT_TRUE(host->with("CMD_chat+0+").empty());
    EXPECT_TRUE(host->with("CMD_passedcards").empty());
}

TEST_F(Hostile, APeerThatDoesNotReadIsCutOff) {
    TServer::Options small;
    small.maxPendingOutput = 8192;
    // Chat without a limit, so that enough comes to fill the peer's window.
    small.relayBurst = 1e9;
    start(small);
    // A plain socket with the smallest window, that logs in and never reads:
    // what the host writes to it piles up.
    const int deaf = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(deaf, 0);
    const int tiny = 1;
    ::setsockopt(deaf, SOL_SOCKET, SO_RCVBUF, &tiny, sizeof tiny);
    sockaddr_in host{};
    host.sin_family = AF_INET;
    host.sin_port = htons(server->listeningPort());
    host.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(deaf, reinterpret_cast<sockaddr*>(&host), sizeof host), 0);
    const std::string login = "CMD_logininfo+1+1.0.9+Deaf\xFF";
    ASSERT_EQ(::send(deaf, login.data(), login.size(), 0), static_cast<ssize_t>(login.size()));
    std::vector<std::unique_ptr<RawClient>> talkers;
    for (int number = 2; number <= 9; ++number) {
        talkers.push_back(join("T" + std::to_string(number), number));
    }
    const std::string line = std::string(990, 'z') + "|clBlack";
    EXPECT_TRUE(waitUntil(
        [&] {
            for (std::size_t i = 0; i < talkers.size(); ++i) {
                if (server->pendingLines(static_cast<int>(i) + 2) < 50) {
                    talkers[i]->send("CMD_chat+" + std::to_string(i + 2) + "+" + line);
                }
            }
            return logged("closed: it does not read");
        },
        20000));
    ::close(deaf);
    // The others heard everything and stay.
    EXPECT_EQ(talkers.front()->socket().state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(talkers.front()->with("CMD_chat+9+").size(), 0u);
    EXPECT_FALSE(talkers.front()->waitFor("CMD_chat+9+T9 chats: ").empty());
}
