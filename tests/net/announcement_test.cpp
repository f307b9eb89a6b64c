// The table announcement: its text, what a receiver refuses, and real UDP
// datagrams on loopback between an announcer and a finder.
#include "announcement.h"
#include "tablediscovery.h"

#include "serverprocess.h"
#include "wait.h"

#include <QProcess>
#include <QUdpSocket>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

announcement::Table annsTable() {
    announcement::Table table;
    table.port = 7772;
    table.table = "Ann's table";
    table.host = "Ann";
    table.people = 2;
    table.watchers = 1;
    table.inGame = true;
    return table;
}

quint16 freeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace

TEST(Announcement, ItsTextAndBackAgain) {
    const std::string text = announcement::format(annsTable());
    EXPECT_EQ(text, "HEARTS-TABLE 1\nport=7772\ntable=Ann's table\nhost=Ann\npeople=2\n"
                    "watchers=1\ningame=1\n");
    EXPECT_EQ(announcement::parse(text), annsTable());
}

TEST(Announcement, WhatAReceiverIgnores) {
    const std::string good = announcement::format(annsTable());
    auto without = [&](const std::string& line) {
        std::string text = good;
        text.erase(text.find(line), line.size());
        return text;
    };
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<const char*, std::string> refused[] = {
        {"empty", ""},
        {"another format", replaced("HEARTS-TABLE 1", "CHESS-TABLE 1")},
        {"a later version", replaced("HEARTS-TABLE 1", "HEARTS-TABLE 2")},
        {"no port", without("port=7772\n")},
        {"port 0", replaced("port=7772", "port=0")},
        {"port too high", replaced("port=7772", "port=65536")},
        {"port not a number", replaced("port=7772", "port=77x2")},
        {"five people", replaced("people=2", "people=5")},
        {"negative watchers", replaced("watchers=1", "watchers=-1")},
        {"in game 2", replaced("ingame=1", "ingame=2")},
        {"a field twice", good + "people=1\n"},
        {"too large", good + "note=" + std::string(600, 'x') + "\n"},
    };
    for (const auto& [what, text] : refused) {
        EXPECT_FALSE(announcement::parse(text).has_value()) << what;
    }
    // Fields it does not know, and lines without "=", are passed over.
    EXPECT_TRUE(announcement::parse(good + "colour=red\nhello\n").has_value());
}

TEST(Announcement, NamesAreCleanedAndCut) {
    announcement::Table table = annsTable();
    table.table = "Line\nbreak\ttab";
    table.host = std::string(30, 'a') + "\xC3\xA9\xC3\xA9"; // 34 bytes, cut inside "é"
    const auto back = announcement::parse(announcement::format(table));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->table, "Line break tab");
    EXPECT_EQ(back->host, std::string(30, 'a') + "\xC3\xA9");
}

TEST(Announcement, NamesShowNoControlsNoDirectionMarksNoBrokenCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"Ann's table", "Ann's table"},
        {"caf\xC3\xA9 \xE2\x99\xA5", "caf\xC3\xA9 \xE2\x99\xA5"},
        // U+202E RIGHT-TO-LEFT OVERRIDE and U+2066 LEFT-TO-RIGHT ISOLATE go.
        {"evil\xE2\x80\xAEtxt.exe", "eviltxt.exe"},
        {"a\xE2\x81\xA6"
         "b\xE2\x81\xA9"
         "c",
         "abc"},
        // U+009B (a C1 control: the terminal's escape) and DEL: blanks.
        {"x\xC2\x9B"
         "31my\x7F",
         "x 31my "},
        {"\x1B[2J", " [2J"},
        // Bytes that start no character: U+FFFD each.
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"\xC3", "\xEF\xBF\xBD"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // an overlong "/"
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // a surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        // Cut to whole characters within the limit.
        {std::string(31, 'a') + "\xE2\x99\xA5", std::string(31, 'a')},
    };
    for (const auto& [name, shown] : cases) {
        EXPECT_EQ(announcement::cleanName(name), shown) << name;
    }
}

TEST(Discovery, AnAnnouncedTableIsFoundAndForgottenWhenSilent) {
    const quint16 port = freeUdpPort();
    TableFinder finder({port, 400});
    ASSERT_TRUE(finder.start());
    announcement::Table table = annsTable();
    TableAnnouncer announcer([&] { return table; }, {port, 100});
    announcer.start();
    ASSERT_TRUE(waitUntil([&] { return finder.tables().size() == 1; }));
    const TableFinder::Found found = finder.tables().front();
    EXPECT_EQ(found.table, table);
    EXPECT_FALSE(found.address.isNull());
    // A change is heard at the next announcement.
    table.people = 3;
    ASSERT_TRUE(waitUntil([&] { return finder.tables().front().table.people == 3; }));
    EXPECT_EQ(finder.tables().size(), 1u);
    // Silent for longer than the finder waits: gone.
    announcer.stop();
    EXPECT_TRUE(waitUntil([&] { return finder.tables().empty(); }, 3000));
}

TEST(Discovery, ADatagramFromElsewhereStandsBesideTheTableItClaims) {
    const quint16 port = freeUdpPort();
    TableFinder finder({port, 5000});
    ASSERT_TRUE(finder.start());
    const QByteArray text = QByteArray::fromStdString(announcement::format(annsTable()));
    // The spoof is heard first, from another address; then the real table.
    QUdpSocket spoofer;
    ASSERT_TRUE(spoofer.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));
    spoofer.writeDatagram(text, QHostAddress::LocalHost, port);
    ASSERT_TRUE(waitUntil([&] { return finder.tables().size() == 1; }));
    QUdpSocket real;
    real.writeDatagram(text, QHostAddress::LocalHost, port);
    ASSERT_TRUE(waitUntil([&] { return finder.tables().size() == 2; }));
    // Each keeps its own address, however often either speaks.
    for (int i = 0; i < 3; ++i) {
        spoofer.writeDatagram(text, QHostAddress::LocalHost, port);
        real.writeDatagram(text, QHostAddress::LocalHost, port);
    }
    spin(200);
    const std::vector<TableFinder::Found> found = finder.tables();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].address, QHostAddress(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(found[1].address, QHostAddress(QStringLiteral("127.0.0.2")));
}

TEST(Discovery, AFloodOfTablesKeepsTheNewestFew) {
    const quint16 port = freeUdpPort();
    TableFinder finder({port, 60000});
    ASSERT_TRUE(finder.start());
    QUdpSocket sender;
    announcement::Table table = annsTable();
    int heard = 0;
    QObject::connect(&finder, &TableFinder::changed, [&] { ++heard; });
    const int sent = static_cast<int>(TableFinder::kMaxTables) + 100;
    for (int i = 0; i < sent; ++i) {
        table.table = "Table " + std::to_string(i);
        sender.writeDatagram(QByteArray::fromStdString(announcement::format(table)),
                             QHostAddress::LocalHost, port);
        if (i % 50 == 49) {
            spin(20);
        }
    }
    ASSERT_TRUE(waitUntil([&] {
        const auto tables = finder.tables();
        return std::any_of(tables.begin(), tables.end(), [&](const TableFinder::Found& f) {
            return f.table.table == "Table " + std::to_string(sent - 1);
        });
    }));
    const std::vector<TableFinder::Found> found = finder.tables();
    EXPECT_EQ(found.size(), TableFinder::kMaxTables);
    EXPECT_TRUE(std::none_of(found.begin(), found.end(), [](const TableFinder::Found& f) {
        return f.table.table == "Table 0";
    })) << "the longest silent went first";
}

TEST(Discovery, MalformedAndOversizedDatagramsAreIgnored) {
    const quint16 port = freeUdpPort();
    TableFinder finder({port, 5000});
    ASSERT_TRUE(finder.start());
    QUdpSocket sender;
    const QByteArray good = QByteArray::fromStdString(announcement::format(annsTable()));
    for (const QByteArray& junk :
         {QByteArray("HEARTS-TABLE 1\nport=x\n"), QByteArray(4000, 'A'),
          good + QByteArray(600, ' '), QByteArray("\xFF\xFE\x00\x01", 4)}) {
        sender.writeDatagram(junk, QHostAddress::LocalHost, port);
    }
    spin(200);
    EXPECT_TRUE(finder.tables().empty());
    sender.writeDatagram(good, QHostAddress::LocalHost, port);
    EXPECT_TRUE(waitUntil([&] { return finder.tables().size() == 1; }));
}

TEST(Discovery, HeartsServerAnnouncesAndHeartsTablesPrintsIt) {
    const quint16 announcePort = freeUdpPort();
    ServerProcess server(
        {"--table", "Test table", "--announce-port", QString::number(announcePort)});
    QProcess tables;
    tables.start(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/../src/net/hearts-tables"),
                 {"--wait", "3", "--port", QString::number(announcePort)});
    ASSERT_TRUE(tables.waitForFinished(10000));
    EXPECT_EQ(tables.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(tables.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << lines.join('|').toStdString();
    const QStringList fields = lines.front().split('\t');
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[1], QString::number(server.port));
    EXPECT_EQ(fields[2], QStringLiteral("Test table"));
    EXPECT_EQ(fields.mid(4), (QStringList{"0", "0", "no"}));

    ServerProcess quiet({"--no-announce", "--announce-port", QString::number(announcePort)});
    server.process.kill();
    server.process.waitForFinished();
    tables.start(tables.program(), tables.arguments());
    ASSERT_TRUE(tables.waitForFinished(10000));
    EXPECT_TRUE(tables.readAllStandardOutput().isEmpty());
}
