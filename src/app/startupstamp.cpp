#include "startupstamp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

void stamp(const char* what) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "hearts: %s %lld\n", what,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void exitAfterThisPaint() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

} // namespace

void StartupStamp::watch(QWidget* table, std::function<bool()> dealt) {
    const QByteArray mode = qgetenv("HEARTS_STARTUP_STAMP");
    if (mode.isEmpty()) {
        return;
    }
    const ExitAfter exitAfter = mode == "exit"    ? ExitAfter::TablePainted
                                : mode == "dealt" ? ExitAfter::HandDealt
                                                  : ExitAfter::Never;
    table->installEventFilter(new StartupStamp(table, exitAfter, std::move(dealt)));
}

bool StartupStamp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint) {
        return false;
    }
    if (!m_tablePainted) {
        m_tablePainted = true;
        stamp("table painted");
        if (m_exitAfter == ExitAfter::TablePainted) {
            watched->removeEventFilter(this);
            exitAfterThisPaint();
            return false;
        }
    }
    if (m_dealt()) {
        watched->removeEventFilter(this);
        stamp("hand dealt");
        if (m_exitAfter == ExitAfter::HandDealt) {
            exitAfterThisPaint();
        }
    }
    return false;
}
