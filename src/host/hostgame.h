#pragma once

#include "players.h"
#include "playertable.h"
#include "round.h"

#include "protocol.h"
#include "wiremessage.h"

#include <array>
#include <cstdint>
#include <optional>
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
    // The connections holding numbers a and b (either may be nobody) trade
    // numbers: from now on each sends and receives under its new number,
    // and what either sent before and is still waiting is dropped.
    virtual void swapNumbers(int /*a*/, int /*b*/) {}
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
    // Whether log lines are wanted at all: none is made when not.
    virtual bool wantsLog() { return true; }
    // Milliseconds on a clock that only goes forward, for rate limits.
    virtual std::int64_t nowMs();
    // A Strong computer seat's card is to be searched for, from this
    // position. A host that answers true searches elsewhere (off its own
    // thread) and hands the card to HostGame::searchDone; on false the game
    // searches at once.
    struct SearchRequest {
        hearts::Round round;
        int seat = 0;
        int roundNumber = 0;
        std::uint64_t seed = 0;
        std::uint64_t serial = 0; // only the latest search's answer counts
        hearts::Level level = hearts::Level::Strong;
    };
    virtual bool startSearch(const SearchRequest& /*request*/) { return false; }
};

// Why the pause timer runs, as its tag: the next round after ten ticks, the
// next trick's lead after three, the next turn one tick after the queen.
enum class Pause : int { None = 0, NextRound = 2, NextTrick = 3, AfterQueen = 4 };

// What the computer's timer is armed for: nothing yet (its first expiry
// after the host starts only switches it off), or a computer move.
enum class ComputerTimerTag : int { Idle = 0, Move = 2 };
// The turn timer runs out a person's time to move.
enum class TurnTimerTag : int { Idle = 0, Deadline = 1 };

// A timer as the rules see it: on or off, its interval and its tag.
template <typename Tag> struct GameTimer {
    bool enabled = false;
    int intervalMs = 1000;
    Tag tag{};
};

// The table host's rules: sessions and seats, the game and its rounds, trick
// play and the computer players. Plain C++ without sockets or timers; every
// input is a call (a received line, an accepted or closed connection, a timer
// expiry) and every output goes through HostEvents.
class HostGame {
public:
    static constexpr const char* kVersion = protocol::kVersion;
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
    // The events hold this object's address.
    HostGame(const HostGame&) = delete;
    HostGame& operator=(const HostGame&) = delete;

    // --- connections (sessions.cpp) ---
    // The number for a connection that is waiting: 1..9, or 10 when full.
    // A seat kept for a player who dropped is given only when no other
    // number is free, and then only until the login shows who came: the
    // seat's own player keeps it, anyone else is told the table is full.
    int chooseConnectionNumber(const std::string& address = std::string());
    // The connection was accepted onto its number.
    void connectionAccepted(int number, const std::string& address = std::string());
    // The connection turned away on record 10 gets its answer.
    static std::string fullMessage() { return protocol::build(protocol::Command::Full); }
    // A received line from a connection: read and checked by the protocol,
    // held to who may ask it, and handled (requests.cpp).
    void receive(int connection, std::string_view line);
    // The connection of a number reported "Socket Closed".
    void departure(int number);
    // The commands the host handles.
    static std::vector<protocol::Command> handledCommands();

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
    const GameTimer<Pause>& timer1() const { return m_timer1; }
    const GameTimer<ComputerTimerTag>& computertimer() const { return m_computertimer; }
    const GameTimer<TurnTimerTag>& turntimer() const { return m_turntimer; }
    // Whether a connection has sent its login. Until it has, it holds its
    // number and nothing else: it is sent nothing, its requests count for
    // nothing, and the computer plays its seat.
    bool loggedIn(int number) const;
    // A seat kept for a player who dropped stays theirs this long at most.
    static constexpr std::int64_t kKeptSeatMs = 5 * 60 * 1000;

    // --- state, for the host's window and for tests ---
    const PlayerTable& players() const { return m_players; }
    PlayerTable& players() { return m_players; }
    int slotcount() const { return m_slotcount; }
    bool gamestarted() const { return m_gamestarted; }
    int playto() const { return m_playto; }
    bool safefirsttrick() const { return m_safefirsttrick; }
    // The house rules of the game on.
    const hearts::HouseRules& houseRules() const { return m_round.rules; }
    // A table whose rules are fixed (hearts-server --house-rules) plays them
    // in every game; otherwise each game plays what its starter asks for.
    void setTableRules(std::optional<hearts::HouseRules> rules) { m_tableRules = rules; }
    // Whether players at this table may ask for hints; every player is told
    // when it changes, and a newcomer while it is allowed.
    void setHintsAllowed(bool allowed);
    bool hintsAllowed() const { return m_hintsAllowed; }
    int roundnum() const { return m_roundnum; }
    // The round being played: hands, trick, passing and flags.
    const hearts::Round& round() const { return m_round; }
    // The phase's word on the wire: "pass", "play" or empty.
    const char* phase() const;
    int turn() const { return m_round.turn; }
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
    // seat is taken back, the game ends or kKeptSeatMs have passed; empty
    // when none.
    const std::string& droppedName(int seat) const;

    // --- what a game does, as values ---
    // A game starts (the first round is dealt at once).
    void startGame(const std::string& starter, int playTo, bool safeFirstTrick,
                   const hearts::HouseRules& rules = {});
    // A seat passes three slots; a seat plays a slot. The checks are the
    // rules'; what comes of them goes out as messages.
    void pass(int seat, const std::array<int, 3>& slots);
    void play(int seat, int slot);
    // The computer moves for a seat now: its pass, or its card when it is
    // the seat's turn.
    void computerMove(int seat);

    // How the computer plays each seat 1..4 (Classic unless set).
    using Levels = std::array<hearts::Level, kSeats + 1>;
    void setLevels(const Levels& levels) { m_levels = levels; }
    const Levels& levels() const { return m_levels; }
    // A search started through HostEvents::startSearch found its card: it is
    // played when the table is still where the search began.
    void searchDone(const HostEvents::SearchRequest& request, int slot);

private:
    // The house rules in code and in words, to one connection.
    void sendHouseRulesTo(int number, const hearts::HouseRules& rules);
    // --- request handlers: the fields are checked, the sender may ask ---
    struct Requests;
    void receivedlogininfo(int sender, const protocol::Message& message);
    void kickhim(int sender, const protocol::Message& message);
    void botspeed(int sender, const protocol::Message& message);
    void chat(int sender, const protocol::Message& message);
    void action(int sender, const protocol::Message& message);
    void justwatch(int sender, const protocol::Message& message);
    void playasound(int sender, const protocol::Message& message);
    void startgame(int sender, const protocol::Message& message);
    void passcards(int sender, const protocol::Message& message);
    void playcard(int sender, const protocol::Message& message);

    // --- the course of a game ---
    void startround();
    void findplayerwith2();
    void findplayer();
    void starthand();
    void endround();
    bool checkforwin();
    void endtrick();
    void computerpass(int seat);
    bool playsStrong(int seat) const;
    void computerplay(int seat);
    void disconnectsock(int number);

    // Sends to every connection in use, in ascending number; the text is
    // made only when somebody is there to get it.
    template <typename Make> void sendAll(Make&& make) {
        if (anyConnected()) {
            const std::string text = make();
            for (int number = 1; number <= m_slotcount; ++number) {
                sendTo(number, text);
            }
        }
    }
    template <typename Make> void logLine(Make&& make) {
        if (m_events.wantsLog()) {
            m_events.log(make());
        }
    }
    void sendTo(int number, const std::string& text);
    bool connected(int number) const;
    bool anyConnected() const;
    void startComputerTimer();
    void stopComputerTimer();
    void startTimer1(Pause reason, int countdown);
    void stopTimer1();
    void computerTakesOver(int seat);
    // Logged in: the number is someone's.
    bool present(int number) const;
    // The seat kept for this name from this address, or 0.
    int keptSeatFor(const std::string& name, const std::string& address);
    bool seatKept(int seat);
    void forgetExpiredSeats();
    // The name, or the name with " (2)", " (3)" ... when someone else at
    // the table has it already or a seat is kept for it.
    std::string uniqueName(const std::string& name, int number) const;
    // Numbers a and b trade their connections (see HostEvents::swapNumbers).
    void swapConnections(int a, int b);
    // A login whose name and address match a seat kept for another number
    // moves there; a stranger on a kept seat is turned away. Answers
    // whether the login goes on under its number.
    bool placeLogin(int number, const std::string& name);
    // What someone who logs in during a game is told of it: their cards,
    // the table, the trick so far in its order, a pause's trick or round,
    // and who just watches (tableview.cpp).
    void sendTableTo(int number);
    std::string gamestatsFor() const;
    void refuse(int seat, hearts::Refusal refusal, int card);
    void afterAcceptedCard(int card);

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
    // Per seat: who dropped from it during this game, and from where.
    struct DroppedPlayer {
        std::string name;
        std::string address;
        std::int64_t atMs = 0;
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
    std::optional<hearts::HouseRules> m_tableRules;
    bool m_hintsAllowed = false;
    int m_roundnum = 0;
    hearts::Round m_round;
    // The cards of the trick on the table in the order played, kept through
    // the pause after it (and after the round's last trick) until the next
    // lead; its taker once taken. The round's message after its last trick.
    struct TrickSeen {
        std::array<int, kSeats> seats{};
        std::array<int, kSeats> cards{};
        int count = 0;
        int taker = 0;
    };
    TrickSeen m_trickSeen;
    std::string m_endroundText;
    int m_nextturn = 0;
    int m_countdown = 0;

    Levels m_levels{};
    // The generator's seed when the game started: the Strong seats' own
    // decisions draw from it, never from the game's generator.
    std::uint32_t m_gameSeed = 0;
    // Counts the searches started and the games started: an answer from
    // before either is not for this table.
    std::uint64_t m_searchSerial = 0;

    GameTimer<Pause> m_timer1{false, 1000, Pause::None};
    // On at creation with tag 0: its first expiry only switches it off.
    GameTimer<ComputerTimerTag> m_computertimer{true, 1000, ComputerTimerTag::Idle};
    GameTimer<TurnTimerTag> m_turntimer{false, 60000, TurnTimerTag::Idle};
};
