#pragma once

#include <QWidget>

// One card of the local player's hand: it draws its face at the table's
// scale, dimmed when it may not be played, marked when it came in the pass,
// and ringed while it has the keyboard focus. Input goes to the board.
class HandCard : public QWidget {
    Q_OBJECT
public:
    struct Look {
        int card = 0;
        bool dimmed = false;
        bool received = false;
        // The width of the card that shows beside the next one, in the
        // card's own units: where its marks go.
        qreal strip = 18;
        // The room below the card for the focus mark, in the same units.
        qreal markHeight = 8;
        bool operator==(const Look&) const = default;
    };

    HandCard(int slot, QWidget* parent);
    int slot() const { return m_slot; }
    int card() const { return m_look.card; }
    const Look& look() const { return m_look; }
    void setLook(const Look& look, qreal scale);

signals:
    void pressed(int slot, Qt::MouseButton button);
    void keyPressed(int slot, int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_slot;
    Look m_look;
    qreal m_scale = 1.0;
};
