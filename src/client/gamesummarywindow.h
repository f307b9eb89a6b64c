#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class TableState;

// The end of a game: who won, the final order with the scores, the rounds
// each seat took the fewest points in, the moons shot and the queens taken;
// and Play Again for the player who starts the games.
class GameSummaryWindow : public QDialog {
    Q_OBJECT
public:
    GameSummaryWindow(const TableState& state, QWidget* parent);
    void refresh();
    QTableWidget* table() const { return m_table; }
    QLabel* heading() const { return m_heading; }
    QPushButton* playAgain() const { return m_playAgain; }

signals:
    void playAgainRequested();

private:
    const TableState& m_state;
    QLabel* m_heading = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_playAgain = nullptr;
};
