#pragma once

#include <QObject>

#include <functional>

class QWidget;

// HEARTS_STARTUP_STAMP writes wall-clock times of the start to stderr, in
// nanoseconds since the epoch: "hearts: table painted <ns>" at the table's
// first paint, and "hearts: hand dealt <ns>" at the first paint that shows
// a dealt hand. With "exit" the program ends after the table's first
// paint, with "dealt" after the dealt hand's; any other value only writes.
// scripts/startup-time.sh measures start-up with it.
class StartupStamp : public QObject {
    Q_OBJECT
public:
    // Watches the widget when the environment asks for it; `dealt` says
    // whether the hand holds cards.
    static void watch(QWidget* table, std::function<bool()> dealt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class ExitAfter { Never, TablePainted, HandDealt };
    StartupStamp(QObject* parent, ExitAfter exitAfter, std::function<bool()> dealt)
        : QObject(parent), m_exitAfter(exitAfter), m_dealt(std::move(dealt)) {}
    ExitAfter m_exitAfter;
    std::function<bool()> m_dealt;
    bool m_tablePainted = false;
};
