// Hosting and joining from the window: the host's announcement, the join
// window that hears it, and a second window that joins through it.
#include "launcher.h"
#include "routerport.h"
#include "tablestate.h"
#include "tablewindows.h"
#include "tchat.h"
#include "tserver.h"

#include "serverprocess.h"
#include "wait.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

quint16 freeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

Launcher::Ports freePorts() {
    Launcher::Ports ports;
    ports.table = freePort();
    ports.lobby = freePort();
    ports.announce = freeUdpPort();
    return ports;
}

// A main window that can host, on ports of its own; answers its server.
TServer* hostWindowOf(Tchat& window, const Launcher::Ports& ports) {
    Tchat::Windows windows;
    windows.server = new TServer(&window);
    window.attach(windows);
    window.launcher().setPorts(ports);
    return windows.server;
}

} // namespace

TEST(HostWindowTest, TheTableIsNamedAfterThePlayerUntilTyped) {
    HostWindow window;
    QSignalSpy hosted(&window, &HostWindow::hostRequested);
    window.setPlayerName(QStringLiteral("Ann"));
    EXPECT_EQ(window.tableEdit->text(), QStringLiteral("Ann's table"));
    window.nameEdit->setText(QStringLiteral("Annie"));
    EXPECT_EQ(window.tableEdit->text(), QStringLiteral("Annie's table"));
    window.tableEdit->clear();
    QTest::keyClicks(window.tableEdit, QStringLiteral("Friday"));
    window.nameEdit->setText(QStringLiteral("Ann"));
    EXPECT_EQ(window.tableEdit->text(), QStringLiteral("Friday"));
    window.announceBox->setChecked(false);
    window.hostButton->click();
    ASSERT_EQ(hosted.count(), 1);
    EXPECT_EQ(hosted.at(0), (QList<QVariant>{"Ann", "Friday", false, false}));
    // The window stays, hosting: the form is closed to changes, the
    // invitation open to copying; the router is asked only when ticked.
    EXPECT_FALSE(window.nameEdit->isEnabled());
    EXPECT_FALSE(window.hostButton->isVisibleTo(&window));
    EXPECT_FALSE(window.routerLabel->isVisibleTo(&window));
    window.showForm();
    window.routerBox->setChecked(true);
    window.setTableAddress(QStringLiteral("192.168.77.2"), 7772);
    window.hostButton->click();
    ASSERT_EQ(hosted.count(), 2);
    EXPECT_EQ(hosted.at(1).at(3).toBool(), true);
    EXPECT_TRUE(window.routerLabel->isVisibleTo(&window));
    EXPECT_TRUE(window.routerLabel->text().startsWith(QStringLiteral("Asking the router")));
    // What the router said, and the invitation at the public address.
    router::Mapping mapping;
    mapping.outcome = router::Outcome::Mapped;
    mapping.method = "UPnP";
    mapping.publicAddress = "11.22.33.1";
    mapping.port = 7772;
    window.showRouter(QString::fromStdString(router::sentence(mapping)),
                      QString::fromStdString(mapping.publicAddress));
    EXPECT_TRUE(window.routerLabel->text().startsWith(
        QStringLiteral("Friends elsewhere can join at 11.22.33.1:7772")));
    EXPECT_EQ(window.invitationLink(), QStringLiteral("hearts://11.22.33.1:7772/?table=Friday"));
    mapping.outcome = router::Outcome::Refused;
    window.showRouter(QString::fromStdString(router::sentence(mapping)), QString());
    EXPECT_TRUE(window.routerLabel->text().startsWith(
        QStringLiteral("Your router did not allow it: ask the person who runs it to forward TCP "
                       "port 7772 to this computer.")));
}

TEST(JoinWindowTest, ATableHeardFromARealServerIsJoinedFromTheList) {
    const quint16 announcePort = freeUdpPort();
    ServerProcess server(
        {"--table", "Friday game", "--announce-port", QString::number(announcePort)});
    JoinWindow window({announcePort, 6000}, 7772);
    QSignalSpy joined(&window, &JoinWindow::joinRequested);
    window.setPlayerName(QStringLiteral("Bob"));
    window.show();
    ASSERT_TRUE(waitUntil([&] { return window.tableList->count() == 1; }, 5000));
    EXPECT_TRUE(window.tableList->item(0)->text().startsWith(QStringLiteral("Friday game — ")));
    window.tableList->setCurrentRow(0);
    window.joinButton->click();
    ASSERT_EQ(joined.count(), 1);
    EXPECT_EQ(joined.at(0).at(0).toString(), QStringLiteral("Bob"));
    EXPECT_EQ(joined.at(0).at(2).value<quint16>(), server.port);
}

TEST(JoinWindowTest, AnAddressWithOrWithoutItsPort) {
    JoinWindow window({freeUdpPort(), 6000}, 7772);
    QSignalSpy joined(&window, &JoinWindow::joinRequested);
    window.setPlayerName(QStringLiteral("Bob"));
    struct Case {
        const char* typed;
        const char* address;
        int port;
    };
    for (const Case& c :
         {Case{"tables.example.org", "tables.example.org", 7772},
          Case{"192.168.1.20:8000", "192.168.1.20", 8000}, Case{"2001:db8::1", "2001:db8::1", 7772},
          Case{"[2001:db8::1]:7773", "2001:db8::1", 7773},
          Case{"hearts://203.0.113.7:7774/?table=Ann", "203.0.113.7", 7774},
          Case{"192.168.1.20:x", nullptr, 0}, Case{"[2001:db8::1", nullptr, 0},
          Case{"", nullptr, 0}}) {
        joined.clear();
        window.addressEdit->setText(QString::fromLatin1(c.typed));
        window.joinButton->click();
        if (c.address == nullptr) {
            EXPECT_EQ(joined.count(), 0) << c.typed;
            EXPECT_FALSE(window.note->text().isEmpty()) << c.typed;
            continue;
        }
        ASSERT_EQ(joined.count(), 1) << c.typed;
        EXPECT_EQ(joined.at(0).at(1).toString(), QString::fromLatin1(c.address));
        EXPECT_EQ(joined.at(0).at(2).value<quint16>(), c.port);
    }
}

TEST(JoinWindowTest, AnInvitationFillsTheWindowAndABrokenOneSaysWhy) {
    JoinWindow window({freeUdpPort(), 6000}, 7772);
    QSignalSpy joined(&window, &JoinWindow::joinRequested);
    window.show();
    EXPECT_FALSE(window.showInvitation(QStringLiteral("hearts://host:99999/?table=x")));
    EXPECT_TRUE(window.note->text().contains(QStringLiteral("port")));
    EXPECT_TRUE(window.addressEdit->text().isEmpty());
    EXPECT_EQ(joined.count(), 0);

    ASSERT_TRUE(
        window.showInvitation(QStringLiteral("hearts://[::1]:7790/?table=Ann%27s%20table")));
    EXPECT_EQ(window.addressEdit->text(), QStringLiteral("[::1]:7790"));
    EXPECT_TRUE(window.note->text().contains(QStringLiteral("Ann's table")));
    // The name is asked for: nothing joins until it is given.
    window.nameEdit->clear();
    window.joinButton->click();
    EXPECT_EQ(joined.count(), 0);
    window.nameEdit->setText(QStringLiteral("Bob"));
    window.joinButton->click();
    ASSERT_EQ(joined.count(), 1);
    EXPECT_EQ(joined.at(0).at(1).toString(), QStringLiteral("::1"));
    EXPECT_EQ(joined.at(0).at(2).value<quint16>(), 7790);
}

TEST(HostWindowTest, TheInvitationFollowsTheTableAndIsCopied) {
    HostWindow window;
    window.setPlayerName(QStringLiteral("Ann"));
    window.setTableAddress(QStringLiteral("192.168.1.20"), 7772);
    EXPECT_EQ(window.invitationEdit->text(),
              QStringLiteral("hearts://192.168.1.20:7772/?table=Ann%27s%20table"));
    window.tableEdit->setText(QStringLiteral("Friday"));
    EXPECT_EQ(window.invitationLink(), QStringLiteral("hearts://192.168.1.20:7772/?table=Friday"));
    EXPECT_TRUE(window.addressLabel->text().startsWith(QStringLiteral("192.168.1.20:7772")));
    window.copyButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), window.invitationLink());
    window.setTableAddress(QStringLiteral("2001:db8::5"), 7772);
    EXPECT_EQ(window.plainAddress(), QStringLiteral("[2001:db8::5]:7772"));
    window.setTableAddress(QString(), 7772);
    EXPECT_FALSE(window.copyButton->isEnabled());
}

TEST(HostAndJoin, AGuestJoinsOverIpv6) {
    if (QHostAddress(QHostAddress::LocalHostIPv6).isNull() ||
        !QTcpServer().listen(QHostAddress::LocalHostIPv6)) {
        GTEST_SKIP() << "this machine has no IPv6 loopback";
    }
    const Launcher::Ports ports = freePorts();
    Tchat host({"Ann", "127.0.0.1"});
    hostWindowOf(host, ports);
    host.launcher().setAnnounce(false);
    ASSERT_TRUE(host.launcher().host(QStringLiteral("Ann"), QStringLiteral("Ann's table")));
    EXPECT_TRUE(host.chatText().contains(QStringLiteral("Invitation: hearts://")));
    ASSERT_TRUE(waitUntil([&] { return host.state().seatName(1) == "Ann"; }));

    Tchat guest({"Bob", "127.0.0.1"});
    guest.launcher().setPorts(ports);
    guest.launcher().join(QStringLiteral("Bob"), QStringLiteral("::1"), ports.table);
    ASSERT_TRUE(waitUntil([&] { return guest.state().seatName(2) == "Bob"; }));
    EXPECT_TRUE(waitUntil([&] { return host.state().seatName(2) == "Bob"; }));
}

TEST(HostAndJoin, AHostedTableIsAnnouncedAndJoinedFromAnotherWindow) {
    const Launcher::Ports ports = freePorts();
    Tchat host({"Ann", "127.0.0.1"});
    TServer* server = hostWindowOf(host, ports);
    host.show();
    ASSERT_TRUE(host.launcher().host(QStringLiteral("Ann"), QStringLiteral("Ann's table")));
    EXPECT_TRUE(host.chatText().contains(QStringLiteral("Hosting on %1 port %2")
                                             .arg(Launcher::addressForFriends())
                                             .arg(ports.table)));
    ASSERT_TRUE(waitUntil([&] { return host.state().seatName(1) == "Ann"; }));
    EXPECT_TRUE(host.startGameAction()->isEnabled());

    TableFinder finder({ports.announce, 6000});
    ASSERT_TRUE(finder.start());
    ASSERT_TRUE(waitUntil(
        [&] { return !finder.tables().empty() && finder.tables().front().table.people == 1; },
        5000));
    const TableFinder::Found found = finder.tables().front();
    EXPECT_EQ(found.table.table, "Ann's table");
    EXPECT_EQ(found.table.host, "Ann");
    EXPECT_EQ(found.table.port, ports.table);

    Tchat guest({"Bob", "127.0.0.1"});
    guest.launcher().setPorts(ports);
    guest.show();
    guest.launcher().join(QStringLiteral("Bob"), found.address.toString(), found.table.port);
    // The newcomer hears of itself first, then of those already seated.
    ASSERT_TRUE(waitUntil([&] { return guest.state().seatName(2) == "Bob"; }));
    EXPECT_TRUE(waitUntil([&] { return guest.state().seatName(1) == "Ann"; }));
    EXPECT_FALSE(guest.startGameAction()->isEnabled());
    ASSERT_TRUE(waitUntil(
        [&] { return !finder.tables().empty() && finder.tables().front().table.people == 2; },
        5000));

    // The host leaves for another table: the guest is told, its window stays.
    host.launcher().leave();
    EXPECT_FALSE(server->listening());
    ASSERT_TRUE(waitUntil([&] { return !guest.state().connected(); }));
    EXPECT_EQ(guest.state().statusText(), "The host has closed the table.");
    EXPECT_TRUE(guest.isVisible());
}
