#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QTimer>

#include <array>
#include <vector>

class QPainter;

// Cards in flight over the table, each from where it was to where it goes,
// drawn over the board until it lands. The table's model stays the truth:
// a flight only moves where a card is drawn for a moment, never delays a
// message or a click, and the next change of the table may end it. The
// clock ticks only while something moves.
class TableMotion : public QObject {
    Q_OBJECT
public:
    struct Flight {
        int card = 0; // a face 1..52, or the back
        QPointF from; // top-left, in table units
        QPointF to;
        // Fades as it goes: a trick swept away, cards passed on.
        bool fades = false;
        // 1..4: the trick's card at that display position, drawn here
        // instead of in its place; 0 for a card that is no longer on the
        // table.
        int trickPosition = 0;
        qint64 start = 0;
    };

    explicit TableMotion(QObject* parent = nullptr);

    // How long a card flies, in ms; 0 lets nothing move.
    void setDuration(int ms);
    int duration() const { return m_duration; }
    void add(Flight flight);
    // Ends the flights of trick cards that are no longer on the table as
    // they flew (the trick's cards by display position 1..4).
    void keepTrickFlights(const std::array<int, 5>& trick);
    void clear();
    bool moving() const { return !m_flights.empty(); }
    const std::vector<Flight>& flights() const { return m_flights; }

    // Where the trick card at a display position is drawn now, while it
    // flies.
    const Flight* trickFlight(int position) const;
    QPointF positionOf(const Flight& flight) const;
    qreal opacityOf(const Flight& flight) const;
    // Draws the cards that are no longer on the table.
    void paintLeaving(QPainter& p, qreal ratio) const;
    // The area every flight covers now, in table units.
    QRectF area() const;

    // The flight time for the computer players' pace: the slower they
    // play, the longer a card may take, never as long as a computer's
    // move; none when they play at once.
    static int durationFor(int botSpeedMs);

signals:
    // The flights moved: the area to draw anew (where they were and are).
    void moved(const QRectF& area);

private:
    void tick();
    qreal progressOf(const Flight& flight) const;

    int m_duration = 0;
    QElapsedTimer m_clock;
    QTimer m_timer;
    std::vector<Flight> m_flights;
    QRectF m_lastArea;
};
