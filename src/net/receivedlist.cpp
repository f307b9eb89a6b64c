#include "receivedlist.h"

#include "unhandlederror.h"

ReceivedList::ReceivedList(int tickMs, LineHandler handler, QObject* parent,
                           std::size_t maxLinesPerConnection)
    : QObject(parent), m_maxPerConnection(maxLinesPerConnection), m_handler(std::move(handler)) {
    m_timer.setInterval(tickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReceivedList::tick);
}

bool ReceivedList::append(int connection, std::string line) {
    std::deque<std::string>& list = m_lists[connection];
    if (list.size() >= m_maxPerConnection) {
        return false;
    }
    list.push_back(std::move(line));
    ++m_size;
    if (!m_timer.isActive()) {
        m_timer.start();
    }
    return true;
}

std::size_t ReceivedList::size(int connection) const {
    const auto found = m_lists.find(connection);
    return found != m_lists.end() ? found->second.size() : 0;
}

void ReceivedList::dropConnection(int connection) {
    const auto found = m_lists.find(connection);
    if (found != m_lists.end()) {
        m_size -= found->second.size();
        m_lists.erase(found);
    }
    if (m_size == 0) {
        m_timer.stop();
    }
}

void ReceivedList::tick() {
    // The next connection after the last one served that has a line, in turn.
    auto next = m_lists.upper_bound(m_lastServed);
    while (next != m_lists.end() && next->second.empty()) {
        next = m_lists.erase(next);
    }
    if (next == m_lists.end()) {
        next = m_lists.begin();
        while (next != m_lists.end() && next->second.empty()) {
            next = m_lists.erase(next);
        }
    }
    if (next == m_lists.end()) {
        m_timer.stop();
        return;
    }
    const int connection = next->first;
    std::string line = std::move(next->second.front());
    next->second.pop_front();
    --m_size;
    m_lastServed = connection;
    if (m_size == 0) {
        m_timer.stop();
    }
    unhandlederror::guard([&] { m_handler(connection, line); });
}

void ReceivedList::clear() {
    m_lists.clear();
    m_size = 0;
    m_timer.stop();
}
