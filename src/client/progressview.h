#pragma once

#include "tablecontext.h"

#include <QActionGroup>
#include <QObject>

#include <array>
#include <string>

class HandView;
class SeatsView;

// The course of a game as the host reports it: starts, turns, played cards,
// tricks, round scores with the moon, the winner and refused cards; the
// start button and the bot speed.
class ProgressView : public QObject {
    Q_OBJECT
public:
    ProgressView(TableContext& context, HandView& hand, SeatsView& seats,
                 QObject* parent = nullptr);

    void startthegame(const std::string& payload);
    void startround(const std::string& payload);
    void getnextplayer(const std::string& payload);
    void heplayed(const std::string& payload);
    void tooktrick(const std::string& payload);
    void endround(const std::string& payload);
    void gamestats(const std::string& payload);
    void winner(const std::string& payload);
    void error(const std::string& payload);

    void button_startClick();
    // Sets the bot speed (2000, 1000 or 500 ms) as its menu item does.
    void Fast1Click(int ms);
    int botSpeed() const { return m_botSpeed; }
    // Sets the bot speed and its check mark as the settings file says,
    // without telling the host.
    void setBotSpeed(int ms);

    // Options > "Bot Speed" with "Slow", "Normal" and "Fast".
    QAction* BotSpeed1 = nullptr;
    QAction* Slow1 = nullptr;
    QAction* Normal1 = nullptr;
    QAction* Fast1 = nullptr;

    static QString errorText(int code);

signals:
    // The start button was pressed while connected: the game start dialog opens.
    void startDialogRequested();
    // A game I sat in has ended: "addtomine" for my win, else the winner's name.
    void gameRecorded(const QString& winner);
    // An option changed that the settings file keeps.
    void settingsChanged();

private:
    void hideTurnArrows();

    TableContext& m_context;
    HandView& m_hand;
    SeatsView& m_seats;
    QActionGroup m_speedGroup;
    int m_botSpeed = 1000;
};
