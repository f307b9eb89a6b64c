#pragma once

#include "hostgame.h"

#include "receivedlist.h"
#include "tsock.h"
#include "wiremessage.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

// The table host: listens for connections, cuts what they send into the
// received list, and runs the game's rules with real sockets and timers.
// Never shown; the game's hidden host window only holds it.
class TServer : public QObject, private HostEvents {
    Q_OBJECT
public:
    struct Options {
        QString port = QStringLiteral("7772");
        int socktimerMs = 10;
        int pauseMs = 1000;
    };

    explicit TServer(Options options, QObject* parent = nullptr);
    explicit TServer(QObject* parent = nullptr) : TServer(Options{}, parent) {}
    ~TServer() override;

    // Switches the listening socket on; throws ESockException when the port
    // cannot be opened.
    void startListening();
    quint16 listeningPort() const { return Sock1.listeningPort(); }

    // The bot speed of the person at the host, read at every arming.
    std::function<int()> botSpeed = [] { return 1000; };
    // Connection 1 asked for another bot speed (a headless host follows it).
    std::function<void(int)> onBotSpeedRequest;
    // Log lines and "Contact Orvane" texts.
    std::function<void(const QString&)> onLog;
    std::function<void(const QString&)> onInternalError;

    const HostGame& game() const { return m_game; }

private:
    void Sock1Accept(TSock* sender);
    void Sock1Read(TSock* sender, int count);
    void tempsockDisconnect(TSock* sender);
    void tempsockInfo(TSock* sender, TSocketInfo info, const QString& msg);
    void releaseConnection(int number);

    // HostEvents
    void send(int connection, const std::string& text) override;
    void closeConnection(int connection) override;
    void timerChanged(Timer timer) override;
    int botSpeedMs() override { return botSpeed(); }
    void botSpeedRequested(int ms) override;
    void internalError(const std::string& text) override;
    void log(const std::string& line) override;

    Options m_options;
    TSock Sock1;
    HostGame m_game;
    ReceivedList receivedlist;
    QTimer timer1;
    QTimer computertimer;
    std::array<TSock*, kPlayerRecords + 1> m_connections{};
    std::array<wire::Framer, kPlayerRecords + 1> m_framers{};
    // Counts the connections each number has had; received lines carry it.
    std::array<int, kPlayerRecords + 1> m_serials{};
};
