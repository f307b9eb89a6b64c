#include "tablearea.h"

#include "board.h"
#include "cardpictures.h"
#include "spokenname.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tablearea"));
    setMinimumSize(kClientWidth, kClientHeight);
    m_tab = new QToolButton(this);
    m_tab->setObjectName(QStringLiteral("chattab"));
    m_tab->setAccessibleName(QStringLiteral("Show the chat"));
    m_tab->setToolTip(QStringLiteral("Show the chat (F6)"));
    m_tab->setFocusPolicy(Qt::NoFocus);
    m_tab->setStyleSheet(
        QStringLiteral("QToolButton { background: #1B625F; color: white; font-weight: bold;"
                       " border: none; border-radius: 6px; padding: 6px 10px; }"
                       "QToolButton:hover { background: #124845; }"));
    connect(m_tab, &QToolButton::clicked, this, &TableArea::chatTabClicked);
    showUnread();
}

void TableArea::setParts(Board* board, QWidget* chat) {
    m_board = board;
    m_chat = chat;
    layoutParts();
}

void TableArea::setChatShown(bool shown) {
    m_chatShown = shown;
    if (shown) {
        m_unread = 0;
        showUnread();
    }
    layoutParts();
}

void TableArea::chatLineArrived() {
    if (!m_chatShown) {
        ++m_unread;
        showUnread();
    }
}

void TableArea::showUnread() {
    m_tab->setText(m_unread == 0 ? QStringLiteral("Chat")
                                 : QStringLiteral("Chat  \u25CF %1").arg(m_unread));
    setSpokenDescription(
        m_tab, m_unread == 0
                   ? QString()
                   : QStringLiteral("%1 new line%2").arg(m_unread).arg(m_unread == 1 ? "" : "s"));
    m_tab->adjustSize();
    if (!m_chatShown) {
        m_tab->move(width() - m_tab->width() - 8, 8);
    }
}

void TableArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutParts();
}

void TableArea::layoutParts() {
    if (m_board == nullptr || m_chat == nullptr) {
        return;
    }
    const int chatWidth = m_chatShown
                              ? std::clamp(static_cast<int>(std::lround(width() * kChatShare)),
                                           kChatMinWidth, kChatMaxWidth)
                              : 0;
    // The table fills the height, or the width left when that runs out
    // first, and takes all the width it is given.
    const int tableWidth = width() - chatWidth;
    m_scale = std::min(static_cast<qreal>(tableWidth - 4) / boardlayout::kTableWidth,
                       static_cast<qreal>(height() - 4) / boardlayout::kHeight);
    m_scale = std::max(m_scale, 0.5);
    const int logicalWidth = static_cast<int>(std::floor((tableWidth - 4) / m_scale));
    m_board->move(2, 2);
    m_board->setScale(m_scale, logicalWidth);
    m_chat->setVisible(m_chatShown);
    m_tab->setVisible(!m_chatShown);
    if (m_chatShown) {
        m_chat->setGeometry(QRect(tableWidth, 8, chatWidth - 8, height() - 16));
    } else {
        m_tab->raise();
        m_tab->move(width() - m_tab->width() - 8, 8);
    }
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
