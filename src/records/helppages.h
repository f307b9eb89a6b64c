#pragma once

#include <QString>

#include <array>

// The help pages, by the tag of their button: 1 Overview, 2 Connecting,
// 3 Game Play, 7 Keys, 4 Scoring, 5 Documentation, 6 License, 11 The Lobby.
namespace helptopic {
constexpr int kOverview = 1;
constexpr int kConnecting = 2;
constexpr int kGamePlay = 3;
constexpr int kScoring = 4;
constexpr int kDocumentation = 5;
constexpr int kLicense = 6;
constexpr int kKeys = 7;
constexpr int kLobby = 11;
} // namespace helptopic

// The keys of the table, as the Keys page and the README list them.
struct KeyHelp {
    const char* key;
    const char* what;
};
inline constexpr std::array<KeyHelp, 17> kHelpKeys{{
    {"Left, Right, Home, End", "move through your hand"},
    {"Space or Enter", "choose a card to pass, or play it"},
    {"Enter", "pass, once three cards are chosen"},
    {"Tab / Esc", "to the chat line / back to the hand"},
    {"F2", "a new game: the score to play to, the first trick, the computer players"},
    {"F6", "show or fold away the chat"},
    {"L", "the last trick: who played what, who took it"},
    {"S", "the score sheet: every round's points, the moon, the queen"},
    {"H", "a hint (solo, or where the host allows): raises the card the Strong player would play"},
    {"T", "read the trick aloud (with a screen reader)"},
    {"1 to 4", "read a seat aloud: yours, left, across, right"},
    {"F1", "help on the window you are in"},
    {"Ctrl+H", "host a table"},
    {"Ctrl+J", "join a table"},
    {"Ctrl+S", "stop or start the chat's scrolling"},
    {"Alt+letter", "open a menu by its underlined letter"},
    {"Ctrl+Q", "quit"},
}};

// The text of help page n (see helptopic) as HTML.
QString helpPage(int tag);
