// The main window in this process: the loading lines, a host that cannot
// be reached, and a full table.
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

TEST(TchatStart, SoloShowsTheLoadingLineAndLogsInAsYou) {
    Tchat chat({});
    Tchat::Windows windows;
    windows.server = new TServer(&chat);
    chat.attach(windows);
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return chat.state().connected(); }));
    EXPECT_TRUE(chat.chatText().startsWith(QStringLiteral(" Loading Solo Game..Please wait.")));
    EXPECT_EQ(chat.state().mySeat(), 1);
    EXPECT_TRUE(chat.hostFlag());
    EXPECT_TRUE(chat.startButton()->isVisible());
    EXPECT_TRUE(chat.startGameAction()->isEnabled());
    EXPECT_EQ(chat.windowTitle(), QStringLiteral("Hearts"));
    EXPECT_EQ(chat.centralWidget()->size(), QSize(767, 478));
}

TEST(TchatStart, AnUnreachableHostIsReported) {
    Tchat chat({"Guest", "127.0.0.1", "false"});
    chat.show();
    ASSERT_TRUE(waitUntil([&] {
        return chat.chatText().contains(QStringLiteral("Could not connect to 127.0.0.1."));
    }));
    EXPECT_TRUE(
        chat.chatText().startsWith(QStringLiteral(" Loading Multi-player Game.. Please Wait.")));
    EXPECT_FALSE(chat.startButton()->isVisible());
    EXPECT_TRUE(chat.isVisible());
}

TEST(TchatStart, AFullTableSaysSoAndCloses) {
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::AnyIPv4, 7772));
    Tchat chat({"Guest", "127.0.0.1", "false"});
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return host.hasPendingConnections(); }));
    QTcpSocket* peer = host.nextPendingConnection();
    peer->write("CMD_full+\xFF");
    peer->flush();
    QString boxText;
    ASSERT_TRUE(waitUntil([&] {
        if (auto* box = chat.findChild<QMessageBox*>()) {
            boxText = box->text();
            box->accept();
        }
        return !boxText.isEmpty();
    }));
    EXPECT_EQ(boxText, QStringLiteral("Game is full"));
    EXPECT_TRUE(waitUntil([&] { return !chat.isVisible(); }));
}
