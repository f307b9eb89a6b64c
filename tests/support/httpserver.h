#pragma once

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

// A small HTTP server on loopback for download tests: each path answers with
// a status and a body, and the ways a bad server answers: a connection that
// stays open after part of the body, a Content-Length other than the body,
// a body without end, a body a byte at a time. With a certificate and key
// it speaks HTTPS.
class LocalHttpServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        // false: the connection stays open after the body.
        bool complete = true;
        // The Content-Length told; -1: the body's, or ten times it when not
        // complete.
        qint64 contentLength = -1;
        // No Content-Length, and the body repeated for as long as anyone reads.
        bool endless = false;
        // The body a byte at a time, one every so many ms (0: at once).
        int dripMs = 0;
    };

    LocalHttpServer() : LocalHttpServer(std::make_unique<QTcpServer>()) {}
    // HTTPS with this certificate and key (PEM).
    LocalHttpServer(const QByteArray& certificate, const QByteArray& key)
        : LocalHttpServer(secure(certificate, key)) {
        m_scheme = QStringLiteral("https");
    }

    quint16 port() const { return m_server->serverPort(); }
    QString url(const QString& path) const {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(m_scheme).arg(port()).arg(path);
    }
    std::map<QString, Answer> answers;
    QList<QByteArray> requests;

private:
    explicit LocalHttpServer(std::unique_ptr<QTcpServer> server) : m_server(std::move(server)) {
        m_server->listen(QHostAddress::LocalHost, 0);
        QObject::connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* peer = m_server->nextPendingConnection()) {
                QObject::connect(peer, &QTcpSocket::readyRead, this, [this, peer] { serve(peer); });
                QObject::connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
            }
        });
    }
    static std::unique_ptr<QTcpServer> secure(const QByteArray& certificate,
                                              const QByteArray& key) {
        auto server = std::make_unique<QSslServer>();
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(QSslCertificate(certificate));
        configuration.setPrivateKey(QSslKey(key, QSsl::Rsa));
        server->setSslConfiguration(configuration);
        return server;
    }

    void serve(QTcpSocket* peer) {
        QByteArray& pending = m_pending[peer];
        pending += peer->readAll();
        if (!pending.contains("\r\n\r\n")) {
            return;
        }
        requests.append(pending);
        const QString path = QString::fromLatin1(pending.split(' ').value(1));
        pending.clear();
        const auto found = answers.find(path);
        const Answer answer =
            found != answers.end() ? found->second : Answer{404, "not here", true};
        QByteArray reply = "HTTP/1.0 " + QByteArray::number(answer.status) +
                           (answer.status < 400 ? " OK" : " Not Found") + "\r\n";
        reply += "Content-Type: application/octet-stream\r\n";
        if (!answer.endless) {
            const qint64 length = answer.contentLength >= 0 ? answer.contentLength
                                  : answer.complete         ? answer.body.size()
                                                            : answer.body.size() * 10;
            reply += "Content-Length: " + QByteArray::number(length) + "\r\n";
        }
        reply += "\r\n";
        peer->write(reply);
        if (answer.endless) {
            // More whenever what was written has gone out.
            auto more = [peer, body = answer.body] {
                while (peer->bytesToWrite() < 4 * body.size()) {
                    peer->write(body);
                }
            };
            QObject::connect(peer, &QTcpSocket::bytesWritten, peer, more);
            more();
            return;
        }
        if (answer.dripMs > 0) {
            auto* drip = new QTimer(peer);
            auto sent = std::make_shared<qsizetype>(0);
            QObject::connect(drip, &QTimer::timeout, peer, [peer, drip, sent, body = answer.body] {
                if (*sent < body.size()) {
                    peer->write(body.mid((*sent)++, 1));
                } else {
                    drip->stop();
                    peer->disconnectFromHost();
                }
            });
            drip->start(answer.dripMs);
            return;
        }
        peer->write(answer.body);
        peer->flush();
        if (answer.complete) {
            peer->disconnectFromHost();
        }
    }

    std::unique_ptr<QTcpServer> m_server;
    QString m_scheme = QStringLiteral("http");
    std::map<QTcpSocket*, QByteArray> m_pending;
};
