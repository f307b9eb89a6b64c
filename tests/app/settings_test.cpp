// The settings file: the INI rules, and the main window's load, save and
// close rule on real files in the run's temporary folder.
#include "inifile.h"
#include "mainmenus.h"
#include "tchat.h"
#include "tgamestart.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeAll(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

// A main window with its game start dialog, and the settings file as given.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        windows.gamestart = new Tgamestart(&chat);
        chat.attach(windows);
        chat.show();
        QFile::remove(chat.settingsPath());
    }
    void TearDown() override { QFile::remove(chat.settingsPath()); }
    void givenFile(const QString& text) { writeAll(chat.settingsPath(), text); }
    QString savedFile() { return readAll(chat.settingsPath()); }
    QAction* textSizeItem(int points) {
        for (QAction* item : chat.options().textSizeItems) {
            if (item->objectName() == QStringLiteral("N%1").arg(points)) {
                return item;
            }
        }
        return nullptr;
    }

    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    Tchat::Windows windows;
};

} // namespace

TEST(IniFile, AFarTooLargeFileIsNeitherReadNorOverwritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ini"));
    QByteArray big = "[agame]\nTextsize=12\n";
    big += QByteArray(2 * IniFile::kMaxBytes, ';');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(big);
    }
    IniFile ini(path);
    EXPECT_EQ(
        ini.readString(QStringLiteral("agame"), QStringLiteral("Textsize"), QStringLiteral("8")),
        QStringLiteral("8"));
    ini.writeString(QStringLiteral("agame"), QStringLiteral("Textsize"), QStringLiteral("10"));
    EXPECT_FALSE(ini.save());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), big);
}

TEST(IniFile, KeepsOtherSectionsAndMatchesWithoutCase) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvanelobby.ini"));
    writeAll(path,
             QStringLiteral("; the lobby's own\r\n[Lobby]\r\nServer=example\r\n\r\n"
                            "[AGAME]\r\nTEXTSIZE = 12 \r\nWidth=800\r\n\r\n[Other]\r\nx=1\r\n"));
    IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("agame"), QStringLiteral("textsize"), QString()),
              QStringLiteral("12"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("agame"), QStringLiteral("Top"), 3), 3);
    EXPECT_EQ(ini.readString(QStringLiteral("lobby"), QStringLiteral("SERVER"), QString()),
              QStringLiteral("example"));
    ini.writeString(QStringLiteral("agame"), QStringLiteral("Textsize"), QStringLiteral("14"));
    ini.writeString(QStringLiteral("agame"), QStringLiteral("Top"), QStringLiteral("5"));
    ini.writeString(QStringLiteral("new"), QStringLiteral("k"), QStringLiteral("v"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(
        readAll(path),
        QStringLiteral("; the lobby's own\r\n[Lobby]\r\nServer=example\r\n\r\n"
                       "[AGAME]\r\nTextsize=14\r\nWidth=800\r\nTop=5\r\n\r\n[Other]\r\nx=1\r\n"
                       "\r\n[new]\r\nk=v\r\n"));
    // Unreadable numbers give the default.
    writeAll(path, QStringLiteral("[agame]\nTop=abc\nLeft=\n"));
    IniFile bad(path);
    EXPECT_EQ(bad.readInteger(QStringLiteral("agame"), QStringLiteral("Top"), 3), 3);
    EXPECT_EQ(bad.readInteger(QStringLiteral("agame"), QStringLiteral("Left"), 3), 3);
    // No file: defaults; a save into a folder that is not there fails.
    IniFile none(dir.filePath(QStringLiteral("missing/none.ini")));
    EXPECT_EQ(none.readString(QStringLiteral("agame"), QStringLiteral("Safe"), QStringLiteral("0")),
              QStringLiteral("0"));
    EXPECT_FALSE(none.save());
}

TEST_F(SettingsFile, NoFileGivesTheDefaults) {
    chat.ResetScreenLocation1Click();
    chat.setBounds(QRect(40, 50, 900, 600));
    chat.loadinifile();
    // No placement in the file: the window stays where it was put.
    EXPECT_EQ(chat.bounds(), QRect(40, 50, 900, 600));
    // 8 points, but never smaller than the desktop's own text.
    const int least = OptionsMenu::desktopTextSize();
    EXPECT_EQ(chat.chat().mainchat->textSize(), std::max(8, least));
    for (int points : {8, 10, 12, 14}) {
        EXPECT_EQ(textSizeItem(points)->isChecked(), points == std::max(8, least)) << points;
        EXPECT_EQ(textSizeItem(points)->isEnabled(), points >= least) << points;
    }
    EXPECT_TRUE(chat.options().PlaySounds1->isChecked());
    EXPECT_TRUE(chat.options().PlayChatterSounds1->isChecked());
    EXPECT_TRUE(chat.options().Classic1->isChecked());
    EXPECT_TRUE(chat.table().Normal1->isChecked());
    EXPECT_EQ(chat.chat().chatColour(), colortext::kBlack);
    // No play-to score in the file: the dialog says what the table says.
    EXPECT_EQ(windows.gamestart->playtoText(), QStringLiteral("100"));
    EXPECT_FALSE(windows.gamestart->strongComputers());
}

TEST_F(SettingsFile, UnusualValues) {
    givenFile(
        QStringLiteral("[agame]\nTextsize=11\nBotspeed=abc\nTextcolor=$00FF0000\n"
                       "Playtoscore=x\nSafe=1\nPlaysounds=false\nTurnsound=1\n"
                       "ChatterSounds=false\nPhrase4=/me bows\nPhrase5=\nComputerlevel=strong\n"));
    windows.gamestart->setPlayto(200);
    chat.loadinifile();
    EXPECT_EQ(chat.chat().mainchat->textSize(), 11);
    for (QAction* item : chat.options().textSizeItems) {
        EXPECT_FALSE(item->isChecked());
    }
    EXPECT_EQ(chat.botSpeedMs(), 1000);
    EXPECT_TRUE(chat.table().Normal1->isChecked());
    EXPECT_EQ(chat.chat().chatColour(), colortext::kBlue);
    EXPECT_EQ(windows.gamestart->playtoText(), QStringLiteral("200"));
    EXPECT_EQ(windows.gamestart->safeState(), 1);
    EXPECT_TRUE(windows.gamestart->strongComputers());
    EXPECT_FALSE(chat.options().PlaySounds1->isChecked());
    EXPECT_FALSE(chat.sounds().playSounds);
    EXPECT_TRUE(chat.options().New1->isChecked());
    EXPECT_EQ(chat.state().turnSound(), 1);
    EXPECT_FALSE(chat.options().PlayChatterSounds1->isChecked());
    EXPECT_EQ(chat.chat().phrase(4), QStringLiteral("/me bows"));
    EXPECT_EQ(chat.chat().phrase(5), QStringLiteral("Brilliant!"));

    chat.saveinifile();
    const QString saved = savedFile();
    for (const char* line : {"Textsize=11", "Textcolor=clBlue", "Botspeed=1000", "Playtoscore=200",
                             "Safe=1", "Turnsound=1", "ChatterSounds=false", "Playsounds=false",
                             "Phrase4=/me bows", "Computerlevel=Strong"}) {
        EXPECT_TRUE(saved.contains(QLatin1String(line))) << line << "\n" << saved.toStdString();
    }
}

TEST_F(SettingsFile, OptionChangesSaveAtOnce) {
    givenFile(QStringLiteral("[lobby]\nkeep=me\n"));
    textSizeItem(14)->trigger();
    EXPECT_TRUE(savedFile().contains(QLatin1String("Textsize=14")));
    chat.table().Fast1->trigger();
    EXPECT_TRUE(savedFile().contains(QLatin1String("Botspeed=500")));
    chat.options().PlaySounds1->trigger();
    EXPECT_TRUE(savedFile().contains(QLatin1String("Playsounds=false")));
    chat.options().New1->trigger();
    EXPECT_TRUE(savedFile().contains(QLatin1String("Turnsound=1")));
    EXPECT_TRUE(savedFile().contains(QLatin1String("[lobby]\nkeep=me\n")));
}

TEST_F(SettingsFile, TheCloseRule) {
    chat.loadinifile();
    // Not moved or resized since the load: nothing is written.
    ASSERT_FALSE(QFile::exists(chat.settingsPath()));
    chat.close();
    EXPECT_FALSE(QFile::exists(chat.settingsPath()));

    chat.show();
    chat.setBounds(QRect(20, 30, 800, 560));
    chat.close();
    EXPECT_TRUE(savedFile().contains(QLatin1String("Top=30\nLeft=20\nWidth=800\nHeight=560")))
        << savedFile().toStdString();

    // Larger than the work area: stored 15 pixels smaller that way.
    QFile::remove(chat.settingsPath());
    chat.show();
    const QRect work = chat.screen()->availableGeometry();
    chat.setBounds(QRect(0, 0, work.width() + 100, 600));
    chat.close();
    EXPECT_TRUE(savedFile().contains(QStringLiteral("Width=%1\nHeight=600").arg(work.width() + 85)))
        << savedFile().toStdString();
}

TEST_F(SettingsFile, TheClientAreaNeverShrinksBelowTheBoard) {
    chat.resize(300, 200);
    EXPECT_GE(chat.centralWidget()->width(), 767);
    EXPECT_GE(chat.centralWidget()->height(), 478);
}

TEST_F(SettingsFile, ScrollChatOffTwinsShowOneCheckMark) {
    chat.options().ScrollChatOff2->trigger();
    EXPECT_TRUE(chat.chat().ScrollChatOff1->isChecked());
    EXPECT_TRUE(chat.chat().mainchat->scrollOff());
    chat.chat().ScrollChatOff1->trigger();
    EXPECT_FALSE(chat.options().ScrollChatOff2->isChecked());
    EXPECT_FALSE(chat.chat().mainchat->scrollOff());
}
