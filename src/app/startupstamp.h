#pragma once

#include <QObject>

class QWidget;

// HEARTS_STARTUP_STAMP=1 writes the wall-clock time of the table's first
// paint to stderr ("hearts: table painted <ns since the epoch>"); with
// "exit" the program then ends. scripts/startup-time.sh measures start-up
// with it.
class StartupStamp : public QObject {
    Q_OBJECT
public:
    // Watches the widget when the environment asks for it.
    static void watch(QWidget* table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StartupStamp(QObject* parent, bool exitAfter)
        : QObject(parent), m_exitAfter(exitAfter) {}
    bool m_exitAfter;
};
