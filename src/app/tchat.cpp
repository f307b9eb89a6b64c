#include "tchat.h"

#include "board.h"
#include "inifile.h"
#include "lasttrickwindow.h"
#include "launcher.h"
#include "picturebutton.h"
#include "programfolder.h"
#include "random.h"
#include "scoresheetwindow.h"
#include "settings.h"
#include "tablearea.h"
#include "tablewindows.h"
#include "tabout.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "tserver.h"
#include "tspylist.h"
#include "ttallylist.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {

QString lockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    QString name = QStringLiteral("hearts");
    const QString instance = qEnvironmentVariable("HEARTS_INSTANCE");
    if (!instance.isEmpty()) {
        name += QLatin1Char('-') + instance;
    }
    return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

// The seed of the process's generator: HEARTS_SEED replays a game, else the clock.
std::uint32_t startSeed() {
    bool ok = false;
    const uint seed = qEnvironmentVariable("HEARTS_SEED").toUInt(&ok);
    return ok ? seed : processrandom::clockSeed();
}

} // namespace

Tchat::Tchat(QStringList params, QWidget* parent)
    : QMainWindow(parent), m_params(std::move(params)), m_heartsLock(lockPath()) {
    setWindowTitle(QStringLiteral("Hearts"));
    buildBoard();
    buildMenus();
    FormCreate();

    connect(&m_client, &ClientConnection::statusLine, this, &Tchat::statusLine);
    // The host has gone: the window stays, the chat readable, until the
    // player closes it or joins another table.
    connect(&m_client, &ClientConnection::connectionLost, this, [this] {
        if (!m_showingFull) {
            state().hostClosed();
        }
    });
    connect(&m_client, &ClientConnection::unreachable, this, &Tchat::connectFailed);

    m_launcher = new Launcher(m_client, state(), this);
    connect(m_launcher, &Launcher::statusLine, this, &Tchat::statusLine);
    connect(m_launcher, &Launcher::message, this, &Tchat::showMessage);
    connect(m_launcher, &Launcher::hostingChanged, this, &Tchat::hostingChanged);
    connect(m_launcher, &Launcher::soloStarted, this, &Tchat::showDownloadWindow);
}

Tchat::~Tchat() = default;

void Tchat::FormCreate() {
    m_sectionName = QStringLiteral("agame");
    // Held for the life of the process; nothing waits on it.
    m_heartsLock.setStaleLockTime(0);
    m_heartsLock.tryLock(0);
    m_statusColour = colortext::kBlue;
    processrandom::setSeed(startSeed());
    m_hostFlag = false;
}

void Tchat::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    StartGame1 = file->addAction(QStringLiteral("&Start Game"));
    StartGame1->setShortcut(QKeySequence(Qt::Key_F2));
    StartGame1->setEnabled(false);
    connect(StartGame1, &QAction::triggered, this, [this] { state().startButton(); });
    file->addSeparator();
    HostATable1 = file->addAction(QStringLiteral("&Host a Table…"));
    HostATable1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(HostATable1, &QAction::triggered, this, &Tchat::HostATable1Click);
    JoinATable1 = file->addAction(QStringLiteral("&Join a Table…"));
    JoinATable1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(JoinATable1, &QAction::triggered, this, &Tchat::JoinATable1Click);
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("E&xit"));
    connect(Exit1, &QAction::triggered, this, &Tchat::Exit1Click);

    buildOptionsMenu(menuBar()->addMenu(QStringLiteral("&Options")));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    LastTrick1 = view->addAction(QStringLiteral("&Last Trick"));
    LastTrick1->setShortcut(QKeySequence(Qt::Key_L));
    connect(LastTrick1, &QAction::triggered, this,
            [this] { showCentred(m_table->lastTrickWindow()); });
    ScoreSheet1 = view->addAction(QStringLiteral("Score &Sheet"));
    ScoreSheet1->setShortcut(QKeySequence(Qt::Key_S));
    connect(ScoreSheet1, &QAction::triggered, this,
            [this] { showCentred(m_table->scoreSheetWindow()); });
    view->addSeparator();
    ViewTally1 = view->addAction(QStringLiteral("View &Tally"));
    connect(ViewTally1, &QAction::triggered, this, [this] {
        loadchecklist();
        showCentred(m_windows.tallylist);
    });
    SpyList1 = view->addAction(QStringLiteral("Sp&y List"));
    connect(SpyList1, &QAction::triggered, this, [this] { showCentred(m_windows.spylist); });
    PrhaseList1 = view->addAction(QStringLiteral("&Phrase List"));
    connect(PrhaseList1, &QAction::triggered, this, &Tchat::PrhaseList1Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    Content1 = help->addAction(QStringLiteral("&Content"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Content1, &QAction::triggered, this, [this] { showCentred(m_windows.help); });
    About1 = help->addAction(QStringLiteral("&About"));
    connect(About1, &QAction::triggered, this, [this] { showCentred(m_windows.about); });
}

QAbstractButton* Tchat::startButton() const {
    return m_table->board().button_start;
}

void Tchat::showCentred(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    // A window with a size of its own keeps it; the others fit their content.
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
    }
    window->move(geometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::loadchecklist() {
    if (m_windows.tallylist == nullptr) {
        return;
    }
    QStringList players;
    for (const std::string& name : m_table->state().opponentNames()) {
        players.append(QString::fromStdString(name));
    }
    m_windows.tallylist->loadchecklist(players);
}

void Tchat::recordGame(const QString& winner) {
    if (m_windows.tallylist != nullptr) {
        loadchecklist();
        m_windows.tallylist->addgame(winner);
        // Kept at once, so that a game counted is never lost.
        QString error;
        if (!m_windows.tallylist->save(&error)) {
            statusLine(QStringLiteral("The tally could not be saved (%1). The tally file is as "
                                      "it was before this game.")
                           .arg(error));
        }
    }
}

void Tchat::buildBoard() {
    m_area = new TableArea(this);
    setCentralWidget(m_area);
    m_table = new ClientTable(m_client, m_area, this);
    m_chat = new ChatPanel(m_sounds, m_area);
    m_area->setParts(&m_table->board(), m_chat);
    wireTable();

    m_chat->statusLine = [this](const QString& line) { statusLine(line); };
    m_chat->seatName = [this](int seat) { return QString::fromStdString(state().seatName(seat)); };
    m_chat->send = [this](const std::string& line) { m_client.send(line); };
    m_chat->mySeat = [this] { return state().mySeat(); };
    m_chat->connected = [this] { return state().connected(); };
    m_chat->mainchat->message = [this](const QString& text) { showMessage(text); };
    auto chatLine = [this](const std::string& payload) { m_chat->chatrecieved(payload); };
    m_client.addRoute("CMD_chat", chatLine);
    m_client.addRoute("CMD_action", chatLine);
    m_client.addRoute("CMD_playasound",
                      [this](const std::string& payload) { m_chat->playasound(payload); });

    // Tab goes from the hand to the table's buttons and on to the chat
    // line; Esc in the chat line comes back to the hand.
    Board& board = m_table->board();
    connect(m_chat, &ChatPanel::leaveRequested, &board, &Board::focusHand);
    QWidget::setTabOrder(board.button_pass, board.button_start);
    QWidget::setTabOrder(board.button_start, m_chat->mychat);
    QWidget::setTabOrder(m_chat->mychat, m_chat->button_smilies);
}

void Tchat::wireTable() {
    TableState& table = m_table->state();
    table.statusLine = [this](const std::string& line) {
        statusLine(QString::fromStdString(line));
    };
    table.messageBox = [this](const std::string& text) {
        showMessage(QString::fromStdString(text));
    };
    table.sound = [this](const std::string& cue) {
        m_sounds.playsounds(QString::fromStdString(cue));
    };
    table.startDialogRequested = [this] { showGameStart(); };
    table.ownArrival = [this] { loadinifile(); };
    table.gameRecorded = [this](const std::string& winner) {
        recordGame(QString::fromStdString(winner));
    };
    table.tableFull = [this] { showGameFull(); };
    table.watchersChanged = [this] {
        if (m_windows.spylist != nullptr) {
            QStringList watchers;
            for (const std::string& entry : state().watchers()) {
                watchers.append(QString::fromStdString(entry));
            }
            m_windows.spylist->setWatchers(watchers);
        }
    };
    connect(&m_table->board(), &Board::logoClicked, this, [this] {
        // The logo on the table opens the maker's site.
        if (m_windows.about != nullptr) {
            m_windows.about->URL1.open();
        }
    });
}

void Tchat::attach(const Windows& windows) {
    m_windows = windows;
    m_launcher->setServer(m_windows.server);
    applyTimeLimits();
    // "Announce=false" keeps every table this copy hosts off the network's lists.
    m_launcher->setAnnounce(IniFile(settingsPath())
                                .readString(m_sectionName, QStringLiteral("Announce"),
                                            QStringLiteral("true")) != QLatin1String("false"));
    if (m_windows.gamestart != nullptr) {
        connect(m_windows.gamestart, &Tgamestart::startRequested, this, &Tchat::sendStartGame);
    }
    if (m_windows.phrases != nullptr) {
        connect(m_windows.phrases, &Tphrases::phrasesDone, this, &Tchat::storePhrases);
    }
    if (Tspylist* spies = m_windows.spylist) {
        spies->kicking = [this](int number) { state().kickConnection(number); };
    }
    if (Thelp* help = m_windows.help) {
        connect(help, &Thelp::aboutRequested, this, [this] { showCentred(m_windows.about); });
    }
    if (Tdownload* download = m_windows.download) {
        download->folder = programFolder();
        const IniFile ini(settingsPath());
        download->source = QUrl(ini.readString(m_sectionName, QStringLiteral("Lobbyurl"),
                                               QString::fromLatin1(Tdownload::kDefaultSource)));
        download->trustedSha256 =
            ini.readString(m_sectionName, QStringLiteral("Lobbysha256"), QString()).toLatin1();
        connect(download, &Tdownload::exitRequested, this, &Tchat::Exit1Click);
    }
}

void Tchat::showMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Hearts"), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tchat::showGameStart() {
    if (m_windows.gamestart != nullptr) {
        // Only the host's own computer players can be chosen.
        m_windows.gamestart->combo_computerlevel->setEnabled(m_windows.server != nullptr &&
                                                             m_windows.server->listening());
    }
    showCentred(m_windows.gamestart);
}

void Tchat::sendStartGame(const QString& playto, int safe) {
    if (m_windows.gamestart != nullptr) {
        applyComputerLevel(m_windows.gamestart->strongComputers());
    }
    state().sendStartGame(playto.toStdString(), safe);
    saveinifile();
    // The keyboard comes back to the table for the game.
    activateWindow();
    m_table->board().focusHand();
}

void Tchat::addlinetochat(const QString& line, colortext::ColorValue colour) {
    m_chat->mainchat->addlinetochat(line, colour);
}

QString Tchat::chatText() const {
    return m_chat->mainchat->toPlainText();
}

void Tchat::bringForward() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

void Tchat::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_paramsProcessed) {
        return;
    }
    // The launch (and the download window of a solo game) waits for the
    // table's first paint, so the player never looks at an empty window; a
    // window that is never painted (minimised) launches a moment later.
    auto launch = [this] {
        if (!m_paramsProcessed) {
            m_paramsProcessed = true;
            processparams();
        }
    };
    connect(m_area, &TableArea::firstPainted, this, launch, Qt::QueuedConnection);
    QTimer::singleShot(kLaunchAtTheLatestMs, this, launch);
}

void Tchat::processparams() {
    m_launcher->processparams(m_params);
}

void Tchat::showDownloadWindow() {
    if (m_windows.download != nullptr) {
        m_windows.download->move(screen()->availableGeometry().center() -
                                 m_windows.download->rect().center());
        m_windows.download->show();
    }
}

void Tchat::hostingChanged(bool hosting) {
    m_hostFlag = hosting;
    StartGame1->setEnabled(hosting);
    if (m_windows.spylist != nullptr) {
        m_windows.spylist->popup_kickhim->setEnabled(hosting);
    }
}

void Tchat::HostATable1Click() {
    if (m_hostWindow == nullptr) {
        m_hostWindow = new HostWindow(this);
        connect(m_hostWindow, &HostWindow::hostRequested, this,
                [this](const QString& name, const QString& table, bool announce) {
                    m_launcher->setAnnounce(announce);
                    storeChoices(name, announce ? QStringLiteral("true") : QStringLiteral("false"));
                    m_launcher->host(name, table);
                });
    }
    const Settings settings = Settings::load(IniFile(settingsPath()));
    m_hostWindow->setPlayerName(savedPlayerName(settings));
    m_hostWindow->setAnnounce(settings.announce);
    showCentred(m_hostWindow);
}

void Tchat::JoinATable1Click() {
    if (m_joinWindow == nullptr) {
        TableFinder::Options finding;
        finding.port = m_launcher->ports().announce;
        m_joinWindow = new JoinWindow(finding, m_launcher->ports().table, this);
        connect(m_joinWindow, &JoinWindow::joinRequested, this,
                [this](const QString& name, const QString& address, quint16 port) {
                    storeChoices(name, QString());
                    m_launcher->join(name, address, port);
                });
    }
    m_joinWindow->setPlayerName(savedPlayerName(Settings::load(IniFile(settingsPath()))));
    showCentred(m_joinWindow);
}

QString Tchat::savedPlayerName(const Settings& settings) const {
    if (!settings.playerName.isEmpty()) {
        return settings.playerName;
    }
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("Player") : user;
}

void Tchat::storeChoices(const QString& name, const QString& announce) {
    IniFile ini(settingsPath());
    ini.writeString(m_sectionName, QStringLiteral("Playername"), name);
    if (!announce.isEmpty()) {
        ini.writeString(m_sectionName, QStringLiteral("Announce"), announce);
    }
    saveSettings(ini);
}

bool Tchat::saveSettings(const IniFile& ini, bool closing) {
    QString error;
    if (ini.save(&error)) {
        return true;
    }
    const QString text =
        QStringLiteral("Your settings could not be saved (%1). The settings file is as it was.")
            .arg(error);
    if (closing) {
        QMessageBox::warning(this, QStringLiteral("Hearts"), text);
    } else {
        statusLine(text);
    }
    return false;
}

void Tchat::connectFailed(const QString& host) {
    // Not a dead window: try again, or another table.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Hearts"),
                                QStringLiteral("Could not connect to %1.").arg(host),
                                QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("connectfailed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* retry = box->addButton(QStringLiteral("&Retry"), QMessageBox::AcceptRole);
    QPushButton* other =
        box->addButton(QStringLiteral("&Join Another Table…"), QMessageBox::ActionRole);
    box->addButton(QMessageBox::Close);
    box->setDefaultButton(retry);
    connect(box, &QMessageBox::buttonClicked, this, [this, retry, other](QAbstractButton* button) {
        if (button == retry) {
            m_launcher->retry();
        } else if (button == other) {
            JoinATable1Click();
        }
    });
    box->open();
}

void Tchat::showGameFull() {
    m_showingFull = true;
    // Not a nested event loop: the box closes the window when dismissed.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Hearts"),
                                QStringLiteral("Game is full"), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, &QWidget::close);
    box->open();
}

void Tchat::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}
