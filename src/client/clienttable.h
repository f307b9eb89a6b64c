#pragma once

#include "board.h"
#include "tablestate.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QObject>

class ClientConnection;
class LastTrickWindow;
class ScoreSheetWindow;
class GameSummaryWindow;

// The client's table: the model fed by the connection, the board that
// draws it, and the menu items and side windows that show or change it.
// It hears the model's events: it sends the model's lines and redraws on
// every change, and passes every event on to the program's own listener.
class ClientTable : public QObject, private TableEvents {
    Q_OBJECT
public:
    ClientTable(ClientConnection& connection, QWidget* boardParent, QObject* parent = nullptr);
    ~ClientTable() override;

    // Where the model's events go beside this table (the program's wiring).
    void setListener(TableEvents* listener) { m_listener = listener; }

    TableState& state() { return m_state; }
    Board& board() { return *m_board; }

    // Options > "Bot Speed": "Slow", "Normal", "Fast"; the check mark shows
    // the model's speed.
    QAction* Slow1 = nullptr;
    QAction* Normal1 = nullptr;
    QAction* Fast1 = nullptr;
    // Options > "Just Watch": its check mark follows the host's answers.
    QAction* JustWatch1 = nullptr;
    // The host's popup on a seat name.
    QMenu* popup_kick() { return &m_popup; }
    QAction* RemoveFromGame1 = nullptr;
    QAction* SettoJustWatch1 = nullptr;
    QAction* UnsetJustWatch1 = nullptr;
    // Sets the popup's items for the seat name at a display position and
    // remembers the position as the target.
    QMenu* preparePopup(int position);

    LastTrickWindow* lastTrickWindow();
    ScoreSheetWindow* scoreSheetWindow();
    GameSummaryWindow* gameSummaryWindow();

    // Cards move over the table, as fast as the computer players' pace
    // allows.
    void setAnimations(bool on);
    bool animations() const { return m_animations; }

private:
    void refreshViews();
    void pickMotionDuration();
    // TableEvents
    void send(const std::string& line) override;
    void changed() override;
    void statusLine(const std::string& line) override { listener().statusLine(line); }
    void sound(Cue cue) override { listener().sound(cue); }
    void messageBox(const std::string& text) override { listener().messageBox(text); }
    void ownArrival() override { listener().ownArrival(); }
    void watchersChanged() override { listener().watchersChanged(); }
    void startDialogRequested() override { listener().startDialogRequested(); }
    void gameRecorded(const GameResult& result) override { listener().gameRecorded(result); }
    void tableFull() override { listener().tableFull(); }
    void gameOver() override { listener().gameOver(); }
    void announce(const std::string& text) override;
    TableEvents& listener();

    ClientConnection& m_connection;
    TableEvents m_silent;
    TableEvents* m_listener = nullptr;
    TableState m_state;
    Board* m_board = nullptr;
    QActionGroup m_speedGroup;
    QMenu m_popup;
    int m_target = 0;
    bool m_animations = true;
    // Side windows are made when first shown.
    LastTrickWindow* m_lastTrick = nullptr;
    ScoreSheetWindow* m_scoreSheet = nullptr;
    GameSummaryWindow* m_summary = nullptr;
};
