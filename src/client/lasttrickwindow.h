#pragma once

#include <QDialog>

class TableState;

// View > "Last Trick": the four cards of the trick taken last, each under
// the name of the seat that played it, the taker's card ringed.
class LastTrickWindow : public QDialog {
    Q_OBJECT
public:
    LastTrickWindow(const TableState& state, QWidget* parent);
    void refresh();
    // What the window says in words (also its accessible description).
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const TableState& m_state;
};
