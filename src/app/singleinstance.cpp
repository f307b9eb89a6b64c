#include "singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");
const QByteArray kLink = QByteArrayLiteral("link ");
// A link longer than this is no invitation.
constexpr qsizetype kLongestMessage = 4096;
} // namespace

QString SingleInstance::keyForThisUser() {
    QString key = QStringLiteral("enavro-%1").arg(::getuid());
    const QString instance = qEnvironmentVariable("HEARTS_INSTANCE");
    if (!instance.isEmpty()) {
        key += QLatin1Char('-') + instance;
    }
    // A per-user folder keeps the key private to this user.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(key);
}

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), m_key(key) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            // The message ends when the later copy closes its end.
            connect(peer, &QLocalSocket::readyRead, this, [peer] {
                if (peer->bytesAvailable() > kLongestMessage) {
                    peer->abort();
                }
            });
            connect(peer, &QLocalSocket::disconnected, this, [this, peer] {
                const QByteArray message = peer->readAll();
                if (!message.startsWith(kRaise)) {
                    return;
                }
                emit activationRequested();
                const QByteArray rest = message.mid(kRaise.size());
                if (rest.startsWith(kLink) && rest.endsWith('\n')) {
                    emit invitationReceived(
                        QString::fromUtf8(rest.mid(kLink.size(), rest.size() - kLink.size() - 1)));
                }
            });
        }
    });
}

bool SingleInstance::claim(const QString& link) {
    QLocalSocket probe;
    probe.connectToServer(m_key);
    if (probe.waitForConnected(1000)) {
        QByteArray message = kRaise;
        if (!link.isEmpty() && !link.contains(QLatin1Char('\n'))) {
            message += kLink + link.toUtf8() + '\n';
        }
        probe.write(message);
        probe.waitForBytesWritten(1000);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answers: a key left by a copy that crashed is taken over.
    QLocalServer::removeServer(m_key);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Should listening fail, this copy still runs; it just cannot be found.
    m_server.listen(m_key);
    return true;
}
