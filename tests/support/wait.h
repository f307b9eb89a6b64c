#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

// Runs the event loop until the condition holds or the time is up; answers
// the condition.
template <typename Condition> bool waitUntil(Condition condition, int timeoutMs = 5000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// Runs the event loop for a while.
inline void spin(int ms) {
    waitUntil([] { return false; }, ms);
}
