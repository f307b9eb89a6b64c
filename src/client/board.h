#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <array>

// A button drawn from one picture, darker while pressed.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QPixmap& picture, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

// A seat's name label; a right click asks for the seat popup.
class NameLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void popupRequested(const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// The card table: a transparent panel of 763 x 474 at (2, 2) of the main
// window with every element of the four seats and of the table, placed as
// the table's layout gives them. Per-seat elements are indexed by display
// position 1 (bottom), 2 (left), 3 (top), 4 (right).
class Board : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 763;
    static constexpr int kHeight = 474;

    struct SeatWidgets {
        NameLabel* label_playername = nullptr;
        QLabel* label_tricklabel = nullptr;
        QLabel* label_tricks = nullptr;
        QLabel* label_scorelabel = nullptr;
        QLabel* label_score = nullptr;
        QLabel* image_points = nullptr;
        QLabel* label_taken = nullptr;
        QLabel* image_cards = nullptr;
        QLabel* image_played = nullptr;
        QLabel* image_winner = nullptr;
        QLabel* image_moon = nullptr;
        QLabel* image_trickwinner = nullptr;
        QLabel* image_eyes = nullptr;
        QLabel* image_turn = nullptr;
    };

    explicit Board(QWidget* parent = nullptr);

    // Puts a text into a label whose size follows its text.
    static void setAutoText(QLabel* label, const QString& text);
    // Shows a card face (or nothing for 0) in a card place of the table.
    void showCard(QLabel* place, int card);

    std::array<SeatWidgets, 5> seat{}; // [1..4]
    QLabel* label_status = nullptr;
    QLabel* label_roundnum = nullptr;
    QLabel* label_playtoscore = nullptr;
    QLabel* Label_safe = nullptr;
    PictureButton* button_start = nullptr;
    PictureButton* button_pass = nullptr;
    std::array<QLabel*, 4> image_arrow{}; // [1..3]
    QLabel* Image5 = nullptr;

private:
    QLabel* picture(QPoint at, const QPixmap& pixmap, const QString& name);
    QLabel* text(QPoint at, QSize size, const QString& value, int pixelSize, const QColor& colour,
                 const QString& name);
};

// The client area's background: the light yellow tile repeated.
class TiledBackground : public QWidget {
    Q_OBJECT
public:
    explicit TiledBackground(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
