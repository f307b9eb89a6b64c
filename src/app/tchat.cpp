#include "tchat.h"

#include "inifile.h"
#include "programfolder.h"
#include "random.h"
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
    connect(&m_client, &ClientConnection::connectionLost, this, [this] {
        if (!m_showingFull) {
            close();
        }
    });
    connect(&m_client, &ClientConnection::tableFull, this, &Tchat::showGameFull);
}

Tchat::~Tchat() {
    Sock11.OnInfo = nullptr;
}

void Tchat::FormCreate() {
    m_sectionName = QStringLiteral("agame");
    // Held for the life of the process; nothing waits on it.
    m_heartsLock.setStaleLockTime(0);
    m_heartsLock.tryLock(0);
    m_statusColour = colortext::kBlue;
    m_table->seats().clearall();
    processrandom::setSeed(startSeed());
    m_hostFlag = false;
    m_table->context().turnSeat = 0;
    m_table->hand().freeAllPlaces();
}

void Tchat::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    StartGame1 = file->addAction(QStringLiteral("Start Game"));
    StartGame1->setEnabled(false);
    connect(StartGame1, &QAction::triggered, &m_table->progress(),
            &ProgressView::button_startClick);
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("Exit"));
    connect(Exit1, &QAction::triggered, this, &Tchat::Exit1Click);

    buildOptionsMenu(menuBar()->addMenu(QStringLiteral("Options")));

    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
    ViewTally1 = view->addAction(QStringLiteral("View Tally"));
    connect(ViewTally1, &QAction::triggered, this, [this] {
        loadchecklist();
        showCentred(m_windows.tallylist);
    });
    SpyList1 = view->addAction(QStringLiteral("Spy List"));
    connect(SpyList1, &QAction::triggered, this, [this] { showCentred(m_windows.spylist); });
    PrhaseList1 = view->addAction(QStringLiteral("Phrase List"));
    connect(PrhaseList1, &QAction::triggered, this, &Tchat::PrhaseList1Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    Content1 = help->addAction(QStringLiteral("Content"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Content1, &QAction::triggered, this, [this] { showCentred(m_windows.help); });
    About1 = help->addAction(QStringLiteral("About"));
    connect(About1, &QAction::triggered, this, [this] { showCentred(m_windows.about); });
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
    TableContext& context = m_table->context();
    QStringList players;
    for (int seat = 1; seat <= 4; ++seat) {
        const QString name = context.seatName(seat);
        if (seat != context.mySeat() && name != QLatin1String("<Waiting>")) {
            players.append(name);
        }
    }
    m_windows.tallylist->loadchecklist(players);
}

void Tchat::recordGame(const QString& winner) {
    if (m_windows.tallylist != nullptr) {
        loadchecklist();
        m_windows.tallylist->addgame(winner);
    }
}

bool Tchat::eventFilter(QObject* watched, QEvent* event) {
    // The logo on the table opens the maker's site.
    if (watched == m_board->Image5 && event->type() == QEvent::MouseButtonPress) {
        if (m_windows.about != nullptr) {
            m_windows.about->URL1.open();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tchat::buildBoard() {
    auto* client = new TiledBackground(this);
    client->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    m_board = new Board(client);
    m_board->move(2, 2);
    m_table = new ClientTable(m_client, *m_board, this);
    TableContext& context = m_table->context();
    context.statusLine = [this](const QString& line) { statusLine(line); };
    context.messageBox = [this](const QString& text) { showMessage(text); };
    context.playsounds = [this](const QString& cue) { m_sounds.playsounds(cue); };
    connect(&m_table->progress(), &ProgressView::startDialogRequested, this, &Tchat::showGameStart);
    connect(&m_table->progress(), &ProgressView::settingsChanged, this, [this] { saveinifile(); });
    connect(&m_table->seats(), &SeatsView::ownArrival, this, &Tchat::loadinifile);
    connect(&m_table->progress(), &ProgressView::gameRecorded, this, &Tchat::recordGame);
    m_board->Image5->installEventFilter(this);
    m_board->Image5->setCursor(Qt::PointingHandCursor);

    m_chat = new ChatPanel(m_client, m_sounds, client);
    m_chat->move(484, 42);
    m_chat->statusLine = [this](const QString& line) { statusLine(line); };
    m_chat->seatName = [this](int seat) {
        TableContext& table = m_table->context();
        return table.isSeat(seat) ? table.seatName(seat) : QString();
    };
    m_chat->mainchat->message = [this](const QString& text) { showMessage(text); };
    auto chatLine = [this](const std::string& payload) { m_chat->chatrecieved(payload); };
    m_client.addRoute("CMD_chat", chatLine);
    m_client.addRoute("CMD_action", chatLine);
    m_client.addRoute("CMD_playasound",
                      [this](const std::string& payload) { m_chat->playasound(payload); });
}

void Tchat::attach(const Windows& windows) {
    m_windows = windows;
    if (m_windows.gamestart != nullptr) {
        connect(m_windows.gamestart, &Tgamestart::startRequested, this, &Tchat::sendStartGame);
    }
    if (m_windows.phrases != nullptr) {
        connect(m_windows.phrases, &Tphrases::phrasesDone, this, &Tchat::storePhrases);
    }
    if (Tspylist* spies = m_windows.spylist) {
        connect(&m_table->seats(), &SeatsView::watchersChanged, spies,
                [this, spies] { spies->setWatchers(m_table->context().watchers); });
        spies->kicking = [this](int number) { m_table->seats().kickConnection(number); };
    }
    if (Thelp* help = m_windows.help) {
        connect(help, &Thelp::aboutRequested, this, [this] { showCentred(m_windows.about); });
    }
    if (Tdownload* download = m_windows.download) {
        download->folder = programFolder();
        const IniFile ini(settingsPath());
        download->source = QUrl(ini.readString(m_sectionName, QStringLiteral("Lobbyurl"),
                                               QString::fromLatin1(Tdownload::kDefaultSource)));
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
    showCentred(m_windows.gamestart);
}

void Tchat::sendStartGame(const QString& playto, int safe) {
    // The starter's name stands before other fields: a "+" in it would break them.
    QString name = m_playerName;
    name.replace(QLatin1Char('+'), QLatin1Char(' '));
    m_client.send(
        QStringLiteral("CMD_startgame+%1+%2+%3+").arg(name, playto).arg(safe).toStdString());
    saveinifile();
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
    if (!m_paramsProcessed) {
        m_paramsProcessed = true;
        QTimer::singleShot(0, this, &Tchat::processparams);
    }
}

void Tchat::processparams() {
    m_board->button_start->hide();
    StartGame1->setEnabled(false);
    if (m_params.isEmpty()) {
        statusLine(QStringLiteral("0+Loading Solo Game..Please wait."));
        if (m_windows.download != nullptr) {
            m_windows.download->move(screen()->availableGeometry().center() -
                                     m_windows.download->rect().center());
            m_windows.download->show();
        }
        m_hostAddress = QStringLiteral("127.0.0.1");
        m_playerName = QStringLiteral("You");
        hostpress();
        return;
    }
    statusLine(QStringLiteral("0+Loading Multi-player Game.. Please Wait."));
    m_playerName = m_params.at(0);
    if (m_params.size() >= 2) {
        m_hostAddress = m_params.at(1);
    }
    if (m_params.size() >= 3) {
        if (m_params.at(2) == QLatin1String("true")) {
            hostpress();
        } else {
            joinpress();
        }
        connectLobbyLink();
    }
}

void Tchat::hostpress() {
    if (m_windows.server != nullptr) {
        try {
            m_windows.server->startListening();
        } catch (const ESockException& e) {
            // The host cannot open its port: no client, no start button.
            showMessage(QString::fromUtf8(e.what()));
            return;
        }
    }
    m_hostFlag = true;
    m_table->context().hostFlag = true;
    m_client.setPlayerName(m_playerName);
    m_client.connectTo(QStringLiteral("127.0.0.1"));
    m_board->button_start->show();
    StartGame1->setEnabled(true);
    if (m_windows.spylist != nullptr) {
        m_windows.spylist->popup_kickhim->setEnabled(true);
    }
}

void Tchat::joinpress() {
    m_client.setPlayerName(m_playerName);
    m_client.connectTo(m_hostAddress);
    m_board->button_start->hide();
    StartGame1->setEnabled(false);
}

void Tchat::connectLobbyLink() {
    // Held open without data until the program ends; a lobby that is not
    // there changes nothing.
    Sock11.setHostName(QStringLiteral("127.0.0.1"));
    Sock11.setPortName(QStringLiteral("9001"));
    try {
        Sock11.Connect();
    } catch (const ESockException&) {
    }
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
