#pragma once

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>

// The ordered queue of received messages of one side. A timer takes one
// line off the front per tick and hands it on; it runs only while the list
// holds lines, so an idle table costs nothing. Each line remembers the
// connection it came from.
class ReceivedList : public QObject {
    Q_OBJECT
public:
    using LineHandler = std::function<void(int connection, const std::string& line)>;

    ReceivedList(int tickMs, LineHandler handler, QObject* parent = nullptr);

    void append(int connection, std::string line);
    // Every line goes, unhandled.
    void clear();
    std::size_t size() const { return m_lines.size(); }
    bool isTicking() const { return m_timer.isActive(); }

private:
    void tick();

    struct Line {
        int connection;
        std::string text;
    };
    std::deque<Line> m_lines;
    QTimer m_timer;
    LineHandler m_handler;
};
