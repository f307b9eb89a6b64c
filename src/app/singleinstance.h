#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One running copy per user (and per HEARTS_INSTANCE, when set). The first
// copy listens on a local socket named from the key; a second start asks it
// to come forward (with the invitation link it was started with) and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The key for this user: "enavro", the user and HEARTS_INSTANCE if set.
    static QString keyForThisUser();

    explicit SingleInstance(const QString& key, QObject* parent = nullptr);

    // True for the first copy, which now answers later starts. False when
    // another copy runs; that copy has been asked to come forward (and to
    // open an invitation link, when one is given).
    bool claim(const QString& link = QString());

signals:
    void activationRequested();
    // A later start was given an invitation link.
    void invitationReceived(const QString& link);

private:
    QString m_key;
    QLocalServer m_server;
};
