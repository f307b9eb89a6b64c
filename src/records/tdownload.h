#pragma once

#include "savefile.h"
#include "sidewindow.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

// Offers the lobby program: download and install it, play the solo game, or
// start an installed lobby. A download that fails or is stopped leaves no
// partial installer behind and starts nothing. An installer is started only
// when its SHA-256 digest is the one the settings file names (key
// Lobbysha256); any other file is kept where it was written, said so, and
// never started. The download is capped in size, and ends when the server
// stops sending or takes too long altogether.
class Tdownload : public SideWindow {
    Q_OBJECT
public:
    static constexpr const char* kDefaultSource = "http://www.orvane.com/lobby/ovlsetup.exe";
    static constexpr const char* kInstallerParameters = "/SP- /silent /noicons";

    explicit Tdownload(QWidget* parent = nullptr);

    // Where the installer comes from; a setting, so that it can be pointed
    // elsewhere.
    QUrl source = QUrl(QString::fromLatin1(kDefaultSource));
    // The folder the installer is written to.
    QString folder;
    // The installer's SHA-256 digest in hexadecimal: the only file started.
    QByteArray trustedSha256;
    // Limits of one download: its size, the longest silence, the whole time.
    static constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;
    qint64 maxBytes = kMaxBytes;
    int stallMs = 30 * 1000;
    int totalMs = 10 * 60 * 1000;
    // Where the lobby program lives once installed.
    static QString lobbyLocation();

    void getbuttonClick();
    void abortbuttonClick();
    void Button1Click() { close(); }
    void Button2Click();
    int downloadState() const { return m_state; }
    bool downloading() const { return m_reply != nullptr; }

    // Starts a program with parameters; answers whether it started.
    std::function<bool(const QString& program, const QStringList& parameters)> startProgram;
    std::function<void(const QString&)> message;

    QPushButton* getbutton = nullptr;
    QPushButton* abortbutton = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* infolabel = nullptr;
    QLabel* infolabel2 = nullptr;
    QLabel* infolabel3 = nullptr;
    // Ticked (as it starts): the window is not offered at the next solo
    // start; File > Get the Orvane Lobby still shows it.
    QCheckBox* dontShowAgain = nullptr;

signals:
    // The game should close (an installer or the lobby was started).
    void exitRequested();

protected:
    void firstShow() override;

private:
    void HttpCli1HeaderData();
    void HttpCli1DocData();
    void finished();
    // Ends the transfer as a failed download, for a reason shown below.
    void giveUp(const QString& reason);
    void install(const QString& path);

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<SaveFile> m_file;
    QCryptographicHash m_digest{QCryptographicHash::Sha256};
    QTimer m_stall;
    QTimer m_overall;
    QElapsedTimer m_shown;
    QString m_failure;
    int m_state = 0;
    qint64 m_received = 0;
    bool m_bodyStarted = false;
    QLabel* m_picture = nullptr;
};
