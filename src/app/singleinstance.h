#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One running copy per user (and per HEARTS_INSTANCE, when set). The first
// copy listens on a local socket named from the key; a second start asks it
// to come forward and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The key for this user: "enavro", the user and HEARTS_INSTANCE if set.
    static QString keyForThisUser();

    explicit SingleInstance(const QString& key, QObject* parent = nullptr);

    // True for the first copy, which now answers later starts. False when
    // another copy runs; that copy has been asked to come forward.
    bool claim();

signals:
    void activationRequested();

private:
    QString m_key;
    QLocalServer m_server;
};
