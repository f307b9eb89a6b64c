#pragma once

#include "routeropener.h"

#include "protocol.h"
#include "tsock.h"

#include <QObject>
#include <QString>
#include <QStringList>

class ClientConnection;
class TServer;
class TableState;

// How this copy comes to a table: a solo game, hosting a table, or joining
// one, from the command line or from the menu; and leaving a table for
// another. It owns the lobby link and knows the ports.
class Launcher : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = protocol::kPort;
    static constexpr quint16 kLobbyPort = 9001;

    struct Ports {
        // The table's TCP port: HEARTS_PORT, else 7772.
        quint16 table = kDefaultPort;
        // The lobby program's port on this machine: HEARTS_LOBBY_PORT, else 9001.
        quint16 lobby = kLobbyPort;
        // UDP port of the table announcements.
        quint16 announce = protocol::kPort;
        static Ports fromEnvironment();
    };

    // Where this copy is: at no table yet, in its own solo game, hosting a
    // table for others, or at another copy's table.
    enum class Mode { None, Solo, Hosting, Joined };

    Launcher(ClientConnection& client, TableState& table, QObject* parent = nullptr);
    ~Launcher() override;

    void setServer(TServer* server) { m_server = server; }
    void setPorts(const Ports& ports) { m_ports = ports; }
    const Ports& ports() const { return m_ports; }
    void setAnnounce(bool on) { m_announce = on; }
    // Whether a table hosted from now on asks the home router to open its
    // port (the player's choice in the Host window).
    void setOpenRouter(bool on) { m_openRouter = on; }

    // The launch the command line asks for (after the first paint).
    void processparams(const QStringList& params);
    // A solo game: the host on the table port, or on a free port of this
    // machine when that one is taken.
    bool startSolo();
    // Hosts a table for others; answers false (with a message) when the
    // port cannot be had.
    bool host(const QString& playerName, const QString& tableName);
    // Goes to another copy's table. A solo game in play waits meanwhile,
    // its seat kept, until the player is seated there (joined()), so that a
    // table that cannot be reached leaves the solo game as it was.
    void join(const QString& playerName, const QString& address, quint16 port);
    // The table joined has seated the player: a solo game left waiting ends.
    void joined();
    // Connects again to the table last joined.
    void retry();
    // Back to the solo game left for a table that could not be reached, or
    // a new one.
    void backToSolo();
    // Leaves the table (closing it when hosting) without a word to the player.
    void leave();

    bool hosting() const { return m_hosting; }
    Mode mode() const { return m_mode; }
    // A solo game waits while another table is tried.
    bool soloWaiting() const { return m_soloWaiting; }
    const QString& address() const { return m_address; }
    quint16 port() const { return m_port; }
    // The address that friends on the network should use to join.
    static QString addressForFriends();
    // A global IPv6 address of this machine, which friends with IPv6 reach
    // without any router's help; empty when it has none.
    static QString globalIpv6Address();

signals:
    // The router answered about the hosted table's port.
    void routerOpened(const router::Mapping& mapping);
    void statusLine(const QString& line);
    void message(const QString& text);
    // Hosting began or ended: the start button and the host's menu items.
    void hostingChanged(bool hosting);
    // A solo game started: the lobby download window may show.
    void soloStarted();
    void modeChanged(Launcher::Mode mode);

private:
    bool listen(const QString& bindAddress, quint16 port);
    void setMode(Mode mode);
    void connectOwnClient(const QString& playerName);
    void connectLobbyLink();

    ClientConnection& m_client;
    TableState& m_table;
    TServer* m_server = nullptr;
    Ports m_ports;
    bool m_announce = true;
    bool m_openRouter = false;
    RouterOpener* m_router = nullptr;
    QString m_tableName;
    bool m_hosting = false;
    Mode m_mode = Mode::None;
    bool m_soloWaiting = false;
    QString m_playerName;
    QString m_address;
    quint16 m_port = 0;
    TSock Sock11;
};
