#pragma once

#include "playertable.h"

#include "wiremessage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the game asks of the world around it: sockets, timers and the person
// at the host. TServer carries these out with TSock and QTimer; tests and
// benchmarks carry them out in memory.
class HostEvents {
public:
    virtual ~HostEvents() = default;
    // One message to one connection: its text without the end byte.
    virtual void send(int connection, const std::string& text) = 0;
    // Close a connection; its "Socket Closed" report comes back as
    // HostGame::departure.
    virtual void closeConnection(int connection) = 0;
    // A timer was started (counting from zero) or stopped; its state is in
    // HostGame::timer1() or HostGame::computertimer().
    enum class Timer { Pause, Computer, Turn };
    virtual void timerChanged(Timer timer) = 0;
    // The delay of the computer players, read at every arming.
    virtual int botSpeedMs() = 0;
    // Connection 1 asked for another bot speed.
    virtual void botSpeedRequested(int /*ms*/) {}
    // Something that should never happen ("... Contact Orvane").
    virtual void internalError(const std::string& text) = 0;
    // One line for the host's log: connections, departures, games, rounds.
    virtual void log(const std::string& /*line*/) {}
    // Milliseconds on a clock that only goes forward, for rate limits.
    virtual std::int64_t nowMs();
};

// A timer as the rules see it: on or off, its interval and its tag.
struct GameTimer {
    bool enabled = false;
    int intervalMs = 1000;
    int tag = 0;
};

// The table host's rules: sessions and seats, the game and its rounds, trick
// play and the computer players. Plain C++ without sockets or timers; every
// input is a call (a received line, an accepted or closed connection, a timer
// expiry) and every output goes through HostEvents.
class HostGame {
public:
    static constexpr const char* kVersion = "1.0.9";
    static constexpr int kMaxPlayers = 6;
    // Names are cut to this many bytes (whole characters), chat lines to
    // this many characters.
    static constexpr std::size_t kMaxName = 32;
    static constexpr std::size_t kMaxChat = 1000;
    static constexpr int kLowestPlayTo = 50;
    static constexpr int kHighestPlayTo = 500;
    // What one connection may have relayed to the others: a burst, then a
    // steady rate; beyond it a line is dropped and its sender told.
    static constexpr double kRelayBurst = 10;
    static constexpr double kRelayPerSecond = 2;
    void setRelayLimits(double burst, double perSecond) {
        m_relayBurst = burst;
        m_relayPerSecond = perSecond;
        m_relays.fill(Allowance{burst});
    }

    explicit HostGame(HostEvents& events);
    // The dispatch table holds this object's address.
    HostGame(const HostGame&) = delete;
    HostGame& operator=(const HostGame&) = delete;

    // --- connections (sessions.cpp) ---
    // The number for a connection that is waiting: 1..9, or 10 when full.
    // A seat whose player dropped during this game goes first to a
    // connection from the same address, so the player can take it back.
    int chooseConnectionNumber(const std::string& address = std::string());
    // The connection was accepted onto its number.
    void connectionAccepted(int number, const std::string& address = std::string());
    // The connection turned away on record 10 gets its answer.
    static std::string fullMessage() { return "CMD_full+"; }
    // A received line from a connection: checked against the sender and
    // dispatched by its command word.
    void receive(int connection, const std::string& line);
    // The connection of a number reported "Socket Closed".
    void departure(int number);

    // A headless host (hearts-server) has no player of its own: connection
    // 1 is a remote player like any other, whose seat the computer takes
    // over when the player drops. In a hosting program it is the person at
    // the host, and the table ends with them.
    void setHeadless(bool headless) { m_headless = headless; }
    // When two or more people sit at the table, a person who has not moved
    // (passed or played) this long has the move made by the computer; after
    // three such moves in a row the computer keeps the seat, as for a
    // player who just watches, until the player takes it back. 0: no limit.
    void setTurnTimeoutMs(int ms) { m_turnTimeoutMs = ms; }
    static constexpr int kTimeoutsBeforeWatching = 3;

    // --- timers ---
    void timer1Timer();
    void computertimerTimer();
    void turntimerTimer();
    const GameTimer& timer1() const { return m_timer1; }
    const GameTimer& computertimer() const { return m_computertimer; }
    const GameTimer& turntimer() const { return m_turntimer; }
    // Whether a connection has sent its login.
    bool loggedIn(int number) const;

    // --- state, for the host's window and for tests ---
    const PlayerTable& players() const { return m_players; }
    PlayerTable& players() { return m_players; }
    int slotcount() const { return m_slotcount; }
    bool gamestarted() const { return m_gamestarted; }
    int playto() const { return m_playto; }
    bool safefirsttrick() const { return m_safefirsttrick; }
    int roundnum() const { return m_roundnum; }
    int passdir() const { return m_passdir; }
    const std::string& phase() const { return m_phase; }
    int turn() const { return m_turn; }
    int ledcard() const { return m_ledcard; }
    int leader() const { return m_leader; }
    bool lead2clubs() const { return m_lead2clubs; }
    bool heartsbroken() const { return m_heartsbroken; }
    bool firsttrick() const { return m_firsttrick; }
    int pointstaker() const { return m_pointstaker; }
    // A seat that nobody plays right now: empty, left, or just watching.
    bool isComputerSeat(int seat) const;

    // What the table's announcement tells the network.
    struct TableInfo {
        std::string hostName; // connection 1's player
        int people = 0;       // seats played by people
        int watchers = 0;
        bool inGame = false;
    };
    TableInfo tableInfo() const;
    // The player who dropped from a seat during this game, kept until the
    // seat is taken back or the game ends; empty when none.
    const std::string& droppedName(int seat) const;

    // --- message handlers, as a client's message or a computer move reaches them ---
    void receivedlogininfo(const std::string& data);
    void kickhim(const std::string& data);
    void botspeed(const std::string& data);
    void chat(const std::string& data);
    void action(const std::string& data);
    void justwatch(const std::string& data);
    void playasound(const std::string& data);
    void startgame(const std::string& data);
    void passcards(const std::string& data);
    void playcard(const std::string& data);

    // --- rules, public so that tests can set up a position and run one ---
    void shufflecards();
    void dealcards();
    void startround();
    void findplayerwith2();
    void findplayer();
    void starthand();
    void endround();
    bool checkforwin();
    void endtrick();
    bool checkforsuit(int seat) const;
    bool checkforother(int seat) const;
    void computerpass(int seat);
    bool computerpickpass(int seat, int slot);
    void computerplay(int seat);
    void computerleadcard(int seat);
    bool computerfollowqueen(int seat);
    bool computerfindfollow(int seat);
    bool computerthrowpointshoot(int seat);
    bool computerthrowpointnoshoot(int seat);
    bool computerthrowany(int seat);
    void disconnectsock(int number);

    // Test set-up of a position.
    void setTrickState(int ledcard, int leader) {
        m_ledcard = ledcard;
        m_leader = leader;
    }
    void setRoundFlags(bool firsttrick, bool safefirsttrick, bool heartsbroken, int pointstaker) {
        m_firsttrick = firsttrick;
        m_safefirsttrick = safefirsttrick;
        m_heartsbroken = heartsbroken;
        m_pointstaker = pointstaker;
    }
    void setPlay(int turn) {
        m_phase = "play";
        m_turn = turn;
    }
    void setLead2clubs(bool on) { m_lead2clubs = on; }
    void setScores(int playto, std::array<int, 4> scores);

private:
    // Sends to every connection in use, in ascending number.
    void sendAll(const std::string& text);
    void sendTo(int number, const std::string& text);
    bool connected(int number) const;
    void startComputerTimer();
    void stopComputerTimer();
    void startTimer1(int tag, int countdown);
    void stopTimer1();
    void computerTakesOver(int seat);
    // The computer's restriction: no point card on a safe first trick.
    bool restricted() const { return m_firsttrick && m_safefirsttrick; }
    bool holdsOnlyPointCards(int seat) const;
    int slotOf(int seat, int card) const;
    void submitPlay(int seat, int slot);
    void acceptCard(int seat, int slot, int card, int cardsLeft);
    void refuse(int seat, int code, int card = 0);
    void afterAcceptedCard(int card);

    std::vector<wire::Route> makeRoutes();

    void forgetDroppedPlayers();
    // Takes one relay from a connection's allowance; false when it is spent.
    bool mayRelay(int number);
    // Seats that people sit in now.
    int peopleSeated() const;
    // Starts the time for the seat or seats to move, when it applies.
    void armTurnDeadline();
    void stopTurnDeadline();
    // The time was up for a seat: the computer moves for it.
    void movedForBy(int seat);
    void statusToAll(const std::string& text);

    HostEvents& m_events;
    std::vector<wire::Route> m_routes;
    // Per seat: who dropped from it during this game, and from where.
    struct DroppedPlayer {
        std::string name;
        std::string address;
    };
    std::array<DroppedPlayer, kSeats + 1> m_dropped{};
    bool m_headless = false;
    struct Allowance {
        double lines = kRelayBurst;
        std::int64_t atMs = -1;
        bool told = false;
    };
    double m_relayBurst = kRelayBurst;
    double m_relayPerSecond = kRelayPerSecond;
    std::array<Allowance, kPlayerRecords + 1> m_relays{};
    int m_turnTimeoutMs = 0;
    std::array<int, kSeats + 1> m_timeouts{};
    std::array<bool, kPlayerRecords + 1> m_loggedIn{};
    PlayerTable m_players;
    int m_slotcount = 0;
    bool m_gamestarted = false;

    int m_playto = 0;
    bool m_safefirsttrick = false;
    int m_roundnum = 0;
    int m_passdir = 0;
    std::string m_phase;
    int m_turn = 0;
    bool m_lead2clubs = false;
    bool m_heartsbroken = false;
    bool m_firsttrick = false;
    int m_pointstaker = 0;
    int m_nextturn = 0;
    int m_countdown = 0;
    int m_ledcard = 0;
    int m_leader = 0;
    std::array<int, 53> m_deck{};

    GameTimer m_timer1{false, 1000, 0};
    // On at creation with tag 0: its first expiry only switches it off.
    GameTimer m_computertimer{true, 1000, 0};
    GameTimer m_turntimer{false, 60000, 0};
};
