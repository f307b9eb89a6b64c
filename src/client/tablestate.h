#pragma once

#include "hand.h"
#include "houserules.h"
#include "legality.h"
#include "protocol.h"
#include "seatmap.h"
#include "seatview.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The sound of a moment of the game; the program plays its recording.
enum class Cue : std::uint8_t {
    Entered,
    Turn,
    TurnNew,
    PlaceCard,
    Queen,
    TurnOverGood,
    TurnOverBad,
    RoundOver,
    Winner,
    Error,
    Click,
    // The first heart of a round ("Oooh"), the queen of spades taken ("Oh No").
    HeartsBroken,
    QueenTaken,
};
// The name of a cue's recording: "ENTERED", "TURNNEW" ...
const char* recordingOf(Cue cue);

// A game I sat in has ended: my own win, or another's.
struct GameResult {
    bool mine = false;
    std::string winner; // the winner's name as the host gave it
};

// What the table's model says to the world around it: the line to the host,
// the lines, sounds and boxes for the player, and the moments the program
// acts on. Every call may be left as it is here: nothing happens.
class TableEvents {
public:
    virtual ~TableEvents() = default;
    virtual void send(const std::string& /*line*/) {}
    // A chat line ("0+" and a text) for the chat view.
    virtual void statusLine(const std::string& /*line*/) {}
    virtual void sound(Cue /*cue*/) {}
    virtual void messageBox(const std::string& /*text*/) {}
    // Anything the views draw may have changed.
    virtual void changed() {}
    // The own arrival: the settings file is applied now.
    virtual void ownArrival() {}
    virtual void watchersChanged() {}
    // The start button was pressed while connected.
    virtual void startDialogRequested() {}
    virtual void gameRecorded(const GameResult& /*result*/) {}
    // The host turned this client away.
    virtual void tableFull() {}
    // A game has ended, for everyone at the table.
    virtual void gameOver() {}
    // What a screen reader says as it happens: each status, each card
    // played, a trick's taker and points, a round's scores, the winner.
    virtual void announce(const std::string& /*text*/) {}
};

// The client's model of the table: everything the host has told this client
// and what its player has chosen, with no widget in sight. It applies host
// messages one at a time and takes the player's input; views draw it and
// hear of every change through its events. Seats are numbered 1..4 as the
// host numbers them; views map them to display positions with `seatMap`.
class TableState {
public:
    static constexpr int kSeats = 4;
    static constexpr int kPlaces = 13;
    static constexpr int kSlots = 13;
    static constexpr int kConnections = 9;
    static constexpr const char* kVersion = protocol::kVersion;
    static constexpr const char* kWaiting = "<Waiting>";

    // Who a seat's name stands for.
    enum class Occupant { Waiting, Computer, Person };

    struct Seat {
        Occupant occupant = Occupant::Waiting;
        std::string name; // a person's name
        int tricks = 0;
        int score = 0;
        // The opponent's hand, drawn as backs while shown.
        int cardsHeld = 0;
        bool backsShown = false;
        bool watching = false;
        // Marks of the moment: took the last trick, points of the round,
        // shot the moon, won the game.
        bool trickWinner = false;
        int taken = 0;
        bool takenShown = false;
        bool moon = false;
        bool winner = false;
    };

    // The cards of one trick by seat, in the order they came.
    struct Trick {
        std::array<int, kSeats + 1> cards{}; // [1..4], 0 = none yet
        std::array<int, kSeats> order{};     // seats in play order
        int count = 0;
        int leader = 0;
        int taker = 0;
        int ledCard() const { return leader != 0 ? cards[static_cast<std::size_t>(leader)] : 0; }
        bool empty() const { return count == 0; }
    };

    // A seat at the end of a game: its place (1 the winner; equal scores
    // share one), score, the rounds it took the fewest points in, the moons
    // it shot and the queens of spades it took.
    struct Standing {
        int seat = 0;
        int place = 0;
        std::string name;
        int score = 0;
        int roundsWon = 0;
        int moons = 0;
        int queens = 0;
    };

    // One line of the score sheet.
    struct RoundRecord {
        std::string round;
        std::array<int, kSeats + 1> points{}; // [1..4]
        std::array<int, kSeats + 1> totals{}; // [1..4]
        int moon = 0;
        int queenTaker = 0;
    };

    // The player's hand as it is shown: its cards by slot, where each
    // stands, and its marks.
    struct HandView {
        // The slot at each place 0..12 from the left; 0 = free. The taken
        // places form an unbroken run from place 0, sorted by card.
        std::array<int, kPlaces> places{};
        hearts::Hand cards;                      // card by slot 1..13
        std::array<bool, kSlots + 1> raised{};   // raised cards by slot
        std::array<bool, kSlots + 1> received{}; // received in the pass
        int count() const;
        int placeOf(int slot) const;
    };

    TableState();
    // The events go here from now on (nowhere when null). The model does not
    // own them.
    void setEvents(TableEvents* events) { m_events = events; }
    // Forgets the table for a new one; keeps the player's name, options and
    // events.
    void reset();
    // The host has gone: the table stays in view, nothing can be played.
    void hostClosed();

    // The host's messages this model handles.
    static std::vector<protocol::Command> handledCommands();
    // Handles one message the protocol has read and checked.
    void handle(const protocol::Message& message);
    // Reads and handles one received line; answers whether it was one of
    // the model's messages with its fields in order.
    bool apply(std::string_view line);

    // --- the player's input ---
    void setPlayerName(const std::string& name) { m_playerName = name; }
    void setHostFlag(bool host);
    // A card chosen by click or key: chosen to pass, or played.
    void chooseCard(int slot);
    void passButton();
    void startButton();
    // Options > "Just Watch": asks the host; its answer moves the mark.
    void justWatchClicked();
    // The host's seat popup: remove, or let the computer play the seat or
    // give it back.
    void kickConnection(int number);
    void setSeatWatching(int seat, protocol::WatchMode mode);
    // Bot speed as chosen from the menu (told to the host) or read from the
    // settings file (not told).
    void chooseBotSpeed(int ms);
    void setBotSpeed(int ms);
    // Asks the host to start a game; house rules other than the standard
    // game's go with it (a host before house rules plays the standard game).
    void sendStartGame(const std::string& playto, int safe, const hearts::HouseRules& rules = {});
    // Options > "Turn Sound": 0 "Classic", 1 "New".
    void setTurnSound(int tag) { m_turnSoundNew = tag == 1; }
    int turnSound() const { return m_turnSoundNew ? 1 : 0; }
    // The cues a player may turn off, each heard once for its moment in
    // place of the card's or the trick's own sound.
    struct CueChoices {
        bool turn = true;         // my turn to play
        bool heartsBroken = true; // the round's first heart
        bool queenTaken = true;   // the trick with the queen of spades taken
        bool operator==(const CueChoices&) const = default;
    };
    void setCueChoices(const CueChoices& choices) { m_cues = choices; }
    const CueChoices& cueChoices() const { return m_cues; }

    // --- what the views draw ---
    const std::string& playerName() const { return m_playerName; }
    int mySeat() const { return m_mySeat; }
    bool connected() const { return m_connected; }
    bool isSeat(int seat) const { return seat >= 1 && seat <= kSeats; }
    bool seated() const { return isSeat(m_mySeat); }
    const SeatMap& seatMap() const { return m_seatMap; }
    const Seat& seat(int seat) const { return m_seats[static_cast<std::size_t>(seat)]; }
    // The text a seat's name shows.
    std::string seatName(int seat) const;
    // The names at the other seats, people and computer players alike: the
    // opponents a finished game is counted against.
    std::vector<std::string> opponentNames() const;
    int turnSeat() const { return m_turnSeat; }
    // The seat whose turn arrow shows, 0 for none.
    int turnMark() const { return m_turnMark; }
    bool myTurn() const { return seated() && m_turnSeat == m_mySeat; }
    const HandView& hand() const { return m_hand; }
    const std::array<int, 3>& passSelection() const { return m_passSelection; }
    bool passingOpen() const { return m_passingOpen; }
    // The passing arrow shown: 1 left, 2 right, 3 across, 0 none.
    int passArrow() const { return m_passArrow; }
    bool passButtonShown() const { return m_passButtonShown; }
    bool startButtonShown() const { return m_startButtonShown; }
    bool hostFlag() const { return m_hostFlag; }
    const Trick& trick() const { return m_trick; }
    const Trick& lastTrick() const { return m_lastTrick; }
    const std::vector<RoundRecord>& rounds() const { return m_rounds; }
    // The seats from the lowest score up, with what they did in this game.
    std::vector<Standing> standings() const;
    bool heartsBroken() const { return m_heartsBroken; }
    const std::string& statusText() const { return m_statusText; }
    const std::string& roundText() const { return m_roundText; }
    const std::string& playToText() const { return m_playToText; }
    bool safeShown() const { return m_safe; }
    // What my seat knows of the round now, as the Strong player reads it.
    hearts::SeatView seatView() const;
    // The slot of the card the Strong player would play in my place now,
    // from what my seat knows alone; 0 when it is not my turn to play.
    int hintSlot() const;
    // Raises the hint's card and says which it is; answers its slot, or 0
    // when there is none or (saying so) when hints are not allowed here.
    int showHint(bool allowed);
    // Whether the host allows hints (a solo game's host always may).
    bool hintsAllowed() const { return m_hintsAllowed; }
    // The house rules of the game on, as the host told them.
    const hearts::HouseRules& houseRules() const { return m_houseRules; }
    bool gameRunning() const { return m_gameRunning; }
    bool justWatching() const { return m_justWatching; }
    int botSpeed() const { return m_botSpeed; }
    // "<number>: <name>" per watcher.
    const std::vector<std::string>& watchers() const { return m_watchers; }
    // Whether the player may play the card in a slot now, as far as this
    // client knows; the host stays the judge. True whenever it is not my
    // turn to play.
    bool mayPlay(int slot) const;
    // Why the rules refuse the card in a slot now, as far as this client
    // knows; None when they do not, or when it is not my turn to play.
    hearts::Refusal refusalOf(int slot) const;
    bool playing() const { return myTurn() && !m_passingOpen; }
    // What the table shows, in words: the cards of the trick in the order
    // they came, and a seat's name, counts and cards left.
    std::string trickSummary() const;
    std::string seatSummary(int seat) const;

private:
    struct Handlers;
    Seat& seatAt(int seat) { return m_seats[static_cast<std::size_t>(seat)]; }
    std::string fallbackName(int seat) const;
    // The status line; a new one is also announced unless `announced`
    // says the caller tells more than it.
    void setStatus(std::string text, bool announced = true);
    // Who a sentence names for a seat: "You" for the player's own.
    std::string subjectOf(int seat) const;
    void clearall();
    void createcard(int slot, int card);
    void sortthem();
    void usecard(int slot);
    void lowerAll();
    void clearTrickMarks();
    void closePassing();
    void sendPlay(int slot);
    void togglePass(int slot);

    // Host messages, with their fields checked.
    using Message = protocol::Message;
    void sendloginfo(const Message& message);
    void newplayerinfo(const Message& message);
    void playerdisconnected(const Message& message);
    void justwatching(const Message& message);
    void startthegame(const Message& message);
    void houserules(const Message& message);
    void hints(const Message& message);
    void startround(const Message& message);
    void getnextplayer(const Message& message);
    void heplayed(const Message& message);
    void tooktrick(const Message& message);
    void endround(const Message& message);
    void gamestats(const Message& message);
    void winner(const Message& message);
    void error(const Message& message);
    void mycards(const Message& message);
    void passcards(const Message& message);
    void passedcards(const Message& message);
    void heusecard(const Message& message);
    void havewrongversion(const Message& message);
    void wrongversion(const Message& message);
    void full(const Message& message);

    TableEvents& events() const;
    TableEvents* m_events = nullptr;
    std::string m_playerName;
    int m_mySeat = 0;
    bool m_connected = false;
    bool m_hostFlag = false;
    SeatMap m_seatMap;
    std::array<Seat, kSeats + 1> m_seats{};
    std::vector<std::string> m_watchers;
    int m_turnSeat = 0;
    int m_turnMark = 0;
    HandView m_hand;
    std::array<int, 3> m_passSelection{};
    bool m_passingOpen = false;
    int m_passArrow = 0;
    bool m_passButtonShown = false;
    // Cards that come after my pass was taken are the received ones.
    bool m_expectingReceived = false;
    bool m_startButtonShown = false;
    Trick m_trick;
    Trick m_lastTrick;
    int m_tricksDone = 0;
    bool m_heartsBroken = false;
    int m_queenTaker = 0;
    // What my seat has seen of the round, for a hint: the cards played, the
    // voids shown, the points taken, and the cards I passed and to whom.
    struct RoundSeen {
        hearts::CardMask played = 0;
        std::array<std::uint8_t, kSeats + 1> voids{};
        std::array<int, kSeats + 1> points{};
        int pointsTaker = 0;
        int jackTaker = 0;
        int passDirection = 0;
        int passedTo = 0;
        hearts::CardMask passed = 0;
    };
    RoundSeen m_seen;
    std::vector<RoundRecord> m_rounds;
    std::string m_statusText = "Welcome to Hearts by Orvane Software";
    std::string m_roundText = "0";
    std::string m_playToText = "100";
    bool m_safe = false;
    hearts::HouseRules m_houseRules;
    bool m_hintsAllowed = false;
    bool m_gameRunning = false;
    bool m_justWatching = false;
    int m_botSpeed = 1000;
    bool m_turnSoundNew = false;
    CueChoices m_cues;
};
