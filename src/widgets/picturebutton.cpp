#include "picturebutton.h"

#include <QPainter>

PictureButton::PictureButton(Source source, QSize logicalSize, QWidget* parent)
    : QAbstractButton(parent), m_source(std::move(source)), m_logicalSize(logicalSize) {
    setCursor(Qt::PointingHandCursor);
    resize(sizeHint());
}

QSize PictureButton::sizeHint() const {
    return m_logicalSize;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = static_cast<qreal>(width()) / m_logicalSize.width();
    painter.drawPixmap(rect(), m_source(scale * devicePixelRatioF()));
    const qreal radius = 6 * scale;
    if (isDown()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 50));
        painter.drawRoundedRect(rect(), radius, radius);
    }
    if (hasFocus()) {
        const qreal pen = std::max<qreal>(2, 2 * scale);
        painter.setPen(QPen(QColor(0x0B, 0x3D, 0x91), pen, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2),
                                radius, radius);
    }
}
