#pragma once

#include "hostgame.h"

#include "receivedlist.h"
#include "tablediscovery.h"
#include "tsock.h"
#include "wiremessage.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <array>
#include <deque>
#include <functional>
#include <memory>

// The table host: listens for connections, cuts what they send into the
// received list, and runs the game's rules with real sockets and timers.
// A connection that comes while every number is taken waits, in the order
// it came, for the next number freed; one that has not logged in gives its
// number up at its login deadline, sooner when someone waits.
class TServer : public QObject, private HostEvents {
    Q_OBJECT
public:
    struct Options {
        QString port = QString::number(protocol::kPort);
        // The address to listen on: empty for every one, "127.0.0.1" for
        // this machine only.
        QString bindAddress;
        // No player of its own (hearts-server): see HostGame::setHeadless.
        bool headless = false;
        // A connection that has not logged in this long is closed; a person
        // whose move waits this long has it made (HostGame). 0: no limit.
        int loginTimeoutMs = 20000;
        int turnTimeoutMs = 60000;
        // A connection with this much written but not yet sent is closed.
        qint64 maxPendingOutput = 256 * 1024;
        // What one connection may have relayed: a burst, then lines a second.
        double relayBurst = HostGame::kRelayBurst;
        double relayPerSecond = HostGame::kRelayPerSecond;
        int socktimerMs = 10;
        int pauseMs = 1000;
    };

    // A connection's received list holds at most this many lines.
    static constexpr std::size_t kMaxReceivedLines = 256;
    // At most this many connections wait for a number; beyond them the
    // table answers that it is full.
    static constexpr std::size_t kMaxWaiting = 16;
    // While someone waits, a connection that has not logged in this long
    // (a copy of the game logs in at once) gives its number up.
    static constexpr int kLoginGraceWhenWaitingMs = 3000;
    // Each connection's send buffer in the system: plenty for the game.
    static constexpr int kSendBufferBytes = 64 * 1024;

    explicit TServer(Options options, QObject* parent = nullptr);
    explicit TServer(QObject* parent = nullptr) : TServer(Options{}, parent) {}
    ~TServer() override;

    // Switches the listening socket on; throws ESockException when the port
    // cannot be opened.
    void startListening();
    // Closes the table: no more listening or announcing, every connection
    // closed (their players see the host go), a fresh game for next time.
    void shutdown();
    bool listening() const { return Sock1.Listen(); }
    // The time limits from now on.
    void setLoginTimeoutMs(int ms) { m_options.loginTimeoutMs = ms; }
    void setTurnTimeoutMs(int ms);
    // Listens on another port from now on (before startListening).
    void setPort(const QString& port) { m_options.port = port; }
    void setBindAddress(const QString& address) { m_options.bindAddress = address; }
    quint16 listeningPort() const { return Sock1.listeningPort(); }
    // Tells the local network about the table every two seconds.
    void startAnnouncing(const QString& tableName,
                         TableAnnouncer::Options options = TableAnnouncer::Options{});
    void stopAnnouncing();
    bool announcing() const;

    // The bot speed of the person at the host, read at every arming.
    std::function<int()> botSpeed = [] { return 1000; };
    // Connection 1 asked for another bot speed (a headless host follows it).
    std::function<void(int)> onBotSpeedRequest;
    // Log lines and "Contact Orvane" texts.
    std::function<void(const QString&)> onLog;
    std::function<void(const QString&)> onInternalError;

    const HostGame& game() const { return *m_game; }
    // How the computer plays each seat from the next card on.
    void setLevels(const HostGame::Levels& levels) { m_game->setLevels(levels); }
    void setTableRules(std::optional<hearts::HouseRules> rules) { m_game->setTableRules(rules); }
    void setHintsAllowed(bool allowed) { m_game->setHintsAllowed(allowed); }
    // Lines of a connection waiting for their turn.
    std::size_t pendingLines(int number) const { return receivedlist.size(number); }
    // Connections waiting for a number.
    std::size_t waitingConnections() const { return m_waiting.size(); }

private:
    void Sock1Accept(TSock* sender);
    // Gives a connection its number, or keeps it waiting, or turns it away.
    void admit(TSock* accepted);
    void seat(TSock* accepted, int number);
    void letWaitingIn();
    void forgetWaiting(TSock* sock);
    // The login deadline timer, set for the earliest connection due.
    void armLoginDeadline();
    void Sock1Read(TSock* sender, int count);
    void tempsockDisconnect(TSock* sender);
    void tempsockInfo(TSock* sender, TSocketInfo info, const QString& msg);
    void releaseConnection(int number);
    void dropConnections();
    void closeSilentConnections();

    // HostEvents
    void send(int connection, const std::string& text) override;
    void closeConnection(int connection) override;
    void swapNumbers(int a, int b) override;
    void timerChanged(Timer timer) override;
    int botSpeedMs() override { return botSpeed(); }
    void botSpeedRequested(int ms) override;
    void internalError(const std::string& text) override;
    void log(const std::string& line) override;
    bool wantsLog() override { return static_cast<bool>(onLog); }
    bool startSearch(const SearchRequest& request) override;

    Options m_options;
    TSock Sock1;
    std::unique_ptr<HostGame> m_game;
    // The Strong seats search here, one at a time, never on the thread of
    // the sockets and the window.
    QThreadPool m_searches;
    ReceivedList receivedlist;
    QTimer timer1;
    QTimer computertimer;
    QTimer turntimer;
    // Due when the earliest connection without a login runs out of time.
    QTimer m_loginSweep;
    std::deque<TSock*> m_waiting;
    std::array<qint64, kPlayerRecords + 1> m_acceptedAtMs{};
    QElapsedTimer m_clock;
    std::array<TSock*, kPlayerRecords + 1> m_connections{};
    std::array<wire::Framer, kPlayerRecords + 1> m_framers{};
    // Lines dropped per connection because its received list was full.
    std::array<std::size_t, kPlayerRecords + 1> m_dropped{};
    QString m_tableName;
    TableAnnouncer* m_announcer = nullptr;
};
