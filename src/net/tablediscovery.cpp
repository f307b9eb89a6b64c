#include "tablediscovery.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>

#include <algorithm>

TableAnnouncer::TableAnnouncer(Snapshot snapshot, Options options, QObject* parent)
    : QObject(parent), m_snapshot(std::move(snapshot)), m_options(options) {
    m_timer.setInterval(m_options.intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TableAnnouncer::announceNow);
}

void TableAnnouncer::start() {
    if (!running()) {
        m_timer.start();
        announceNow();
    }
}

void TableAnnouncer::stop() {
    m_timer.stop();
}

void TableAnnouncer::announceNow() {
    const QByteArray datagram = QByteArray::fromStdString(announcement::format(m_snapshot()));
    QList<QHostAddress> v4 = {QHostAddress(QHostAddress::LocalHost)};
    QList<QHostAddress> v6;
    for (const QNetworkInterface& link : QNetworkInterface::allInterfaces()) {
        const auto flags = link.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        bool hasV6 = false;
        for (const QNetworkAddressEntry& entry : link.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol &&
                flags.testFlag(QNetworkInterface::CanBroadcast) && !entry.broadcast().isNull()) {
                v4.append(entry.broadcast());
            }
            hasV6 = hasV6 || entry.ip().protocol() == QAbstractSocket::IPv6Protocol;
        }
        if (hasV6 && flags.testFlag(QNetworkInterface::CanMulticast)) {
            QHostAddress allNodes(QStringLiteral("ff02::1"));
            allNodes.setScopeId(link.name());
            v6.append(allNodes);
        }
    }
    for (const QHostAddress& target : v4) {
        m_v4.writeDatagram(datagram, target, m_options.port);
    }
    for (const QHostAddress& target : v6) {
        m_v6.writeDatagram(datagram, target, m_options.port);
    }
}

TableFinder::TableFinder(Options options, QObject* parent) : QObject(parent), m_options(options) {
    m_clock.start();
    m_prune.setInterval(std::max(100, m_options.silenceMs / 6));
    connect(&m_prune, &QTimer::timeout, this, &TableFinder::forgetSilent);
    connect(&m_socket, &QUdpSocket::readyRead, this, &TableFinder::readDatagrams);
}

bool TableFinder::start(QString* error) {
    const auto mode = QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;
    // Both kinds of address on one socket where the machine has IPv6.
    if (m_socket.bind(QHostAddress::Any, m_options.port, mode) ||
        m_socket.bind(QHostAddress::AnyIPv4, m_options.port, mode)) {
        return true;
    }
    if (error != nullptr) {
        *error = m_socket.errorString();
    }
    return false;
}

std::vector<TableFinder::Found> TableFinder::tables() const {
    std::vector<Found> found;
    for (const Entry& entry : m_entries) {
        found.push_back(entry.found);
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.table.table != b.table.table) {
            return a.table.table < b.table.table;
        }
        return a.address.toString() < b.address.toString();
    });
    return found;
}

bool TableFinder::thisMachine(const QHostAddress& address) {
    // The addresses of this machine's interfaces, 127.0.0.1 and ::1 among
    // them; another loopback address is a sender like any other.
    const qint64 now = m_clock.elapsed();
    if (m_ownAddressesAtMs < 0 || now - m_ownAddressesAtMs > 5000) {
        m_ownAddresses = QNetworkInterface::allAddresses();
        m_ownAddressesAtMs = now;
    }
    return m_ownAddresses.contains(address);
}

void TableFinder::readDatagrams() {
    bool changedList = false;
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram(announcement::kMaxBytes + 1);
        const QByteArray bytes = datagram.data();
        const auto table = announcement::parse(std::string_view(bytes.constData(), bytes.size()));
        if (!table) {
            continue;
        }
        QHostAddress from = datagram.senderAddress();
        bool mapped = false;
        const quint32 v4 = from.toIPv4Address(&mapped);
        if (mapped) {
            from = QHostAddress(v4);
        }
        // One entry per table and address: a datagram from another address
        // makes an entry of its own beside it, never replaces it. Only this
        // machine's own table, heard on loopback and on its own network
        // address, is one entry, shown with the network address.
        const bool fromHere = thisMachine(from);
        auto same = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
            return entry.found.table.table == table->table &&
                   entry.found.table.port == table->port &&
                   (entry.found.address == from || (fromHere && entry.here));
        });
        if (same == m_entries.end()) {
            if (m_entries.size() >= kMaxTables) {
                m_entries.erase(std::min_element(
                    m_entries.begin(), m_entries.end(),
                    [](const Entry& a, const Entry& b) { return a.heardAtMs < b.heardAtMs; }));
            }
            m_entries.push_back({{from, *table}, m_clock.elapsed(), fromHere});
            changedList = true;
            continue;
        }
        if (same->found.address.isLoopback() && !from.isLoopback()) {
            same->found.address = from;
            changedList = true;
        }
        if (!(same->found.table == *table)) {
            same->found.table = *table;
            changedList = true;
        }
        same->heardAtMs = m_clock.elapsed();
    }
    if (!m_entries.empty() && !m_prune.isActive()) {
        m_prune.start();
    }
    if (changedList) {
        emit changed();
    }
}

void TableFinder::forgetSilent() {
    const qint64 now = m_clock.elapsed();
    const auto before = m_entries.size();
    std::erase_if(m_entries,
                  [&](const Entry& entry) { return now - entry.heardAtMs > m_options.silenceMs; });
    if (m_entries.empty()) {
        m_prune.stop();
    }
    if (m_entries.size() != before) {
        emit changed();
    }
}
