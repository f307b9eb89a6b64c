#include "receivedlist.h"

#include "unhandlederror.h"

ReceivedList::ReceivedList(int tickMs, LineHandler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)) {
    m_timer.setInterval(tickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReceivedList::tick);
}

void ReceivedList::append(int connection, std::string line) {
    m_lines.push_back({connection, std::move(line)});
    if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void ReceivedList::tick() {
    if (m_lines.empty()) {
        m_timer.stop();
        return;
    }
    Line line = std::move(m_lines.front());
    m_lines.pop_front();
    if (m_lines.empty()) {
        m_timer.stop();
    }
    unhandlederror::guard([&] { m_handler(line.connection, line.text); });
}

void ReceivedList::clear() {
    m_lines.clear();
    m_timer.stop();
}
