#pragma once

#include <QString>
#include <QWidget>

// Tells a screen reader what happens at the table. Assistive technology
// sees a notification that appears anew with each sentence: the one event
// Orca speaks without the focus moving there, once a sentence. It stands
// over the status line, draws nothing and takes no input.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);
    const QString& text() const { return m_text; }
    // How often assistive technology was told it appeared.
    int timesShown() const { return m_timesShown; }

private:
    QString m_text;
    int m_timesShown = 0;
};
