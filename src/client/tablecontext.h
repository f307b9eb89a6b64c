#pragma once

#include "board.h"
#include "clientconnection.h"
#include "seatmap.h"

#include <QAction>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// What the client's table views share: the connection, the board, the seat
// mapping, the turn seat and the ways out to the rest of the window.
struct TableContext {
    TableContext(ClientConnection& connectionRef, Board& boardRef)
        : connection(connectionRef), board(boardRef) {}

    ClientConnection& connection;
    Board& board;
    SeatMap seatMap;
    // The seat whose move the client waits for; the player acts only while
    // it is the own seat.
    int turnSeat = 0;
    bool hostFlag = false;
    // 0 "Classic", 1 "New".
    int turnSound = 0;
    // Options > "Just Watch"; its check mark follows the host's answers.
    QAction* JustWatch1 = nullptr;
    // Names by seat: the default ones, and what a seat's label falls back to
    // ("1".."4" until the mapping is fixed).
    std::array<QString, 5> defaultNames{QString(), QStringLiteral("You"), QStringLiteral("Klot"),
                                        QStringLiteral("Klick"), QStringLiteral("Kling")};
    std::array<QString, 5> fallbackNames{QString(), QStringLiteral("1"), QStringLiteral("2"),
                                         QStringLiteral("3"), QStringLiteral("4")};
    // The watcher list: "<number>: <name>" per watcher.
    QStringList watchers;

    std::function<void(const QString&)> statusLine = [](const QString&) {};
    std::function<void(const QString&)> playsounds = [](const QString&) {};
    std::function<void(const QString&)> messageBox = [](const QString&) {};

    int mySeat() const { return connection.mySeat(); }
    bool connected() const { return connection.isConnected(); }
    bool isSeat(int seat) const { return seat >= 1 && seat <= 4; }
    // The elements of a seat at its display position.
    Board::SeatWidgets& at(int seat) {
        return board.seat[static_cast<std::size_t>(seatMap.position(seat))];
    }
    QString seatName(int seat) { return at(seat).label_playername->text(); }
    // Runs over the elements of the four display positions.
    template <typename F> void forEachPosition(F&& f) {
        for (int position = 1; position <= 4; ++position) {
            f(board.seat[static_cast<std::size_t>(position)]);
        }
    }
    void setStatusText(const QString& text) { board.label_status->setText(text); }
    void send(const QString& text) { connection.send(text.toStdString()); }
    bool justWatching() const { return JustWatch1 != nullptr && JustWatch1->isChecked(); }
};
