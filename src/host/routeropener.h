#pragma once

#include "routerport.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

// The router's port for a hosted table, kept open while the table is: asked
// for off the event loop, renewed before its lease runs out, and removed
// when the table closes (or this object goes, at the latest).
class RouterOpener : public QObject {
    Q_OBJECT
public:
    explicit RouterOpener(QObject* parent = nullptr);
    ~RouterOpener() override;

    // Asks the router for the port; `opened` tells what came of it.
    void open(int port, const QString& description);
    // Removes the mapping (waiting for a request still on its way).
    void close();
    const router::Mapping& mapping() const { return m_mapping; }
    bool busy() const { return m_watcher.isRunning(); }

signals:
    void opened(const router::Mapping& mapping);

private:
    void ask();
    void answered();

    QFutureWatcher<router::Mapping> m_watcher;
    QTimer m_renew;
    router::Mapping m_mapping;
    int m_port = 0;
    QString m_description;
    bool m_renewing = false;
    // Between open and close: an answer that comes after close (its mapping
    // already removed there) is not taken up.
    bool m_wanted = false;
};
