// Saves on a full disk: a small filesystem of its own (tmpfs in a private
// mount namespace), the old settings and tally files in it, then filled up;
// the game's saves fail, say so, and leave both files byte for byte.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs a shell script in a mount namespace of its own; answers its
// standard output, or nothing when no such namespace may be made here.
std::optional<QString> inOwnMountNamespace(const QString& script, QString* why) {
    for (const QStringList& how :
         {QStringList{QStringLiteral("-m")},
          QStringList{QStringLiteral("-U"), QStringLiteral("-r"), QStringLiteral("-m")}}) {
        QProcess probe;
        probe.start(QStringLiteral("unshare"), how + QStringList{QStringLiteral("true")});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0) {
            *why = QString::fromLocal8Bit(probe.readAllStandardError());
            continue;
        }
        QProcess run;
        run.start(QStringLiteral("unshare"),
                  how + QStringList{QStringLiteral("sh"), QStringLiteral("-c"), script});
        run.waitForFinished(30000);
        *why = QString::fromLocal8Bit(run.readAllStandardError());
        if (run.exitCode() != 0) {
            return std::nullopt;
        }
        return QString::fromLocal8Bit(run.readAllStandardOutput());
    }
    return std::nullopt;
}

} // namespace

TEST(FullDisk, SavesFailAloudAndKeepTheOldFilesWhole) {
    QTemporaryDir work;
    const QString mountPoint = work.filePath(QStringLiteral("disk"));
    const QString kept = work.filePath(QStringLiteral("kept"));
    ASSERT_TRUE(QDir().mkpath(mountPoint) && QDir().mkpath(kept));
    const QByteArray settings = "[agame]\r\nPlayername=Ann\r\nBotspeed=500\r\n";
    ASSERT_TRUE(write(work.filePath(QStringLiteral("orvanelobby.ini")), settings));
    // A tally of a few thousand bytes, and a bigger one to save over it.
    const QString tools = QCoreApplication::applicationDirPath();
    const QString tally = tools + QStringLiteral("/../src/records/hearts-tally");
    QByteArray text;
    for (int i = 0; i < 400; ++i) {
        text += "Opponent " + QByteArray::number(i) + "\r\n";
    }
    ASSERT_TRUE(write(work.filePath(QStringLiteral("old.txt")), text));
    ASSERT_TRUE(write(work.filePath(QStringLiteral("new.txt")), text.repeated(20)));
    QProcess pack;
    pack.setStandardOutputFile(QProcess::nullDevice());
    pack.start(tally, {QStringLiteral("pack"), work.filePath(QStringLiteral("old.txt")),
                       work.filePath(QStringLiteral("agametally.tld"))});
    ASSERT_TRUE(pack.waitForFinished(10000) && pack.exitCode() == 0);
    const QByteArray tallyBefore = readAll(work.filePath(QStringLiteral("agametally.tld")));

    const QString script =
        QStringLiteral("set -e\n"
                       "mount -t tmpfs -o size=64k tmpfs '%1'\n"
                       "cp '%2/orvanelobby.ini' '%2/agametally.tld' '%1/'\n"
                       "dd if=/dev/zero of='%1/filler' bs=1k 2>/dev/null || true\n"
                       "set +e\n"
                       "'%3/save_probe' '%1/orvanelobby.ini' 20000; echo settings=$?\n"
                       "'%4' pack '%2/new.txt' '%1/agametally.tld' >/dev/null; echo tally=$?\n"
                       "ls -A '%1' | tr '\\n' ' '; echo\n"
                       "cp '%1/orvanelobby.ini' '%1/agametally.tld' '%5/'\n")
            .arg(mountPoint, work.path(), tools, tally, kept);
    QString why;
    const std::optional<QString> output = inOwnMountNamespace(script, &why);
    if (!output) {
        GTEST_SKIP() << "no private mount namespace with a small filesystem here: "
                     << why.toStdString();
    }
    EXPECT_TRUE(output->contains(QStringLiteral("settings=1"))) << output->toStdString();
    EXPECT_TRUE(output->contains(QStringLiteral("tally=1"))) << output->toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("No space left on device"))) << why.toStdString();
    // Nothing half-written is left beside them either.
    EXPECT_TRUE(output->contains(QStringLiteral("agametally.tld filler orvanelobby.ini \n")))
        << output->toStdString();
    EXPECT_EQ(readAll(kept + QStringLiteral("/orvanelobby.ini")), settings);
    EXPECT_EQ(readAll(kept + QStringLiteral("/agametally.tld")), tallyBefore);
}
