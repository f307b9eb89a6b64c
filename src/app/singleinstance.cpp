#include "singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");
}

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
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains(kRaise)) {
                    emit activationRequested();
                }
                peer->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::claim() {
    QLocalSocket probe;
    probe.connectToServer(m_key);
    if (probe.waitForConnected(1000)) {
        probe.write(kRaise);
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
