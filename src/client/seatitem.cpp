#include "seatitem.h"

#include "boardfonts.h"
#include "boardlayout.h"
#include "cardpictures.h"

#include <QContextMenuEvent>
#include <QPainter>

using namespace boardlayout;

SeatItem::SeatItem(int position, QWidget* parent) : QWidget(parent), m_position(position) {
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
    QString spoken =
        m_look.name + QStringLiteral(", %1 tricks, %2 points").arg(m_look.tricks).arg(m_look.score);
    if (m_look.toPlay) {
        spoken += QStringLiteral(", to play");
    }
    if (m_look.watching) {
        spoken += QStringLiteral(", just watching");
    }
    setAccessibleName(spoken);
    update();
}

void SeatItem::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(m_scale, m_scale);
    const auto at = static_cast<std::size_t>(m_position);
    const QPoint origin = seatArea(m_position).topLeft();
    auto local = [&](QPoint point) { return QPointF(point - origin); };

    const qreal ratio = m_scale * devicePixelRatioF();
    if (m_look.watching) {
        p.drawPixmap(local(kEyes[at]), cardpictures::board(cardpictures::Picture::Eyes, ratio));
    }
    if (m_look.toPlay) {
        p.drawPixmap(local(kEyes[at]),
                     cardpictures::board(cardpictures::Picture::TurnArrow, ratio));
    }
    p.setFont(boardfonts::bold(19));
    p.setPen(nameColour());
    p.drawText(QRectF(local(kPlayerName[at]), kNameSize), Qt::AlignLeft | Qt::AlignVCenter,
               m_look.name);
    p.setFont(boardfonts::bold(13));
    p.setPen(countColour());
    const auto counts = {std::pair{kTrickLabel[at], QStringLiteral("Tricks:")},
                         std::pair{kTricks[at], QString::number(m_look.tricks)},
                         std::pair{kScoreLabel[at], QStringLiteral("Score:")},
                         std::pair{kScore[at], QString::number(m_look.score)}};
    for (const auto& [point, text] : counts) {
        p.drawText(QRectF(local(point), QSizeF(60, kCountLabelSize.height())),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void SeatItem::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(m_position, event->globalPos());
}
