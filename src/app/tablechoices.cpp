#include "tablechoices.h"

#include "launcher.h"
#include "settingsstore.h"
#include "tablestate.h"
#include "tablewindows.h"
#include "tchat.h"

#include <QMessageBox>
#include <QPushButton>

TableChoices::TableChoices(Tchat& window, Launcher& launcher, SettingsStore& store)
    : QObject(&window), m_window(window), m_launcher(launcher), m_store(store) {}

bool TableChoices::mayLeaveGame(const QString& question) {
    const TableState& state = m_window.state();
    if (!state.gameRunning() || !state.seated()) {
        return true;
    }
    return QMessageBox::question(&m_window, QStringLiteral("Hearts"), question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TableChoices::HostATable1Click() {
    if (!mayLeaveGame(QStringLiteral("A game is in progress. End it and host a table for "
                                     "others?"))) {
        return;
    }
    if (m_hostWindow == nullptr) {
        m_hostWindow = new HostWindow(&m_window);
        connect(m_hostWindow, &HostWindow::hostRequested, this,
                [this](const QString& name, const QString& table, bool announce, bool openRouter) {
                    m_launcher.setAnnounce(announce);
                    m_launcher.setOpenRouter(openRouter);
                    storeChoices(name, true, announce, openRouter);
                    m_launcher.host(name, table);
                });
        connect(&m_launcher, &Launcher::routerOpened, m_hostWindow,
                [this](const router::Mapping& mapping) {
                    const bool mapped = mapping.outcome == router::Outcome::Mapped;
                    m_hostWindow->showRouter(QString::fromStdString(router::sentence(mapping)),
                                             mapped ? QString::fromStdString(mapping.publicAddress)
                                                    : QString());
                });
    }
    m_hostWindow->showForm();
    const Settings settings = m_store.load();
    m_hostWindow->setPlayerName(savedPlayerName(settings));
    m_hostWindow->setAnnounce(settings.announce);
    m_hostWindow->setOpenRouter(settings.openRouter);
    m_hostWindow->setTableAddress(Launcher::addressForFriends(), m_launcher.ports().table);
    m_window.showCentred(m_hostWindow);
}

void TableChoices::JoinATable1Click() {
    const bool solo = m_launcher.mode() == Launcher::Mode::Solo;
    if (!mayLeaveGame(solo ? QStringLiteral("A game is in progress. Leave it to join another "
                                            "table? It waits for you until the other table "
                                            "has seated you.")
                           : QStringLiteral("A game is in progress. Leave it to join another "
                                            "table?"))) {
        return;
    }
    if (m_joinWindow == nullptr) {
        TableFinder::Options finding;
        finding.port = m_launcher.ports().announce;
        m_joinWindow = new JoinWindow(finding, m_launcher.ports().table, &m_window);
        connect(m_joinWindow, &JoinWindow::joinRequested, this,
                [this](const QString& name, const QString& address, quint16 port) {
                    storeChoices(name, false, false, false);
                    m_launcher.join(name, address, port);
                });
    }
    m_joinWindow->setPlayerName(savedPlayerName(m_store.load()));
    m_window.showCentred(m_joinWindow);
}

void TableChoices::openInvitation(const QString& link) {
    JoinATable1Click();
    if (m_joinWindow != nullptr && m_joinWindow->isVisible()) {
        m_joinWindow->showInvitation(link);
    }
}

QString TableChoices::savedPlayerName(const Settings& settings) const {
    if (!settings.playerName.isEmpty()) {
        return settings.playerName;
    }
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("Player") : user;
}

void TableChoices::storeChoices(const QString& name, bool withAnnounce, bool announce,
                                bool openRouter) {
    Settings settings = m_store.load();
    settings.playerName = name;
    settings.announce = announce;
    settings.openRouter = openRouter;
    m_store.savePlayer(settings, withAnnounce);
}

void TableChoices::connectFailed(const QString& host, const QString& port, const QString& reason) {
    // Not a dead window: try again, another table, or the solo game.
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Hearts"),
        QStringLiteral("Could not connect to %1, port %2: %3.").arg(host, port, reason),
        QMessageBox::NoButton, &m_window);
    box->setObjectName(QStringLiteral("connectfailed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* retry = box->addButton(QStringLiteral("&Retry"), QMessageBox::AcceptRole);
    QPushButton* other =
        box->addButton(QStringLiteral("&Join Another Table…"), QMessageBox::ActionRole);
    QPushButton* solo =
        box->addButton(QStringLiteral("&Back to a Solo Game"), QMessageBox::RejectRole);
    box->setDefaultButton(retry);
    box->setEscapeButton(solo);
    connect(box, &QMessageBox::buttonClicked, this,
            [this, retry, other, solo](QAbstractButton* button) {
                if (button == retry) {
                    m_launcher.retry();
                } else if (button == other) {
                    JoinATable1Click();
                } else if (button == solo) {
                    m_launcher.backToSolo();
                }
            });
    box->open();
}

void TableChoices::showGameFull() {
    m_showingFull = true;
    // Not a nested event loop: the box closes the window when dismissed.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Hearts"),
                                QStringLiteral("Game is full"), QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, &m_window, &QWidget::close);
    box->open();
}
