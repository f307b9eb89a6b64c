// Test main: a QApplication on the offscreen platform, so that sockets,
// timers and widgets work as in the program; the program's files go to a
// temporary folder of this run.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir configDir;
    qputenv("HEARTS_CONFIG_DIR", configDir.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
