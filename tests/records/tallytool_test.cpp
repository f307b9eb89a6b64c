// The hearts-tally tool on real files.
#include "tallytable.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int code;
    QString out;
    QString err;
};

ToolRun tool(const QStringList& args) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() +
                      QStringLiteral("/../src/records/hearts-tally"),
                  args);
    process.waitForFinished(10000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

TEST(HeartsTally, PackShowAndUnpack) {
    QTemporaryDir dir;
    TallyTable table;
    table.setCell(1, 0, QStringLiteral("12"));
    table.setCell(2, 0, QStringLiteral("5"));
    table.addOpponent(QStringLiteral("Ann"));
    table.setCell(1, 1, QStringLiteral("7"));
    const QString text = dir.filePath(QStringLiteral("tally.txt"));
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(table.toText());
    }
    const QString packed = dir.filePath(QStringLiteral("agametally.tld"));
    EXPECT_EQ(tool({"pack", text, packed}).code, 0);
    const ToolRun shown = tool({"show", packed});
    EXPECT_EQ(shown.code, 0);
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Total games 12, your wins 5")));
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Ann")));
    const QString back = dir.filePath(QStringLiteral("back.txt"));
    EXPECT_EQ(tool({"unpack", packed, back}).code, 0);
    QFile a(text), b(back);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(HeartsTally, ErrorsExitNonZero) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    {
        QFile file(plain);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("nothing packed");
    }
    const ToolRun bad = tool({"unpack", plain, dir.filePath(QStringLiteral("out"))});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("this file has no valid header !")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out"))));
    EXPECT_EQ(tool({"show", plain}).code, 1);
    EXPECT_EQ(tool({"pack", dir.filePath(QStringLiteral("missing")), plain}).code, 1);
    EXPECT_EQ(tool({"frobnicate"}).code, 2);
}
