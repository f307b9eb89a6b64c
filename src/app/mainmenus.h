#pragma once

#include "optionsmenu.h"

#include <QAction>
#include <QObject>

#include <array>

class HostControls;
class TableChoices;
class Tchat;

// The main window's menus: File (start, host, join, the lobby, exit), Game
// (a new game), Options (its own class), View (the chat, last trick, score
// sheet, tally, watchers, phrases) and Help.
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(Tchat& window, TableChoices& choices, HostControls& host);

    OptionsMenu& options() { return *m_options; }

    QAction* StartGame1 = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* Hint1 = nullptr; // Game > Hint: solo games and tables that allow hints
    QAction* Lobby1 = nullptr;
    QAction* Chat1 = nullptr;
    QAction* HostATable1 = nullptr;
    QAction* JoinATable1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* LastTrick1 = nullptr;
    QAction* ScoreSheet1 = nullptr;
    // Read aloud: the trick (T) and the seats by place (1-4).
    QAction* ReadTrick1 = nullptr;
    std::array<QAction*, 5> readSeatItems{}; // [1..4] by display position
    QAction* ViewTally1 = nullptr;
    QAction* SpyList1 = nullptr;
    QAction* PrhaseList1 = nullptr;
    QAction* Content1 = nullptr;
    QAction* About1 = nullptr;

private:
    void PrhaseList1Click();

    Tchat& m_window;
    OptionsMenu* m_options = nullptr;
};
