#pragma once

#include <QWidget>

class Board;

// The main window's client area: the light yellow tile over the whole of
// it, the table scaled to the largest size that keeps its shape, and the
// chat panel beside it taking the rest.
class TableArea : public QWidget {
    Q_OBJECT
public:
    // The client area of the table at its own size.
    static constexpr int kClientWidth = 767;
    static constexpr int kClientHeight = 478;

    explicit TableArea(QWidget* parent = nullptr);
    void setParts(Board* board, QWidget* chat);
    qreal scale() const { return m_scale; }

signals:
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutParts();

    Board* m_board = nullptr;
    QWidget* m_chat = nullptr;
    qreal m_scale = 1.0;
    bool m_painted = false;
};
