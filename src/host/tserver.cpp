#include "tserver.h"

#include <algorithm>

TServer::TServer(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)),
      m_game(std::make_unique<HostGame>(static_cast<HostEvents&>(*this))),
      receivedlist(
          m_options.socktimerMs,
          [this](int number, const std::string& line) { m_game->receive(number, line); }, this,
          kMaxReceivedLines) {
    m_game->setHeadless(m_options.headless);
    m_searches.setMaxThreadCount(1);
    Sock1.setPortName(m_options.port);
    Sock1.OnAccept = [this](TSock* sender) { Sock1Accept(sender); };
    Sock1.OnRead = [this](TSock* sender, int count) { Sock1Read(sender, count); };
    // The received list starts with one line that is no message.
    receivedlist.append(0, std::string());

    timer1.setTimerType(Qt::PreciseTimer);
    computertimer.setTimerType(Qt::PreciseTimer);
    connect(&timer1, &QTimer::timeout, this, [this] { m_game->timer1Timer(); });
    connect(&computertimer, &QTimer::timeout, this, [this] { m_game->computertimerTimer(); });
    connect(&turntimer, &QTimer::timeout, this, [this] { m_game->turntimerTimer(); });
    m_game->setTurnTimeoutMs(m_options.turnTimeoutMs);
    m_game->setRelayLimits(m_options.relayBurst, m_options.relayPerSecond);
    m_clock.start();
    m_loginSweep.setSingleShot(true);
    m_loginSweep.setTimerType(Qt::PreciseTimer);
    connect(&m_loginSweep, &QTimer::timeout, this, &TServer::closeSilentConnections);
    timerChanged(Timer::Computer);
}

TServer::~TServer() {
    // A search still running answers into a queue that dies with this
    // object; it only has to end first.
    m_searches.clear();
    m_searches.waitForDone();
    dropConnections();
}

bool TServer::startSearch(const SearchRequest& request) {
    m_searches.start([this, request] {
        const int slot =
            hearts::searchPlay(request.level, request.round, request.seat, request.seed);
        QMetaObject::invokeMethod(
            this, [this, request, slot] { m_game->searchDone(request, slot); },
            Qt::QueuedConnection);
    });
    return true;
}

void TServer::dropConnections() {
    for (TSock* waiting : std::exchange(m_waiting, {})) {
        waiting->OnInfo = nullptr;
        waiting->OnDisconnect = nullptr;
        waiting->OnRead = nullptr;
        delete waiting;
    }
    // The connections go without running the departure steps.
    for (int number = 1; number <= kPlayerRecords; ++number) {
        if (TSock* sock = std::exchange(m_connections[number], nullptr)) {
            sock->OnInfo = nullptr;
            sock->OnDisconnect = nullptr;
            sock->OnRead = nullptr;
            delete sock;
        }
    }
}

void TServer::shutdown() {
    stopAnnouncing();
    if (Sock1.Listen()) {
        Sock1.setListen(false);
    }
    dropConnections();
    receivedlist.clear();
    m_framers.fill(wire::Framer());
    timer1.stop();
    computertimer.stop();
    m_game = std::make_unique<HostGame>(static_cast<HostEvents&>(*this));
    m_game->setHeadless(m_options.headless);
    m_searches.setMaxThreadCount(1);
    m_game->setTurnTimeoutMs(m_options.turnTimeoutMs);
    m_game->setRelayLimits(m_options.relayBurst, m_options.relayPerSecond);
    turntimer.stop();
    m_loginSweep.stop();
    timerChanged(Timer::Computer);
    log("table closed");
}

void TServer::startListening() {
    Sock1.setHostName(m_options.bindAddress);
    Sock1.setPortName(m_options.port);
    try {
        Sock1.setListen(true);
    } catch (const ESockException&) {
        // Closed again, so that another port can be tried.
        Sock1.Close();
        throw;
    }
}

void TServer::startAnnouncing(const QString& tableName, TableAnnouncer::Options options) {
    m_tableName = tableName;
    if (m_announcer == nullptr) {
        m_announcer = new TableAnnouncer(
            [this] {
                const HostGame::TableInfo info = m_game->tableInfo();
                announcement::Table table;
                table.port = listeningPort();
                table.table = m_tableName.toStdString();
                table.host = info.hostName;
                table.people = info.people;
                table.watchers = info.watchers;
                table.inGame = info.inGame;
                return table;
            },
            options, this);
    }
    m_announcer->start();
}

void TServer::stopAnnouncing() {
    if (m_announcer != nullptr) {
        m_announcer->stop();
    }
}

bool TServer::announcing() const {
    return m_announcer != nullptr && m_announcer->running();
}

void TServer::Sock1Accept(TSock* sender) {
    TSock* accepted = nullptr;
    if (!sender->Accept(accepted)) {
        return;
    }
    // A peer that vanished without a word is gone within about a minute.
    accepted->setKeepAlive(30, 10, 3);
    accepted->setSendBuffer(kSendBufferBytes);
    admit(accepted);
}

void TServer::admit(TSock* accepted) {
    const int number = m_game->chooseConnectionNumber(accepted->HostName().toStdString());
    if (number != kRefusedRecord) {
        seat(accepted, number);
        return;
    }
    if (m_waiting.size() < kMaxWaiting) {
        // Nothing it sends counts before it has a number; its going is noted.
        accepted->Tag = 0;
        accepted->OnRead = [](TSock* s, int) { s->Receive(); };
        accepted->OnDisconnect = [](TSock* s) { s->Close(); };
        accepted->OnInfo = [this](TSock* s, TSocketInfo, const QString& msg) {
            if (msg == QLatin1String(protocol::kSocketClosed)) {
                forgetWaiting(s);
            }
        };
        m_waiting.push_back(accepted);
        log("connection waits for a number: the table is full");
        armLoginDeadline();
        return;
    }
    accepted->OnRead = nullptr;
    accepted->Send(QByteArray::fromStdString(wire::frame(HostGame::fullMessage())));
    accepted->Close();
    accepted->deleteLater();
    log("connection refused: the table is full");
}

void TServer::forgetWaiting(TSock* sock) {
    const auto found = std::find(m_waiting.begin(), m_waiting.end(), sock);
    if (found != m_waiting.end()) {
        m_waiting.erase(found);
        sock->OnInfo = nullptr;
        sock->OnDisconnect = nullptr;
        sock->OnRead = nullptr;
        sock->deleteLater();
    }
}

void TServer::letWaitingIn() {
    while (!m_waiting.empty()) {
        TSock* next = m_waiting.front();
        const int number = m_game->chooseConnectionNumber(next->HostName().toStdString());
        if (number == kRefusedRecord) {
            return;
        }
        m_waiting.pop_front();
        seat(next, number);
    }
}

void TServer::seat(TSock* accepted, int number) {
    releaseConnection(number);
    m_connections[number] = accepted;
    m_framers[number] = wire::Framer();
    m_dropped[static_cast<std::size_t>(number)] = 0;
    accepted->Tag = number;
    m_acceptedAtMs[static_cast<std::size_t>(number)] = m_clock.elapsed();
    accepted->OnRead = [this](TSock* s, int count) { Sock1Read(s, count); };
    accepted->OnDisconnect = [this](TSock* s) { tempsockDisconnect(s); };
    accepted->OnInfo = [this](TSock* s, TSocketInfo info, const QString& msg) {
        tempsockInfo(s, info, msg);
    };
    m_game->connectionAccepted(number, accepted->HostName().toStdString());
    armLoginDeadline();
}

void TServer::releaseConnection(int number) {
    // An earlier connection of this number is closed already; its object goes.
    if (TSock* old = std::exchange(m_connections[number], nullptr)) {
        old->OnInfo = nullptr;
        old->OnDisconnect = nullptr;
        old->OnRead = nullptr;
        old->deleteLater();
    }
}

void TServer::Sock1Read(TSock* sender, int /*count*/) {
    const int number = sender->Tag;
    if (number < 1 || number > kMaxConnections || m_connections[number] != sender) {
        return;
    }
    const QByteArray bytes = sender->Receive();
    std::vector<std::string> messages;
    const bool withinLimit = m_framers[number].feed(bytes.toStdString(), messages);
    for (std::string& message : messages) {
        if (!receivedlist.append(number, std::move(message)) &&
            m_dropped[static_cast<std::size_t>(number)]++ == 0) {
            log("connection " + std::to_string(number) +
                " sends faster than the table takes its lines: lines dropped");
        }
    }
    if (!withinLimit) {
        log("connection " + std::to_string(number) +
            " cut off: a message too long or too much data without an end");
        sender->Close();
    }
}

void TServer::tempsockDisconnect(TSock* sender) {
    const int number = sender->Tag;
    if (number >= 1 && number <= kPlayerRecords && m_game->players()[number].connected) {
        sender->Close();
    }
}

void TServer::tempsockInfo(TSock* sender, TSocketInfo /*info*/, const QString& msg) {
    if (msg == QLatin1String(protocol::kSocketClosed)) {
        // Nothing a connection sent acts after it has gone.
        const int number = sender->Tag;
        receivedlist.dropConnection(number);
        if (number >= 1 && number <= kPlayerRecords &&
            m_dropped[static_cast<std::size_t>(number)] > 0) {
            log("connection " + std::to_string(number) + ": " +
                std::to_string(m_dropped[static_cast<std::size_t>(number)]) + " lines dropped");
            m_dropped[static_cast<std::size_t>(number)] = 0;
        }
        m_game->departure(number);
        letWaitingIn();
    }
}

void TServer::send(int connection, const std::string& text) {
    TSock* sock =
        connection >= 1 && connection <= kPlayerRecords ? m_connections[connection] : nullptr;
    if (sock == nullptr || !sock->hasOpenHandle()) {
        return;
    }
    // No client takes a longer message: it is never sent.
    if (text.size() > wire::kMaxMessageBytes) {
        log("a message of " + std::to_string(text.size()) + " bytes to connection " +
            std::to_string(connection) + " was not sent");
        return;
    }
    sock->Send(QByteArray::fromStdString(wire::frame(text)));
    // A peer that does not read is not held in memory without end.
    if (sock->pendingOutput() > m_options.maxPendingOutput) {
        log("connection " + std::to_string(connection) + " closed: it does not read");
        sock->Close();
    }
}

void TServer::setTurnTimeoutMs(int ms) {
    m_options.turnTimeoutMs = ms;
    m_game->setTurnTimeoutMs(ms);
}

void TServer::armLoginDeadline() {
    // While someone waits for a number, a connection without a login has
    // less time before it gives its number up.
    const int limit = m_waiting.empty() || m_options.loginTimeoutMs <= 0
                          ? m_options.loginTimeoutMs
                          : std::min(m_options.loginTimeoutMs, kLoginGraceWhenWaitingMs);
    qint64 earliest = -1;
    for (int number = 1; number <= kPlayerRecords && limit > 0; ++number) {
        if (m_connections[static_cast<std::size_t>(number)] != nullptr &&
            m_game->players()[number].connected && !m_game->loggedIn(number)) {
            const qint64 due = m_acceptedAtMs[static_cast<std::size_t>(number)] + limit;
            earliest = earliest < 0 ? due : std::min(earliest, due);
        }
    }
    if (earliest < 0) {
        m_loginSweep.stop();
        return;
    }
    m_loginSweep.start(static_cast<int>(std::max<qint64>(0, earliest - m_clock.elapsed())));
}

void TServer::closeSilentConnections() {
    const int limit = m_waiting.empty() || m_options.loginTimeoutMs <= 0
                          ? m_options.loginTimeoutMs
                          : std::min(m_options.loginTimeoutMs, kLoginGraceWhenWaitingMs);
    for (int number = 1; number <= kPlayerRecords && limit > 0; ++number) {
        TSock* sock = m_connections[static_cast<std::size_t>(number)];
        if (sock == nullptr || !m_game->players()[number].connected || m_game->loggedIn(number)) {
            continue;
        }
        const qint64 age = m_clock.elapsed() - m_acceptedAtMs[static_cast<std::size_t>(number)];
        if (age >= limit) {
            log("connection " + std::to_string(number) + " closed: no login");
            sock->Close();
        }
    }
    armLoginDeadline();
}

void TServer::swapNumbers(int a, int b) {
    auto swapAt = [a, b](auto& table) {
        std::swap(table[static_cast<std::size_t>(a)], table[static_cast<std::size_t>(b)]);
    };
    swapAt(m_connections);
    swapAt(m_framers);
    swapAt(m_acceptedAtMs);
    swapAt(m_dropped);
    receivedlist.dropConnection(a);
    receivedlist.dropConnection(b);
    for (int number : {a, b}) {
        if (TSock* sock = m_connections[static_cast<std::size_t>(number)]) {
            sock->Tag = number;
        }
    }
}

void TServer::closeConnection(int connection) {
    if (connection >= 1 && connection <= kPlayerRecords && m_connections[connection]) {
        m_connections[connection]->Close();
    }
}

void TServer::timerChanged(Timer timer) {
    auto follow = [](QTimer& real, bool enabled, int intervalMs) {
        if (enabled) {
            real.start(intervalMs);
        } else {
            real.stop();
        }
    };
    switch (timer) {
    case Timer::Pause:
        follow(timer1, m_game->timer1().enabled, m_options.pauseMs);
        break;
    case Timer::Computer:
        follow(computertimer, m_game->computertimer().enabled, m_game->computertimer().intervalMs);
        break;
    case Timer::Turn:
        follow(turntimer, m_game->turntimer().enabled, m_game->turntimer().intervalMs);
        break;
    }
}

void TServer::botSpeedRequested(int ms) {
    if (onBotSpeedRequest) {
        onBotSpeedRequest(ms);
    }
}

void TServer::internalError(const std::string& text) {
    if (onInternalError) {
        onInternalError(QString::fromStdString(text));
    }
}

void TServer::log(const std::string& line) {
    if (onLog) {
        onLog(QString::fromStdString(line));
    }
}
