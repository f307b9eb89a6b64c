#include "seatitem.h"

#include "boardfonts.h"
#include "boardlayout.h"
#include "cardpictures.h"
#include "spokenname.h"

#include <QContextMenuEvent>
#include <QPainter>

using namespace boardlayout;

namespace {

// "1 trick", "2 tricks".
QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

SeatItem::SeatItem(int position, const Layout& layout, QWidget* parent)
    : QWidget(parent), m_position(position), m_layout(layout) {
    setObjectName(QStringLiteral("seat") + QString::number(position));
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_look.name = QString::fromLatin1("<Waiting>");
}

void SeatItem::setLook(const Look& look, qreal scale) {
    if (look == m_look && scale == m_scale) {
        return;
    }
    m_look = look;
    m_scale = scale;
    QString spoken = m_look.name + QStringLiteral(", ") +
                     counted(m_look.tricks, "trick", "tricks") + QStringLiteral(", ") +
                     counted(m_look.score, "point", "points");
    if (m_look.toPlay) {
        spoken += QStringLiteral(", to play");
    }
    if (m_look.watching) {
        spoken += QStringLiteral(", just watching");
    }
    setSpokenName(this, spoken);
    update();
}

void SeatItem::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(m_scale, m_scale);
    const auto at = static_cast<std::size_t>(m_position);
    const Layout& l = m_layout;
    const QPoint origin = l.seatArea(m_position).topLeft();
    auto local = [&](QPoint point) { return QPointF(point - origin); };

    const qreal ratio = m_scale * devicePixelRatioF();
    if (m_look.watching) {
        p.drawPixmap(local(l.eyes[at]), cardpictures::board(cardpictures::Picture::Eyes, ratio));
    }
    if (m_look.toPlay) {
        p.drawPixmap(local(l.eyes[at]),
                     cardpictures::board(cardpictures::Picture::TurnArrow, ratio));
    }
    p.setFont(boardfonts::bold(19));
    p.setPen(nameColour());
    p.drawText(QRectF(local(l.playerName[at]), kNameSize), Qt::AlignLeft | Qt::AlignVCenter,
               m_look.name);
    p.setFont(boardfonts::bold(13));
    p.setPen(countColour());
    const auto counts = {std::pair{l.trickLabel[at], QStringLiteral("Tricks:")},
                         std::pair{l.tricks[at], QString::number(m_look.tricks)},
                         std::pair{l.scoreLabel[at], QStringLiteral("Score:")},
                         std::pair{l.score[at], QString::number(m_look.score)}};
    for (const auto& [point, text] : counts) {
        p.drawText(QRectF(local(point), QSizeF(60, kCountLabelSize.height())),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void SeatItem::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(m_position, event->globalPos());
}
