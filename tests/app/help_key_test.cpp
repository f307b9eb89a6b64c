// F1 from any of the program's windows opens the help at that window's
// topic.
#include "helppages.h"
#include "mainmenus.h"
#include "scoresheetwindow.h"
#include "tablewindows.h"
#include "tchat.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"

#include "wait.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class HelpKeys : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(chat.settingsPath());
        windows.help = new Thelp(&chat);
        windows.gamestart = new Tgamestart(&chat);
        windows.download = new Tdownload(&chat);
        chat.attach(windows);
        chat.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chat));
    }
    void TearDown() override { QFile::remove(chat.settingsPath()); }

    // F1 in `window` (shown and active), and the help's caption after it.
    QString helpAfterF1In(QWidget* window) {
        windows.help->hide();
        windows.help->SelButton1Click(helptopic::kLicense);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(waitUntil([window] { return window->isActiveWindow(); })) << "not active";
        QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
        QTest::keyClick(target, Qt::Key_F1);
        if (!waitUntil([this] { return windows.help->isVisible(); })) {
            return QStringLiteral("(no help)");
        }
        return windows.help->label_caption->text();
    }

    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    Tchat::Windows windows;
};

} // namespace

TEST_F(HelpKeys, F1OpensTheTopicOfTheWindowItCameFrom) {
    HostWindow host(&chat);
    const struct {
        QWidget* window;
        const char* caption;
    } cases[] = {
        {&chat, "Game Play"},
        {&host, "Connecting"},
        {windows.download, "The Lobby"},
        {windows.gamestart, "Game Play"},
        {chat.table().scoreSheetWindow(), "Scoring"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(helpAfterF1In(c.window), QLatin1String(c.caption))
            << c.window->metaObject()->className();
        c.window->hide();
    }
    // The menu item answers for the window in front.
    windows.help->hide();
    QApplication::setActiveWindow(&chat);
    windows.help->SelButton1Click(helptopic::kLicense);
    chat.menus().Content1->trigger();
    EXPECT_EQ(windows.help->label_caption->text(), QStringLiteral("Game Play"));
}
