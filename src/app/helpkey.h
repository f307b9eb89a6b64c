#pragma once

#include <QObject>

#include <functional>

class QWidget;

// F1 in any of the program's windows opens the help at that window's topic:
// the table at Game Play, the Join and Host windows at Connecting, the
// score sheet at Scoring, the lobby window at The Lobby, and so on. The
// main window's own F1 is its Help > Content item, which asks topicOf too.
class HelpKey : public QObject {
    Q_OBJECT
public:
    // `show` opens the help at a topic; `mainWindow` keeps its own F1.
    HelpKey(QWidget* mainWindow, std::function<void(int topic)> show);

    // The help topic (helptopic::) for a window of the program.
    static int topicOf(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_mainWindow;
    std::function<void(int)> m_show;
};
