#pragma once

#include <QDialog>

class QTableWidget;
class TableState;

// View > "Score Sheet": the points of every seat in every round of this
// game, with the totals, the shooter of the moon and the taker of the queen
// of spades.
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
};
