#include "helppages.h"
#include "tabout.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tspylist.h"
#include "ttallylist.h"
#include "turl.h"

#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QTextDocument>
#include <memory>

#include <gtest/gtest.h>

TEST(WatcherList, RemoveFromGameNamesTheEntryUnderThePointer) {
    Tspylist list;
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Hearts - Spys"));
    EXPECT_FALSE(list.popup_kickhim->isEnabled());
    QList<int> kicked;
    list.kicking = [&](int number) { kicked.append(number); };
    list.setWatchers({"5: Eve", "7: Zed"});
    list.setEntryUnderPointer(1);
    list.popup_kickhimClick();
    list.setEntryUnderPointer(-1);
    list.popup_kickhimClick();
    list.setWatchers({"x: odd"});
    list.setEntryUnderPointer(0);
    list.popup_kickhimClick();
    EXPECT_EQ(kicked, QList<int>{7});
}

TEST(HelpWindow, PagesAndCaptions) {
    Thelp help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Hearts - Help File"));
    EXPECT_EQ(help.label_caption->text(), QStringLiteral("Overview"));
    help.SelButton1Click(5);
    EXPECT_EQ(help.label_caption->text(), QStringLiteral("Documentation"));
    EXPECT_TRUE(help.currentPage()->toPlainText().startsWith(QStringLiteral("History")));
    for (int tag : {1, 2, 3, 4, 5, 6, 7, 11}) {
        EXPECT_GT(help.page(tag)->toPlainText().size(), 200) << tag;
    }
    EXPECT_TRUE(help.page(2)->toPlainText().contains(QStringLiteral("7772")));
    EXPECT_TRUE(help.page(4)->toPlainText().contains(QStringLiteral("Queen of Spades")));
}

// A title bar shows each side window's caption whole, never "Hearts ... e Start".
TEST(SideWindows, WideEnoughForTheirCaption) {
    std::vector<std::unique_ptr<SideWindow>> windows;
    windows.push_back(std::make_unique<Tgamestart>());
    windows.push_back(std::make_unique<Thelp>());
    windows.push_back(std::make_unique<Tabout>());
    windows.push_back(std::make_unique<Tspylist>());
    windows.push_back(std::make_unique<Ttallylist>());
    windows.push_back(std::make_unique<Tdownload>());
    for (const auto& window : windows) {
        window->show();
        QFont bold = window->font();
        bold.setBold(true);
        const int caption = QFontMetrics(bold).horizontalAdvance(window->windowTitle());
        EXPECT_GE(window->width(), caption + 100) << window->windowTitle().toStdString();
    }
}

// The Keys page and the README's table of keys list the same keys, each
// with the same words.
TEST(HelpWindow, TheKeysPageHoldsEveryKeyOfTheReadme) {
    QFile readme(QStringLiteral(HEARTS_README));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(readme.readAll());
    const int start = text.indexOf(QStringLiteral("| key | what it does |"));
    ASSERT_GE(start, 0);
    QStringList readmeRows;
    for (const QString& line : text.mid(start).split(QLatin1Char('\n')).mid(2)) {
        if (!line.startsWith(QLatin1Char('|'))) {
            break;
        }
        readmeRows << line;
    }
    QStringList pageRows;
    for (const KeyHelp& key : kHelpKeys) {
        pageRows << QStringLiteral("| %1 | %2 |")
                        .arg(QString::fromUtf8(key.key), QString::fromUtf8(key.what));
    }
    EXPECT_EQ(readmeRows, pageRows);

    Thelp help;
    help.SelButton1Click(helptopic::kKeys);
    EXPECT_EQ(help.label_caption->text(), QStringLiteral("Keys"));
    const QString page = help.currentPage()->toPlainText();
    for (const KeyHelp& key : kHelpKeys) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(key.what))) << key.key;
    }
}

TEST(AboutWindow, VersionAndLink) {
    Tabout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Hearts - About"));
    EXPECT_EQ(about.version->text(), QStringLiteral("1.0.9"));
    EXPECT_EQ(about.size(), QSize(304, 174));
    QStringList opened;
    TURL::opener() = [&](const QString& target) {
        opened.append(target);
        return true;
    };
    about.Label7Click();
    EXPECT_EQ(opened, QStringList{"http://www.orvane.com"});
}

TEST(Link, PrefixesByType) {
    const std::pair<TURL::TURLType, const char*> cases[] = {
        {TURL::TURLType::utFile, "file://"},     {TURL::TURLType::utFtp, "ftp://"},
        {TURL::TURLType::utGopher, "gopher://"}, {TURL::TURLType::utHttp, "http://"},
        {TURL::TURLType::utHttps, "https://"},   {TURL::TURLType::utMailto, "mailto:"},
        {TURL::TURLType::utNews, "news:"},       {TURL::TURLType::utTelnet, "telnet:"},
        {TURL::TURLType::utWais, "wais:"},       {TURL::TURLType::utnone, ""}};
    for (const auto& [type, prefix] : cases) {
        EXPECT_EQ(TURL::prefix(type), QString::fromLatin1(prefix));
    }
    TURL empty;
    int calls = 0;
    TURL::opener() = [&](const QString&) { return ++calls > 0; };
    EXPECT_FALSE(empty.open());
    EXPECT_EQ(calls, 0);
}
