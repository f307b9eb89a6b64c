#include "tdownload.h"

#include "httpserver.h"
#include "wait.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Download : public ::testing::Test {
protected:
    void SetUp() override {
        window.folder = folder.path();
        window.startProgram = [this](const QString& program, const QStringList& parameters) {
            started.append(program + QLatin1Char(' ') + parameters.join(QLatin1Char(' ')));
            return startSucceeds;
        };
        window.message = [this](const QString& text) { messages.append(text); };
    }
    QString installer() const { return folder.filePath(QStringLiteral("ovlsetup.exe")); }

    LocalHttpServer server;
    QTemporaryDir folder;
    Tdownload window;
    QStringList started;
    QStringList messages;
    bool startSucceeds = true;
};

} // namespace

TEST_F(Download, AWholeInstallerIsStartedAndTheGameCloses) {
    QByteArray body(1000, 'x');
    server.answers[QStringLiteral("/lobby/ovlsetup.exe")] = {200, body, true};
    window.source = QUrl(server.url(QStringLiteral("/lobby/ovlsetup.exe")));
    QSignalSpy exit(&window, &Tdownload::exitRequested);
    window.getbuttonClick();
    EXPECT_FALSE(window.getbutton->isEnabled());
    EXPECT_TRUE(window.abortbutton->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return !window.downloading(); }));
    EXPECT_EQ(window.infolabel->text(), QStringLiteral("Received 1000 bytes"));
    EXPECT_EQ(window.infolabel3->text(), QStringLiteral("Installing"));
    EXPECT_EQ(started, QStringList{installer() + QStringLiteral(" /SP- /silent /noicons")});
    EXPECT_EQ(exit.count(), 1);
    QFile file(installer());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), body);
    EXPECT_TRUE(window.getbutton->isEnabled());
    EXPECT_FALSE(window.abortbutton->isEnabled());
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(server.requests[0].contains("User-Agent: Mozilla/3.0 (compatible)"));
}

TEST_F(Download, AnInstallerThatDoesNotStartIsReported) {
    server.answers[QStringLiteral("/lobby/ovlsetup.exe")] = {200, QByteArray(10, 'x'), true};
    window.source = QUrl(server.url(QStringLiteral("/lobby/ovlsetup.exe")));
    startSucceeds = false;
    QSignalSpy exit(&window, &Tdownload::exitRequested);
    window.getbuttonClick();
    ASSERT_TRUE(waitUntil([&] { return !window.downloading(); }));
    EXPECT_EQ(messages, QStringList{"An Error has Occurred."});
    EXPECT_EQ(exit.count(), 0);
}

TEST_F(Download, NotFoundStartsNothingAndLeavesNothing) {
    window.source = QUrl(server.url(QStringLiteral("/missing/ovlsetup.exe")));
    window.getbuttonClick();
    ASSERT_TRUE(waitUntil([&] { return !window.downloading(); }));
    EXPECT_EQ(window.infolabel->text(), QStringLiteral("Download Aborted"));
    EXPECT_EQ(window.downloadState(), 2);
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(Download, StoppingDuringTheBody) {
    server.answers[QStringLiteral("/slow/ovlsetup.exe")] = {200, QByteArray(500, 'y'), false};
    window.source = QUrl(server.url(QStringLiteral("/slow/ovlsetup.exe")));
    window.getbuttonClick();
    ASSERT_TRUE(waitUntil([&] { return window.infolabel->text() == QStringLiteral("500 bytes"); }));
    EXPECT_EQ(window.infolabel3->text(), QStringLiteral("Downloading: ovlsetup.exe"));
    window.abortbuttonClick();
    ASSERT_TRUE(waitUntil([&] { return !window.downloading(); }));
    EXPECT_EQ(window.infolabel->text(), QStringLiteral("Download Aborted"));
    EXPECT_EQ(window.infolabel3->text(), QStringLiteral("Download Aborted"));
    EXPECT_TRUE(window.getbutton->isEnabled());
    EXPECT_FALSE(window.abortbutton->isEnabled());
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(Download, PlayWithOthersWithoutTheLobby) {
    QSignalSpy exit(&window, &Tdownload::exitRequested);
    if (!QFile::exists(Tdownload::lobbyLocation())) {
        window.Button2Click();
        EXPECT_EQ(messages,
                  QStringList{"Please close the game and open the Orvane Lobby using the "
                              "icon on your desktop or using the your Window's start-up menu."});
        EXPECT_EQ(exit.count(), 0);
    }
    window.show();
    window.Button1Click();
    EXPECT_FALSE(window.isVisible());
}
