#include "tdownload.h"

#include "httpserver.h"
#include "wait.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
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
    static QByteArray sha256(const QByteArray& bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    }
    bool folderEmpty() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty();
    }

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
    window.trustedSha256 = sha256(body).toUpper();
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
    window.trustedSha256 = sha256(QByteArray(10, 'x'));
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
    EXPECT_TRUE(folderEmpty());
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

TEST_F(Download, AFileThatIsNotTheTrustedOneIsKeptAndNeverStarted) {
    // A captive portal's page, or a script, in place of the installer; or
    // no digest to check it against at all.
    const QByteArray page = "<html>Sign in to the hotel's network</html>";
    server.answers[QStringLiteral("/lobby/ovlsetup.exe")] = {200, page, true};
    window.source = QUrl(server.url(QStringLiteral("/lobby/ovlsetup.exe")));
    QSignalSpy exit(&window, &Tdownload::exitRequested);
    for (const QByteArray& trusted : {sha256("the real installer"), QByteArray()}) {
        window.trustedSha256 = trusted;
        window.getbuttonClick();
        ASSERT_TRUE(waitUntil([&] { return !window.downloading(); }));
        EXPECT_EQ(window.infolabel->text(), QStringLiteral("Received %1 bytes").arg(page.size()));
        EXPECT_EQ(window.infolabel3->text(),
                  QStringLiteral("Downloaded but not verified, so not started. The file is at %1.")
                      .arg(QDir::toNativeSeparators(installer())));
        EXPECT_TRUE(started.isEmpty());
        EXPECT_EQ(exit.count(), 0);
        QFile file(installer());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), page);
    }
}

TEST_F(Download, HostileServersEndWithinTheLimitsAndLeaveNothing) {
    struct Case {
        const char* what;
        LocalHttpServer::Answer answer;
        const char* told;
    };
    LocalHttpServer::Answer endless;
    endless.body = QByteArray(64 * 1024, 'e');
    endless.endless = true;
    LocalHttpServer::Answer huge;
    huge.body = QByteArray(100, 'h');
    huge.complete = false;
    huge.contentLength = 2LL * 1024 * 1024 * 1024;
    LocalHttpServer::Answer stalled;
    stalled.body = QByteArray(10, 's');
    stalled.complete = false;
    stalled.contentLength = 2'000'000;
    LocalHttpServer::Answer drip;
    drip.body = QByteArray(1000, 'd');
    drip.dripMs = 50;
    const Case cases[] = {
        {"a body without end", endless, "Download Aborted: the file is larger than 4 MiB."},
        {"a Content-Length too large", huge, "Download Aborted: the file is larger than 4 MiB."},
        {"a server that stops", stalled, "Download Aborted: the server sent nothing for"},
        {"a byte at a time", drip, "Download Aborted: the download took longer than"},
    };
    window.maxBytes = 4 * 1024 * 1024;
    window.stallMs = 500;
    window.totalMs = 1500;
    window.trustedSha256 = sha256("anything");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.answers[QStringLiteral("/bad/ovlsetup.exe")] = c.answer;
        window.source = QUrl(server.url(QStringLiteral("/bad/ovlsetup.exe")));
        window.getbuttonClick();
        ASSERT_TRUE(waitUntil([&] { return !window.downloading(); }, 20000));
        EXPECT_EQ(window.infolabel->text(), QStringLiteral("Download Aborted"));
        EXPECT_TRUE(window.infolabel3->text().startsWith(QLatin1String(c.told)))
            << window.infolabel3->text().toStdString();
        EXPECT_EQ(window.downloadState(), 2);
        EXPECT_TRUE(window.getbutton->isEnabled());
        EXPECT_TRUE(started.isEmpty());
        EXPECT_TRUE(folderEmpty());
    }
}

TEST_F(Download, HttpsChecksTheServersCertificate) {
    // A certificate of this machine's own, made here for the test.
    QTemporaryDir keys;
    const QString certificate = keys.filePath(QStringLiteral("cert.pem"));
    const QString key = keys.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    openssl.setStandardOutputFile(QProcess::nullDevice());
    openssl.setStandardErrorFile(QProcess::nullDevice());
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                   QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                   QStringLiteral("-keyout"), key, QStringLiteral("-out"), certificate});
    const bool made = openssl.waitForFinished(30000) &&
                      openssl.exitStatus() == QProcess::NormalExit && openssl.exitCode() == 0;
    if (!made || !QSslSocket::supportsSsl()) {
        GTEST_SKIP() << "no openssl command or no TLS backend here";
    }
    auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    LocalHttpServer secure(read(certificate), read(key));
    const QByteArray body(2000, 'i');
    secure.answers[QStringLiteral("/lobby/ovlsetup.exe")] = {200, body, true};
    window.source = QUrl(secure.url(QStringLiteral("/lobby/ovlsetup.exe")));
    window.trustedSha256 = sha256(body);
    // Unknown to this machine: refused.
    window.getbuttonClick();
    ASSERT_TRUE(waitUntil([&] { return !window.downloading(); }, 10000));
    EXPECT_EQ(window.infolabel->text(), QStringLiteral("Download Aborted"));
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(folderEmpty());
    // Trusted: fetched and started.
    const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = before;
    trusting.addCaCertificates(QSslCertificate::fromPath(certificate));
    QSslConfiguration::setDefaultConfiguration(trusting);
    Tdownload fresh;
    fresh.folder = folder.path();
    fresh.startProgram = window.startProgram;
    fresh.source = window.source;
    fresh.trustedSha256 = sha256(body);
    fresh.getbuttonClick();
    ASSERT_TRUE(waitUntil([&] { return !fresh.downloading(); }, 10000));
    QSslConfiguration::setDefaultConfiguration(before);
    EXPECT_EQ(fresh.infolabel->text(), QStringLiteral("Received 2000 bytes"));
    EXPECT_EQ(started.size(), 1);
}
