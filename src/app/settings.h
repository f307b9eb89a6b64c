#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <optional>

class IniFile;

// The options of the settings file as a value, read and written in the
// file's order through IniFile. Reading applies each key's default and its
// rule for text that does not parse; the window applies the value to itself.
struct Settings {
    static constexpr const char* kSection = "agame";
    static constexpr int kPhrases = 9;

    QRect bounds{3, 3, 775, 524}; // outer bounds: left, top, width, height
    bool maximized = false;
    // Whether the file holds a placement at all (a first start has none).
    bool placementStored = false;
    int textSize = 8;
    QString textColour = QStringLiteral("clblack");
    // The game start dialog's selector and switch; empty when the file's
    // text does not parse (the dialog keeps its own).
    // A file without the key leaves the dialog at its own start value.
    std::optional<int> playTo;
    std::optional<int> safe = 0;
    bool strongComputers = false; // the host's computer players: Strong, else Classic
    QString houseRules;           // of the games this player starts, as their code ("" standard)
    int botSpeed = 1000;
    std::array<QString, kPhrases + 1> phrases{}; // [1..9], empty: built-in
    bool playSounds = true;
    int turnSound = 0;
    bool chatterSounds = true;
    // Cards move over the table (played, swept to the taker, dealt, passed).
    bool animations = true;
    // The cues of my turn, hearts broken and the queen taken.
    bool cueTurn = true;
    bool cueHeartsBroken = true;
    bool cueQueenTaken = true;
    QString cardDeck;
    QString playerName;
    bool announce = true;
    bool openRouter = false; // ask the home router to open a hosted table's port
    int turnTimeoutSeconds = 60;
    int loginTimeoutSeconds = 20;
    // The chat column shown in a solo game, and at a shared table.
    bool chatSolo = false;
    bool chatShared = true;
    // The lobby download window still offered at a solo start.
    bool offerLobby = true;
    // Where the lobby installer comes from, and the digest it must have.
    QString lobbyUrl;
    QString lobbySha256;

    static Settings load(const IniFile& ini);
    // Writes the window's keys, in their order: placement and options (the
    // phrases are the phrase window's, the player's choices the Host and
    // Join windows', the time limits the host's menus').
    void save(IniFile& ini) const;
    void savePhrases(IniFile& ini) const;
    // The player's name and, when told, whether a hosted table is announced.
    void savePlayer(IniFile& ini, bool withAnnounce) const;
    void saveTimeLimits(IniFile& ini) const;
    void saveChat(IniFile& ini) const;
    void saveOfferLobby(IniFile& ini) const;
};
