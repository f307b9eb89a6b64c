// The first minute of a new player on a 1920 x 1080 screen: no settings
// file, the program started without parameters.
#include "fastsolo.h"
#include "tdownload.h"

#include "wait.h"

#include <QCheckBox>
#include <QFile>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The program's start as main() makes it, with fast computer players.
struct Start {
    Tchat chat{QStringList{}};
    Tchat::Windows windows;

    Start() {
        windows.download = new Tdownload(&chat);
        attachFastSolo(chat, windows);
        chat.placeWindow();
        chat.show();
    }
    int cardsInHand() {
        int held = 0;
        for (int slot : chat.state().hand().places) {
            held += slot != 0 && chat.state().hand().cards.at(slot) != 0 ? 1 : 0;
        }
        return held;
    }
};

} // namespace

TEST(FirstStart, OpensLargeDealsAtOnceAndOffersTheLobbyOnceBesideTheTable) {
    QFile::remove(Tchat{QStringList{"Tester", "127.0.0.1"}}.settingsPath());
    QRect firstPlace;
    {
        Start first;
        const QRect work = first.chat.screen()->availableGeometry();
        ASSERT_GE(work.width(), 1600) << "the test's screen is 1920 x 1080 (HEARTS_TEST_SCREEN)";
        const QRect frame = first.chat.frameGeometry();
        EXPECT_TRUE(work.contains(frame));
        EXPECT_NEAR(frame.height(), work.height() * 0.8, 4);
        EXPECT_GE(frame.width(), work.width() * 6 / 10);
        EXPECT_NEAR(frame.center().y(), work.center().y(), 4);

        // Dealt without a click, and no window asks for anything first.
        ASSERT_TRUE(waitUntil([&] { return first.cardsInHand() == 13; }, 20000));
        EXPECT_FALSE(first.windows.gamestart->isVisible());

        // The lobby is offered beside the table, covering none of it.
        Tdownload* lobby = first.windows.download;
        ASSERT_TRUE(waitUntil([&] { return lobby->isVisible(); }));
        EXPECT_FALSE(lobby->isModal());
        EXPECT_FALSE(lobby->frameGeometry().intersects(frame));
        EXPECT_TRUE(work.contains(lobby->frameGeometry()));
        EXPECT_TRUE(lobby->dontShowAgain->isChecked());
        firstPlace = frame;
    }
    {
        // The next start: the lobby is not offered again; the window is
        // where it was.
        Start second;
        ASSERT_TRUE(waitUntil([&] { return second.cardsInHand() == 13; }, 20000));
        EXPECT_EQ(second.chat.frameGeometry().size(), firstPlace.size());
        spin(300);
        EXPECT_FALSE(second.windows.download->isVisible());
        // Until the player asks for it, and unticks the box: then it is
        // offered at the next start again.
        second.chat.showDownloadWindow();
        EXPECT_TRUE(second.windows.download->isVisible());
        second.windows.download->dontShowAgain->setChecked(false);
    }
    {
        Start third;
        EXPECT_TRUE(waitUntil([&] { return third.windows.download->isVisible(); }));
    }
    QFile::remove(Tchat{QStringList{"Tester", "127.0.0.1"}}.settingsPath());
}
