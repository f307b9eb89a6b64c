#include "tablemotion.h"

#include "cardpictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFrameMs = 16; // 60 frames a second
const QSizeF kCardSize(cardpictures::kCardWidth, cardpictures::kCardHeight);

} // namespace

TableMotion::TableMotion(QObject* parent) : QObject(parent) {
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, &TableMotion::tick);
}

int TableMotion::durationFor(int botSpeedMs) {
    if (botSpeedMs < 250) {
        return 0;
    }
    return std::clamp(botSpeedMs * 3 / 10, 150, 300);
}

void TableMotion::setDuration(int ms) {
    m_duration = std::max(0, ms);
    if (m_duration == 0) {
        clear();
    }
}

void TableMotion::add(Flight flight) {
    if (m_duration == 0) {
        return;
    }
    flight.start = m_clock.elapsed();
    m_flights.push_back(flight);
    // Where it is drawn first is drawn anew on the first frame.
    m_lastArea = m_lastArea.united(QRectF(flight.from, kCardSize));
    if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void TableMotion::keepTrickFlights(const std::array<int, 5>& trick) {
    std::erase_if(m_flights, [&](const Flight& f) {
        return f.trickPosition >= 1 && f.trickPosition <= 4 &&
               trick[static_cast<std::size_t>(f.trickPosition)] != f.card;
    });
}

void TableMotion::clear() {
    m_flights.clear();
    m_timer.stop();
    if (!m_lastArea.isEmpty()) {
        emit moved(m_lastArea);
        m_lastArea = QRectF();
    }
}

const TableMotion::Flight* TableMotion::trickFlight(int position) const {
    for (const Flight& flight : m_flights) {
        if (flight.trickPosition == position) {
            return &flight;
        }
    }
    return nullptr;
}

qreal TableMotion::progressOf(const Flight& flight) const {
    const qint64 gone = m_clock.elapsed() - flight.start;
    const qreal t = std::min<qreal>(1, static_cast<qreal>(gone) / std::max(1, m_duration));
    // Eases out: quick from the hand, gentle as it lands.
    return 1 - std::pow(1 - t, 3);
}

QPointF TableMotion::positionOf(const Flight& flight) const {
    const qreal t = progressOf(flight);
    return flight.from + (flight.to - flight.from) * t;
}

qreal TableMotion::opacityOf(const Flight& flight) const {
    return flight.fades ? 1 - 0.8 * progressOf(flight) : 1;
}

void TableMotion::paintLeaving(QPainter& p, qreal ratio) const {
    for (const Flight& flight : m_flights) {
        if (flight.trickPosition != 0) {
            continue;
        }
        p.save();
        p.setOpacity(opacityOf(flight));
        p.drawPixmap(positionOf(flight), cardpictures::card(flight.card, ratio));
        p.restore();
    }
}

QRectF TableMotion::area() const {
    QRectF covered;
    for (const Flight& flight : m_flights) {
        covered = covered.united(QRectF(positionOf(flight), kCardSize));
    }
    return covered;
}

void TableMotion::tick() {
    const qint64 now = m_clock.elapsed();
    const QRectF before = m_lastArea;
    std::erase_if(m_flights,
                  [&](const Flight& f) { return now - f.start >= std::max(1, m_duration); });
    m_lastArea = area();
    if (m_flights.empty()) {
        m_timer.stop();
    }
    emit moved(before.united(m_lastArea));
}
