#include "routeropener.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

RouterOpener::RouterOpener(QObject* parent) : QObject(parent) {
    m_renew.setSingleShot(true);
    connect(&m_renew, &QTimer::timeout, this, [this] {
        m_renewing = true;
        ask();
    });
    connect(&m_watcher, &QFutureWatcher<router::Mapping>::finished, this, &RouterOpener::answered);
}

RouterOpener::~RouterOpener() {
    close();
}

void RouterOpener::open(int port, const QString& description) {
    close();
    m_port = port;
    m_description = description;
    m_renewing = false;
    m_wanted = true;
    ask();
}

void RouterOpener::ask() {
    if (m_watcher.isRunning()) {
        return;
    }
    const int port = m_port;
    const std::string description = m_description.toStdString();
    m_watcher.setFuture(
        QtConcurrent::run([port, description] { return router::open(port, description); }));
}

void RouterOpener::answered() {
    if (!m_wanted) {
        return;
    }
    m_mapping = m_watcher.result();
    if (m_mapping.outcome == router::Outcome::Mapped && m_mapping.leaseSeconds > 0) {
        // Renewed at half its lease, so that it never lapses while in use.
        m_renew.start(std::max(30, m_mapping.leaseSeconds / 2) * 1000);
    }
    if (!m_renewing) {
        emit opened(m_mapping);
    }
    m_renewing = false;
}

void RouterOpener::close() {
    m_wanted = false;
    m_renew.stop();
    if (m_watcher.isRunning()) {
        m_watcher.waitForFinished();
        m_mapping = m_watcher.result();
    }
    router::close(m_mapping);
    m_mapping = router::Mapping{};
}
