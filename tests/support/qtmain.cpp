// Test main: a QApplication on the offscreen platform, so that sockets,
// timers and widgets work as in the program; the program's files go to a
// temporary folder of this run. HEARTS_TEST_SCREEN=WIDTHxHEIGHT gives the
// offscreen platform a screen of that size (else 800 x 600). The Strong
// searches (here and in the servers the tests start) search fewer deals, so
// that a sanitizer's build stays well inside their time limit and two
// searches of the same moment agree.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("HEARTS_SEARCH_ITERATIONS")) {
        qputenv("HEARTS_SEARCH_ITERATIONS", "800");
    }
    QTemporaryDir configDir;
    qputenv("HEARTS_CONFIG_DIR", configDir.path().toUtf8());
    const QByteArray screen = qgetenv("HEARTS_TEST_SCREEN");
    if (!screen.isEmpty() && qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QList<QByteArray> size = screen.split('x');
        const QString screens = configDir.filePath(QStringLiteral("screens.json"));
        QFile file(screens);
        if (size.size() == 2 && file.open(QIODevice::WriteOnly)) {
            file.write("{\"screens\":[{\"name\":\"test\",\"x\":0,\"y\":0,\"width\":" + size[0] +
                       ",\"height\":" + size[1] + ",\"logicalDpi\":96,\"dpr\":1}]}");
            file.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toUtf8());
        }
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
