#pragma once

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <map>

// A small HTTP server on loopback for download tests: each path answers with
// a status, a body, and whether the connection then closes (a slow server
// keeps it open after part of the body).
class LocalHttpServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        bool complete = true;
    };

    LocalHttpServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* peer = m_server.nextPendingConnection()) {
                QObject::connect(peer, &QTcpSocket::readyRead, this, [this, peer] { serve(peer); });
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }
    std::map<QString, Answer> answers;
    QList<QByteArray> requests;

private:
    void serve(QTcpSocket* peer) {
        QByteArray& pending = m_pending[peer];
        pending += peer->readAll();
        if (!pending.contains("\r\n\r\n")) {
            return;
        }
        requests.append(pending);
        const QString path = QString::fromLatin1(pending.split(' ').value(1));
        const auto found = answers.find(path);
        const Answer answer =
            found != answers.end() ? found->second : Answer{404, "not here", true};
        QByteArray reply = "HTTP/1.0 " + QByteArray::number(answer.status) +
                           (answer.status < 400 ? " OK" : " Not Found") + "\r\n";
        reply += "Content-Type: application/octet-stream\r\n";
        reply +=
            "Content-Length: " +
            QByteArray::number(answer.complete ? answer.body.size() : answer.body.size() * 10) +
            "\r\n\r\n";
        reply += answer.body;
        peer->write(reply);
        peer->flush();
        if (answer.complete) {
            peer->disconnectFromHost();
        }
    }

    QTcpServer m_server;
    std::map<QTcpSocket*, QByteArray> m_pending;
};
