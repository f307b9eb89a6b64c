#include "tgamestart.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(GameStartDialog, ScoreLimitsSwitchAndStart) {
    Tgamestart dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hearts - Game Start"));
    EXPECT_EQ(dialog.playtoText(), QStringLiteral("100"));
    dialog.UpDown1->stepUp();
    EXPECT_EQ(dialog.playtoText(), QStringLiteral("110"));
    dialog.setPlayto(500);
    dialog.UpDown1->stepUp();
    EXPECT_EQ(dialog.playtoText(), QStringLiteral("500"));
    dialog.setPlayto(50);
    dialog.UpDown1->stepDown();
    EXPECT_EQ(dialog.playtoText(), QStringLiteral("50"));

    const QImage off = dialog.image_safe->pixmap().toImage();
    QTest::mouseClick(dialog.image_safe, Qt::LeftButton);
    EXPECT_EQ(dialog.safeState(), 1);
    EXPECT_NE(dialog.image_safe->pixmap().toImage(), off);
    QTest::mouseClick(dialog.image_safe, Qt::LeftButton);
    EXPECT_EQ(dialog.safeState(), 0);
    EXPECT_EQ(dialog.image_safe->pixmap().toImage(), off);

    dialog.setPlayto(250);
    dialog.changebox(1);
    dialog.show();
    QSignalSpy started(&dialog, &Tgamestart::startRequested);
    QTest::mouseClick(dialog.button_start, Qt::LeftButton);
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.at(0).at(0).toString(), QStringLiteral("250"));
    EXPECT_EQ(started.at(0).at(1).toInt(), 1);
    EXPECT_FALSE(dialog.isVisible());
}
