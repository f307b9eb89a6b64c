#pragma once

#include "houserules.h"
#include "sidewindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

// The game start options: the play-to score, the safe first trick, how the
// computer players play and the house rules; its start picture asks for the
// game.
class Tgamestart : public SideWindow {
    Q_OBJECT
public:
    explicit Tgamestart(QWidget* parent = nullptr);

    // Sets the safe switch: 0 off, 1 on.
    void changebox(int state);
    int safeState() const { return m_safe; }
    QString playtoText() const { return QString::number(UpDown1->value()); }
    void setPlayto(int score) { UpDown1->setValue(score); }
    // How the host's computer players play: Classic or Strong.
    bool strongComputers() const { return combo_computerlevel->currentIndex() == 1; }
    void setStrongComputers(bool strong) { combo_computerlevel->setCurrentIndex(strong ? 1 : 0); }

    // The house rules the game is to play.
    hearts::HouseRules houseRules() const;
    void setHouseRules(const hearts::HouseRules& rules);

    QSpinBox* UpDown1 = nullptr;
    QLabel* image_safe = nullptr;
    QComboBox* combo_computerlevel = nullptr;
    QAbstractButton* button_start = nullptr;
    QCheckBox* check_jackofdiamonds = nullptr;
    QCheckBox* check_queenbreakshearts = nullptr;
    QCheckBox* check_moonsubtracts = nullptr;
    QCheckBox* check_nopasshand = nullptr;

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
