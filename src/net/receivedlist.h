#pragma once

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>

// The received messages of one side, a list per connection. A timer takes
// one line per tick and hands it on, from the next connection that has one
// in turn, so that one connection's backlog never holds another's lines
// back by more than a line each. The timer runs only while lines wait, so
// an idle table costs nothing. A connection's list holds at most a set
// number of lines; what comes beyond is dropped and counted.
class ReceivedList : public QObject {
    Q_OBJECT
public:
    using LineHandler = std::function<void(int connection, const std::string& line)>;
    static constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

    ReceivedList(int tickMs, LineHandler handler, QObject* parent = nullptr,
                 std::size_t maxLinesPerConnection = kUnlimited);

    // Answers false when the line was dropped: its connection's list is full.
    bool append(int connection, std::string line);
    // A connection has gone: nothing it sent is handled any more.
    void dropConnection(int connection);
    // Every line goes, unhandled.
    void clear();
    std::size_t size() const { return m_size; }
    std::size_t size(int connection) const;
    bool isTicking() const { return m_timer.isActive(); }

private:
    void tick();

    std::map<int, std::deque<std::string>> m_lists;
    std::size_t m_size = 0;
    std::size_t m_maxPerConnection;
    // The connection served last; the next tick serves the one after it.
    int m_lastServed = -1;
    QTimer m_timer;
    LineHandler m_handler;
};
