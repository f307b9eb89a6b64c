#include "tdownload.h"

#include "jpegpicture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QVBoxLayout>

namespace {

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

QString Tdownload::lobbyLocation() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\Orvane\\OrvaneLobby.exe");
#else
    return QStringLiteral("/opt/orvane/OrvaneLobby");
#endif
}

void Tdownload::firstShow() {
    QFile picture(QStringLiteral(":/pictures/lobby.jpg"));
    if (picture.open(QIODevice::ReadOnly)) {
        m_picture->setPixmap(QPixmap::fromImage(decodeJpeg(picture.readAll())));
    }
}

Tdownload::Tdownload(QWidget* parent)
    : SideWindow(QStringLiteral("Download The Orvane Lobby"), parent) {
    // Beside the table, never in its way: no modality, no staying on top of
    // everything, a size that fits what it says.
    setWindowFlags(Qt::Tool);
    setModal(false);
    folder = QCoreApplication::applicationDirPath();

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    m_picture = new QLabel(this);
    m_picture->setFixedSize(228, 152);
    m_picture->setScaledContents(true);
    left->addWidget(m_picture, 0, Qt::AlignHCenter);
    left->addWidget(wrapped(
        QStringLiteral(
            "<h3>Play Hearts with people</h3><p>The Orvane Lobby is where players meet: see who is "
            "online, chat, open a table or join one, and the lobby starts the game for you. It is "
            "free, small and installs in a moment.</p>"),
        this));
    getbutton = new QPushButton(QStringLiteral("Download And Install The Orvane Lobby Now"), this);
    abortbutton = new QPushButton(QStringLiteral("Stop Download"), this);
    abortbutton->setEnabled(false);
    infolabel = new QLabel(this);
    infolabel->setObjectName(QStringLiteral("infolabel"));
    infolabel3 = new QLabel(this);
    infolabel3->setObjectName(QStringLiteral("infolabel3"));
    infolabel2 = new QLabel(this);
    infolabel2->hide();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{getbutton, abortbutton, infolabel, infolabel3}) {
        left->addWidget(widget);
    }
    left->addStretch();
    layout->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    right->addWidget(wrapped(QStringLiteral("<h3>Play now</h3><p>Your solo game against three "
                                            "computer players is ready.</p>"),
                             this));
    Button1 = new QPushButton(QStringLiteral("Play Solo Game"), this);
    Button1->setDefault(true);
    right->addWidget(Button1);
    right->addSpacing(24);
    right->addWidget(wrapped(QStringLiteral("<h3>Already have the lobby?</h3><p>Close this game "
                                            "and go to the lobby to play with others.</p>"),
                             this));
    Button2 = new QPushButton(QStringLiteral("Play with Others"), this);
    right->addWidget(Button2);
    right->addStretch();
    dontShowAgain = new QCheckBox(QStringLiteral("Don't show this again"), this);
    dontShowAgain->setChecked(true);
    right->addWidget(dontShowAgain);
    layout->addLayout(right, 2);

    connect(getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    connect(abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    connect(Button1, &QPushButton::clicked, this, &Tdownload::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tdownload::Button2Click);

    startProgram = [](const QString& program, const QStringList& parameters) {
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
        return QProcess::startDetached(program, parameters);
    };
    message = [this](const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Hearts"), text,
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
    m_stall.setSingleShot(true);
    m_overall.setSingleShot(true);
    connect(&m_stall, &QTimer::timeout, this, [this] {
        giveUp(QStringLiteral("Download Aborted: the server sent nothing for %1 seconds.")
                   .arg(stallMs / 1000));
    });
    connect(&m_overall, &QTimer::timeout, this, [this] {
        giveUp(QStringLiteral("Download Aborted: the download took longer than %1 minutes.")
                   .arg(totalMs / 60000));
    });
}

void Tdownload::getbuttonClick() {
    if (m_reply) {
        return;
    }
    m_state = 1;
    m_failure.clear();
    const QString path = source.path();
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    infolabel2->setText(name);
    m_file = std::make_unique<SaveFile>(QDir(folder).filePath(name));
    if (name.isEmpty() || !m_file->open()) {
        m_file.reset();
        m_state = 2;
        infolabel->setText(QStringLiteral("Download Aborted"));
        return;
    }
    getbutton->setEnabled(false);
    abortbutton->setEnabled(true);
    infolabel->setText(QStringLiteral("Loading"));
    infolabel3->clear();
    m_received = 0;
    m_bodyStarted = false;
    m_digest.reset();
    m_shown.invalidate();
    QNetworkRequest request(source);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla/3.0 (compatible)"));
    request.setRawHeader("Accept", "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    m_reply = m_network.get(request);
    // The body is taken a piece at a time, never held whole in memory.
    m_reply->setReadBufferSize(1024 * 1024);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Tdownload::HttpCli1HeaderData);
    connect(m_reply, &QNetworkReply::readyRead, this, &Tdownload::HttpCli1DocData);
    connect(m_reply, &QNetworkReply::finished, this, &Tdownload::finished);
    m_stall.start(stallMs);
    m_overall.start(totalMs);
}

void Tdownload::giveUp(const QString& reason) {
    if (!m_reply) {
        return;
    }
    m_failure = reason;
    m_reply->abort();
}

void Tdownload::HttpCli1HeaderData() {
    infolabel->setText(
        infolabel->text() +
        QString(static_cast<qsizetype>(m_reply->rawHeaderPairs().size()), QLatin1Char('.')));
    // A file announced too large is not fetched at all.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxBytes) {
        giveUp(QStringLiteral("Download Aborted: the file is larger than %1 MiB.")
                   .arg(maxBytes / (1024 * 1024)));
    }
}

void Tdownload::HttpCli1DocData() {
    if (!m_reply) {
        return;
    }
    m_stall.start(stallMs);
    if (m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400) {
        m_reply->readAll();
        return;
    }
    if (!m_bodyStarted) {
        m_bodyStarted = true;
        infolabel3->setText(QStringLiteral("Downloading: ") + infolabel2->text());
    }
    const QByteArray bytes = m_reply->readAll();
    m_received += bytes.size();
    if (m_received > maxBytes) {
        giveUp(QStringLiteral("Download Aborted: the file is larger than %1 MiB.")
                   .arg(maxBytes / (1024 * 1024)));
        return;
    }
    if (!m_file->write(bytes)) {
        giveUp(QStringLiteral("Download Aborted: ") + m_file->error());
        return;
    }
    m_digest.addData(bytes);
    // The count a few times a second: enough to see it move.
    if (!m_shown.isValid() || m_shown.elapsed() >= 100) {
        m_shown.start();
        infolabel->setText(QStringLiteral("%1 bytes").arg(m_received));
    }
}

void Tdownload::abortbuttonClick() {
    infolabel->setText(QStringLiteral("Download has been aborted."));
    m_state = 2;
    infolabel3->setText(QStringLiteral("Download Aborted"));
    // The transfer's end, at once or later, writes "Download Aborted".
    if (m_reply) {
        m_reply->abort();
    }
}

void Tdownload::finished() {
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    m_stall.stop();
    m_overall.stop();
    if (reply->error() == QNetworkReply::NoError && m_failure.isEmpty()) {
        m_reply = reply;
        HttpCli1DocData();
        m_reply = nullptr;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status >= 400 || !m_failure.isEmpty()) {
        infolabel->setText(QStringLiteral("Download Aborted"));
        if (!m_failure.isEmpty()) {
            infolabel3->setText(m_failure);
        }
        m_state = 2;
    }
    getbutton->setEnabled(true);
    abortbutton->setEnabled(false);
    if (m_state == 2) {
        // Nothing of a failed download stays behind.
        m_file.reset();
        return;
    }
    const QString path = m_file->path();
    const bool written = m_file->commit();
    const QString error = m_file->error();
    m_file.reset();
    if (!written) {
        infolabel->setText(QStringLiteral("Download Aborted"));
        infolabel3->setText(QStringLiteral("Download Aborted: ") + error);
        m_state = 2;
        return;
    }
    infolabel->setText(QStringLiteral("Received %1 bytes").arg(QFile(path).size()));
    install(path);
}

void Tdownload::install(const QString& path) {
    const QByteArray digest = m_digest.result().toHex();
    if (trustedSha256.isEmpty() || digest != trustedSha256.trimmed().toLower()) {
        infolabel3->setText(
            QStringLiteral("Downloaded but not verified, so not started. The file is at %1.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    infolabel3->setText(QStringLiteral("Installing"));
    if (!startProgram(path, QString::fromLatin1(kInstallerParameters).split(QLatin1Char(' ')))) {
        message(QStringLiteral("An Error has Occurred."));
        return;
    }
    emit exitRequested();
}

void Tdownload::Button2Click() {
    const QString lobby = lobbyLocation();
    if (QFile::exists(lobby) && startProgram(lobby, {})) {
        emit exitRequested();
        return;
    }
    message(QStringLiteral("Please close the game and open the Orvane Lobby using the icon on your "
                           "desktop or using the your Window's start-up menu."));
}
