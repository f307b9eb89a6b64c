#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(ProgramFolder, AnInstalledProgramWritesOnlyInThePerUserFolder) {
    struct Case {
        const char* what;
        bool chosen;
        bool marker;
        bool writable;
        const char* answer; // "chosen", "program" or "user"
    };
    const Case cases[] = {
        {"HEARTS_CONFIG_DIR wins", true, true, true, "chosen"},
        {"a portable copy", false, true, true, "program"},
        {"installed, even in a folder its user may write (root)", false, false, true, "user"},
        {"a portable copy on a read-only medium", false, true, false, "user"},
    };
    for (const Case& c : cases) {
        if (!c.writable && geteuid() == 0) {
            continue; // root writes into read-only folders
        }
        QTemporaryDir top;
        const QString program = top.filePath(QStringLiteral("bin"));
        const QString user = top.filePath(QStringLiteral("home/.config/Hearts"));
        const QString chosen = c.chosen ? top.filePath(QStringLiteral("chosen")) : QString();
        QDir().mkpath(program);
        if (c.marker) {
            QFile marker(QDir(program).filePath(kPortableMarker));
            ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        }
        if (!c.writable) {
            QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        }
        const QString expected = QString::fromLatin1(c.answer) == QLatin1String("chosen") ? chosen
                                 : QString::fromLatin1(c.answer) == QLatin1String("program")
                                     ? program
                                     : user;
        EXPECT_EQ(programFolderFor(chosen, program, user), expected) << c.what;
        EXPECT_TRUE(QDir(expected).exists()) << c.what;
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}
