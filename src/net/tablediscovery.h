#pragma once

#include "announcement.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <functional>
#include <vector>

// Sends this host's table to the local network every two seconds: IPv4
// broadcast on every interface that has it, IPv6 multicast to all nodes of
// every link that has it, and to this machine itself.
class TableAnnouncer : public QObject {
    Q_OBJECT
public:
    struct Options {
        quint16 port = announcement::kPort;
        int intervalMs = announcement::kIntervalMs;
    };
    using Snapshot = std::function<announcement::Table()>;

    TableAnnouncer(Snapshot snapshot, Options options, QObject* parent = nullptr);
    explicit TableAnnouncer(Snapshot snapshot, QObject* parent = nullptr)
        : TableAnnouncer(std::move(snapshot), Options{}, parent) {}

    void start();
    void stop();
    bool running() const { return m_timer.isActive(); }
    // Sends the table at once (and so on every tick).
    void announceNow();

private:
    Snapshot m_snapshot;
    Options m_options;
    QUdpSocket m_v4;
    QUdpSocket m_v6;
    QTimer m_timer;
};

// Listens for tables announced on the local network and keeps those heard
// from lately: one entry per table and address (so a datagram that claims
// another's table from elsewhere stands beside it, never in its place), at
// most kMaxTables, the longest silent dropped first.
class TableFinder : public QObject {
    Q_OBJECT
public:
    struct Options {
        quint16 port = announcement::kPort;
        int silenceMs = announcement::kSilenceMs;
    };
    struct Found {
        QHostAddress address;
        announcement::Table table;
    };

    static constexpr std::size_t kMaxTables = 256;

    explicit TableFinder(Options options, QObject* parent = nullptr);
    explicit TableFinder(QObject* parent = nullptr) : TableFinder(Options{}, parent) {}

    // Starts listening; answers false with the reason when the port cannot
    // be had.
    bool start(QString* error = nullptr);
    // The tables heard, by table name, then address.
    std::vector<Found> tables() const;

signals:
    void changed();

private:
    struct Entry {
        Found found;
        qint64 heardAtMs = 0;
        bool here = false; // this machine's own table
    };
    void readDatagrams();
    void forgetSilent();
    bool thisMachine(const QHostAddress& address);

    Options m_options;
    QUdpSocket m_socket;
    QTimer m_prune;
    QElapsedTimer m_clock;
    std::vector<Entry> m_entries;
    QList<QHostAddress> m_ownAddresses;
    qint64 m_ownAddressesAtMs = -1;
};
