#include "handcard.h"

#include "boardlayout.h"
#include "cardpictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

HandCard::HandCard(int slot, QWidget* parent) : QWidget(parent), m_slot(slot) {
    setObjectName(QStringLiteral("card") + QString::number(slot));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void HandCard::setLook(const Look& look, qreal scale) {
    if (look == m_look && scale == m_scale) {
        return;
    }
    m_look = look;
    m_scale = scale;
    update();
}

void HandCard::paintEvent(QPaintEvent*) {
    if (m_look.card == 0) {
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(m_scale, m_scale);
    p.drawPixmap(QPointF(0, 0), cardpictures::card(m_look.card, m_scale * devicePixelRatioF()));
    const QRectF face(0.5, 0.5, cardpictures::kCardWidth - 1, cardpictures::kCardHeight - 1);
    if (m_look.dimmed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x30, 0x38, 120));
        p.drawRoundedRect(face, 5, 5);
    }
    // Marks stand in the strip at the left that shows when cards overlap.
    const qreal strip = std::min<qreal>(m_look.strip, cardpictures::kCardWidth);
    if (m_look.received) {
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(QColor(0x0B, 0x5E, 0xD7));
        p.drawEllipse(QPointF(strip / 2, 44), 5.5, 5.5);
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x0B, 0x3D, 0x91), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(1, 1, -1, -1), 5, 5);
        QPainterPath caret;
        const qreal top = cardpictures::kCardHeight + 1;
        caret.moveTo(strip / 2, top);
        caret.lineTo(strip / 2 + 6, top + m_look.markHeight - 1);
        caret.lineTo(strip / 2 - 6, top + m_look.markHeight - 1);
        caret.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x0B, 0x3D, 0x91));
        p.drawPath(caret);
    }
}

void HandCard::mousePressEvent(QMouseEvent* event) {
    emit pressed(m_slot, event->button());
}

void HandCard::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit keyPressed(m_slot, event->key());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void HandCard::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void HandCard::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
