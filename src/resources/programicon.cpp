#include "programicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

void paintProgramIcon(QPainter& painter, qreal size) {
    const qreal s = size;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), s / 32));
    painter.setBrush(QColor(0xFF, 0xFF, 0xF4));
    painter.drawRoundedRect(QRectF(s * 0.16, s * 0.04, s * 0.68, s * 0.92), s * 0.08, s * 0.08);
    QPainterPath heart;
    heart.moveTo(s * 0.5, s * 0.78);
    heart.cubicTo(s * 0.18, s * 0.56, s * 0.22, s * 0.26, s * 0.5, s * 0.36);
    heart.cubicTo(s * 0.78, s * 0.26, s * 0.82, s * 0.56, s * 0.5, s * 0.78);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x10, 0x20));
    painter.drawPath(heart);
}

QIcon programIcon() {
    QIcon icon;
    // Three sizes: the desktop scales between them.
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintProgramIcon(painter, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
