#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;
class TableState;

// View > "Score Sheet": the points of every seat in every round of this
// game, with the totals, the shooter of the moon and the taker of the queen
// of spades, and the house rules in force.
class ScoreSheetWindow : public QDialog {
    Q_OBJECT
public:
    ScoreSheetWindow(const TableState& state, QWidget* parent);
    void refresh();
    QTableWidget* sheet() const { return m_sheet; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TableState& m_state;
    QTableWidget* m_sheet = nullptr;
    QLabel* m_rules = nullptr; // the house rules in force, hidden for the standard game
};
