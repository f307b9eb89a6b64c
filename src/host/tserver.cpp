#include "tserver.h"

TServer::TServer(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)),
      m_game(std::make_unique<HostGame>(static_cast<HostEvents&>(*this))),
      receivedlist(
          m_options.socktimerMs,
          [this](int tagged, const std::string& line) {
              // A line from a connection that has since gone is not taken as
              // the word of a newcomer who got the same number.
              const int number = tagged & 0xFF;
              if (tagged == 0 || tagged >> 8 == m_serials[static_cast<std::size_t>(number)]) {
                  m_game->receive(number, line);
              }
          },
          this) {
    m_game->setHeadless(m_options.headless);
    Sock1.setPortName(m_options.port);
    Sock1.OnAccept = [this](TSock* sender) { Sock1Accept(sender); };
    Sock1.OnRead = [this](TSock* sender, int count) { Sock1Read(sender, count); };
    // The received list starts with one line that is no message.
    receivedlist.append(0, std::string());

    timer1.setTimerType(Qt::PreciseTimer);
    computertimer.setTimerType(Qt::PreciseTimer);
    connect(&timer1, &QTimer::timeout, this, [this] { m_game->timer1Timer(); });
    connect(&computertimer, &QTimer::timeout, this, [this] { m_game->computertimerTimer(); });
    timerChanged(Timer::Computer);
}

TServer::~TServer() {
    dropConnections();
}

void TServer::dropConnections() {
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
    const std::string address = accepted->HostName().toStdString();
    const int number = m_game->chooseConnectionNumber(address);
    if (number == kRefusedRecord) {
        accepted->OnRead = nullptr;
        accepted->Send(QByteArray::fromStdString(wire::frame(HostGame::fullMessage())));
        accepted->Close();
        accepted->deleteLater();
        log("connection refused: the table is full");
        return;
    }
    releaseConnection(number);
    m_connections[number] = accepted;
    m_framers[number] = wire::Framer();
    ++m_serials[static_cast<std::size_t>(number)];
    accepted->Tag = number;
    accepted->OnDisconnect = [this](TSock* s) { tempsockDisconnect(s); };
    accepted->OnInfo = [this](TSock* s, TSocketInfo info, const QString& msg) {
        tempsockInfo(s, info, msg);
    };
    m_game->connectionAccepted(number, address);
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
        receivedlist.append(m_serials[static_cast<std::size_t>(number)] << 8 | number,
                            std::move(message));
    }
    if (!withinLimit) {
        log("connection " + std::to_string(number) + " cut off: too much data without an end");
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
    if (msg == QLatin1String("Socket Closed")) {
        m_game->departure(sender->Tag);
    }
}

void TServer::send(int connection, const std::string& text) {
    TSock* sock =
        connection >= 1 && connection <= kPlayerRecords ? m_connections[connection] : nullptr;
    if (sock != nullptr && sock->hasOpenHandle()) {
        sock->Send(QByteArray::fromStdString(wire::frame(text)));
    }
}

void TServer::closeConnection(int connection) {
    if (connection >= 1 && connection <= kPlayerRecords && m_connections[connection]) {
        m_connections[connection]->Close();
    }
}

void TServer::timerChanged(Timer timer) {
    const bool pause = timer == Timer::Pause;
    const GameTimer& state = pause ? m_game->timer1() : m_game->computertimer();
    QTimer& real = pause ? timer1 : computertimer;
    if (state.enabled) {
        real.start(pause ? m_options.pauseMs : state.intervalMs);
    } else {
        real.stop();
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
