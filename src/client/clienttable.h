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

// The client's table: the model fed by the connection, the board that
// draws it, and the menu items and side windows that show or change it.
class ClientTable : public QObject {
    Q_OBJECT
public:
    ClientTable(ClientConnection& connection, QWidget* boardParent, QObject* parent = nullptr);
    ~ClientTable() override;

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

private:
    void refreshViews();

    TableState m_state;
    Board* m_board = nullptr;
    QActionGroup m_speedGroup;
    QMenu m_popup;
    int m_target = 0;
    // Side windows are made when first shown.
    LastTrickWindow* m_lastTrick = nullptr;
    ScoreSheetWindow* m_scoreSheet = nullptr;
};
