#pragma once

#include "boardlayout.h"

#include <QString>
#include <QWidget>

// The part of the table that names a seat at one display position: its
// name, tricks and score, with the eyes of a watching player and the arrow
// of the seat to play. A right click asks for the seat popup.
class SeatItem : public QWidget {
    Q_OBJECT
public:
    struct Look {
        QString name;
        int tricks = 0;
        int score = 0;
        bool watching = false;
        bool toPlay = false;
        bool operator==(const Look&) const = default;
    };

    // The layout is the board's: it outlives the item.
    SeatItem(int position, const boardlayout::Layout& layout, QWidget* parent);
    int position() const { return m_position; }
    const Look& look() const { return m_look; }
    void setLook(const Look& look, qreal scale);

signals:
    void popupRequested(int position, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int m_position;
    const boardlayout::Layout& m_layout;
    Look m_look;
    qreal m_scale = 1.0;
};
