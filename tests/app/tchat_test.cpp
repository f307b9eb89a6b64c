// The main window in this process: the loading lines, a host that cannot
// be reached, a full table, the host leaving, and a solo game whose port is
// taken. Every port is a free one, never the game's fixed port.
#include "launcher.h"
#include "serverprocess.h"
#include "tablestate.h"
#include "tchat.h"
#include "tserver.h"

#include "rawclient.h"
#include "wait.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Ports of this test: the table's and the lobby's, both free.
Launcher::Ports freePorts() {
    Launcher::Ports ports;
    ports.table = freePort();
    ports.lobby = freePort();
    ports.announce = freePort();
    return ports;
}

// A message box of the window with this text, answered with the button.
bool answerBox(Tchat& chat, const QString& text, const QString& button = QString()) {
    return waitUntil([&] {
        for (auto* box : chat.findChildren<QMessageBox*>()) {
            if (box->isVisible() && box->text() == text) {
                for (QAbstractButton* b : box->buttons()) {
                    if (button.isEmpty() || b->text() == button) {
                        b->click();
                        return true;
                    }
                }
            }
        }
        return false;
    });
}

} // namespace

TEST(TchatStart, SoloShowsTheLoadingLineAndLogsInAsYou) {
    Tchat chat({});
    Tchat::Windows windows;
    windows.server = new TServer(&chat);
    chat.attach(windows);
    chat.launcher().setPorts(freePorts());
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return chat.state().connected(); }));
    EXPECT_TRUE(chat.chatText().startsWith(QStringLiteral(" Loading solo game\u2026")))
        << chat.chatText().toStdString();
    EXPECT_EQ(chat.state().mySeat(), 1);
    EXPECT_TRUE(chat.hostFlag());
    // Dealt at once: no step between the start and a hand.
    ASSERT_TRUE(waitUntil([&] { return chat.state().hand().count() == 13; }));
    EXPECT_FALSE(chat.startButton()->isVisible());
    EXPECT_TRUE(chat.startGameAction()->isEnabled());
    EXPECT_EQ(chat.windowTitle(), QStringLiteral("Hearts"));
    EXPECT_EQ(chat.launcher().port(), chat.launcher().ports().table);
}

// A main window with a host whose table port another program holds.
struct TakenTablePort {
    TakenTablePort() {
        EXPECT_TRUE(other.listen(QHostAddress::AnyIPv4, 0));
        windows.server = new TServer(&chat);
        chat.attach(windows);
        Launcher::Ports ports = freePorts();
        ports.table = other.serverPort();
        chat.launcher().setPorts(ports);
    }
    QTcpServer other;
    Tchat chat{{}};
    Tchat::Windows windows;
};

TEST(TchatStart, ASoloGameWhosePortIsTakenPlaysOnAnother) {
    TakenTablePort taken;
    Tchat& chat = taken.chat;
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return chat.state().seatName(1) == "You"; }));
    EXPECT_NE(chat.launcher().port(), taken.other.serverPort());
    EXPECT_EQ(taken.windows.server->listeningPort(), chat.launcher().port());
    EXPECT_FALSE(chat.chatText().contains(QStringLiteral("Error")));
}

TEST(TchatStart, HostingOnATakenPortSaysWhatToDo) {
    TakenTablePort taken;
    Tchat& chat = taken.chat;
    EXPECT_FALSE(chat.launcher().host(QStringLiteral("Ann"), QStringLiteral("Ann's table")));
    const QString text =
        QStringLiteral(
            "Port %1 is in use by another program, so this table cannot be hosted. Close the other "
            "program (or the other copy of Hearts) and host again, or start Hearts with "
            "HEARTS_PORT "
            "set to another port.")
            .arg(taken.other.serverPort());
    EXPECT_TRUE(answerBox(chat, text));
    EXPECT_FALSE(chat.hostFlag());
    EXPECT_FALSE(taken.windows.server->listening());
}

TEST(TchatStart, AnUnreachableHostOffersRetryAndAnotherTable) {
    Tchat chat({"Guest", "127.0.0.1", "false"});
    const Launcher::Ports ports = freePorts();
    chat.launcher().setPorts(ports);
    chat.show();
    const QString failed =
        QStringLiteral("Could not connect to 127.0.0.1, port %1: nothing there takes the "
                       "connection (refused).")
            .arg(ports.table);
    ASSERT_TRUE(waitUntil([&] { return chat.chatText().contains(failed); }))
        << chat.chatText().toStdString();
    EXPECT_TRUE(chat.chatText().startsWith(QStringLiteral(" Loading multi-player game\u2026")));
    EXPECT_FALSE(chat.startButton()->isVisible());
    EXPECT_TRUE(chat.isVisible());
    // A host comes up; Retry reaches it.
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::AnyIPv4, ports.table));
    ASSERT_TRUE(answerBox(chat, failed, QStringLiteral("&Retry")));
    EXPECT_TRUE(waitUntil([&] { return host.hasPendingConnections(); }));
}

TEST(TchatStart, AFailedJoinKeepsTheSoloGameAndGoesBackToIt) {
    Tchat chat({});
    Tchat::Windows windows;
    windows.server = new TServer(&chat);
    chat.attach(windows);
    const Launcher::Ports ports = freePorts();
    chat.launcher().setPorts(ports);
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return chat.state().hand().count() == 13; }));
    const hearts::CardMask dealt = chat.state().hand().cards.held();
    // To a port where nothing listens: the solo game waits meanwhile.
    chat.launcher().join(QStringLiteral("Me"), QStringLiteral("127.0.0.1"), freePort());
    EXPECT_TRUE(chat.launcher().soloWaiting());
    EXPECT_TRUE(windows.server->listening());
    QMessageBox* failed = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        for (auto* box : chat.findChildren<QMessageBox*>()) {
            if (box->isVisible() && box->objectName() == QLatin1String("connectfailed")) {
                failed = box;
            }
        }
        return failed != nullptr;
    }));
    EXPECT_TRUE(failed->text().contains(QLatin1String("(refused)")))
        << failed->text().toStdString();
    QStringList buttons;
    for (QAbstractButton* button : failed->buttons()) {
        buttons.append(button->text());
    }
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"&Back to a Solo Game", "&Join Another Table…", "&Retry"}));
    // Back: the same game, the same hand, my seat again.
    for (QAbstractButton* button : failed->buttons()) {
        if (button->text() == QLatin1String("&Back to a Solo Game")) {
            button->click();
        }
    }
    ASSERT_TRUE(waitUntil([&] { return chat.state().hand().count() == 13; }));
    EXPECT_EQ(chat.state().hand().cards.held(), dealt);
    EXPECT_EQ(chat.state().mySeat(), 1);
    EXPECT_EQ(chat.launcher().mode(), Launcher::Mode::Solo);
    EXPECT_TRUE(chat.startGameAction()->isEnabled());
}

TEST(TchatStart, AFullTableSaysSoAndCloses) {
    Tchat chat({"Guest", "127.0.0.1", "false"});
    const Launcher::Ports ports = freePorts();
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::AnyIPv4, ports.table));
    chat.launcher().setPorts(ports);
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return host.hasPendingConnections(); }));
    QTcpSocket* peer = host.nextPendingConnection();
    peer->write("CMD_full+\xFF");
    peer->flush();
    ASSERT_TRUE(answerBox(chat, QStringLiteral("Game is full")));
    EXPECT_TRUE(waitUntil([&] { return !chat.isVisible(); }));
}

TEST(TchatStart, WhenTheHostLeavesTheWindowStaysWithTheChat) {
    // A real host in another process; this window joins it.
    ServerProcess server({"--no-announce"});
    Tchat chat({"Guest", "127.0.0.1", "false"});
    Launcher::Ports ports = freePorts();
    ports.table = server.port;
    chat.launcher().setPorts(ports);
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return chat.state().seatName(1) == "Guest"; }, 10000));
    server.process.kill();
    const QString gone = QStringLiteral("The host has closed the table.");
    ASSERT_TRUE(waitUntil([&] { return chat.chatText().contains(gone); }));
    spin(200);
    EXPECT_TRUE(chat.isVisible());
    EXPECT_EQ(chat.state().statusText(), gone.toStdString());
    EXPECT_FALSE(chat.state().connected());
    EXPECT_TRUE(chat.chatText().contains(QStringLiteral("You are Connected.")));
}
