#pragma once

#include "sidewindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>

// The game start options: the play-to score and the safe first trick; its
// start picture asks for the game.
class Tgamestart : public SideWindow {
    Q_OBJECT
public:
    explicit Tgamestart(QWidget* parent = nullptr);

    // Sets the safe switch: 0 off, 1 on.
    void changebox(int state);
    int safeState() const { return m_safe; }
    QString playtoText() const { return QString::number(UpDown1->value()); }
    void setPlayto(int score) { UpDown1->setValue(score); }

    QSpinBox* UpDown1 = nullptr;
    QLabel* image_safe = nullptr;
    QAbstractButton* button_start = nullptr;

signals:
    // The start picture was clicked: the play-to text and the switch's state.
    void startRequested(const QString& playto, int safe);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void button_startClick();
    int m_safe = 0;
};
