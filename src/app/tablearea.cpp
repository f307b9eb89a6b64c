#include "tablearea.h"

#include "board.h"
#include "cardpictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tablearea"));
    setMinimumSize(kClientWidth, kClientHeight);
}

void TableArea::setParts(Board* board, QWidget* chat) {
    m_board = board;
    m_chat = chat;
    layoutParts();
}

void TableArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutParts();
}

void TableArea::layoutParts() {
    if (m_board == nullptr || m_chat == nullptr) {
        return;
    }
    m_scale = std::max(1.0, std::min(static_cast<qreal>(width()) / kClientWidth,
                                     static_cast<qreal>(height()) / kClientHeight));
    auto px = [this](int units) { return static_cast<int>(std::lround(units * m_scale)); };
    m_board->move(px(2), px(2));
    m_board->setScale(m_scale);
    // The chat keeps the table's margins and takes what the table leaves.
    const QPoint chatTopLeft(px(boardlayout::kChatLeft), px(boardlayout::kChatTop));
    m_chat->setGeometry(
        QRect(chatTopLeft, QPoint(width() - px(5), height() - px(6)) - QPoint(1, 1)));
    update();
}

void TableArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(m_scale, m_scale);
    painter.drawTiledPixmap(
        QRectF(0, 0, width() / m_scale, height() / m_scale),
        cardpictures::board(cardpictures::Picture::Tile, m_scale * devicePixelRatioF()));
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}
