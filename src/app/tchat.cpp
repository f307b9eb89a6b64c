#include "tchat.h"

#include "board.h"
#include "hostcontrols.h"
#include "invitation.h"
#include "launcher.h"
#include "mainmenus.h"
#include "picturebutton.h"
#include "programfolder.h"
#include "random.h"
#include "tablearea.h"
#include "tablechoices.h"
#include "tablewiring.h"
#include "tabout.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "tserver.h"
#include "tspylist.h"
#include "ttallylist.h"

#include <QApplication>

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

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
    m_launcher = new Launcher(m_client, state(), this);
    m_hostControls = new HostControls(m_store, this);
    m_choices = new TableChoices(*this, *m_launcher, m_store);
    m_menus = new MainMenus(*this, *m_choices, *m_hostControls);
    m_wiring = new TableWiring(*this, m_client, *m_chat, m_sounds);
    m_table->setListener(m_wiring);
    FormCreate();

    connect(&m_store, &SettingsStore::saveFailed, this, &Tchat::saveFailed);
    connect(&options(), &OptionsMenu::changed, this, [this] { saveinifile(); });
    connect(&options(), &OptionsMenu::message, this, &Tchat::showMessage);
    connect(&options(), &OptionsMenu::resetPlacementRequested, this,
            &Tchat::ResetScreenLocation1Click);
    connect(&m_client, &ClientConnection::statusLine, this, &Tchat::statusLine);
    // The host has gone: the window stays, the chat readable, until the
    // player closes it or joins another table.
    connect(&m_client, &ClientConnection::connectionLost, this, [this] {
        if (!m_choices->showingFull()) {
            state().hostClosed();
        }
    });
    connect(&m_client, &ClientConnection::unreachable, m_choices, &TableChoices::connectFailed);
    connect(m_launcher, &Launcher::statusLine, this, &Tchat::statusLine);
    connect(m_launcher, &Launcher::message, this, &Tchat::showMessage);
    connect(m_launcher, &Launcher::hostingChanged, this, &Tchat::hostingChanged);
    connect(m_launcher, &Launcher::soloStarted, this, &Tchat::offerDownloadWindow);
    connect(m_launcher, &Launcher::modeChanged, this, &Tchat::modeChanged);
    connect(m_area, &TableArea::chatTabClicked, this, [this] { setChatShown(true); });
    connect(&m_table->board(), &Board::logoClicked, this, [this] {
        // The logo on the table opens the maker's site.
        if (m_windows.about != nullptr) {
            m_windows.about->URL1.open();
        }
    });
}

Tchat::~Tchat() {
    m_table->setListener(nullptr);
}

void Tchat::FormCreate() {
    // Held for the life of the process; nothing waits on it.
    m_heartsLock.setStaleLockTime(0);
    m_heartsLock.tryLock(0);
    m_statusColour = colortext::kBlue;
    processrandom::setSeed(startSeed());
    m_hostFlag = false;
}

OptionsMenu& Tchat::options() {
    return m_menus->options();
}

QAbstractButton* Tchat::startButton() const {
    return m_table->board().button_start;
}

QAction* Tchat::startGameAction() const {
    return m_menus->NewGame1;
}

void Tchat::buildBoard() {
    m_area = new TableArea(this);
    setCentralWidget(m_area);
    m_table = new ClientTable(m_client, m_area, this);
    m_chat = new ChatPanel(m_sounds, m_area);
    m_area->setParts(&m_table->board(), m_chat);

    m_chat->statusLine = [this](const QString& line) { statusLine(line); };
    m_chat->seatName = [this](int seat) { return QString::fromStdString(state().seatName(seat)); };
    m_chat->send = [this](const std::string& line) { m_client.send(line); };
    m_chat->mySeat = [this] { return state().mySeat(); };
    m_chat->connected = [this] { return state().connected(); };
    m_chat->mainchat->message = [this](const QString& text) { showMessage(text); };

    // Tab goes from the hand to the table's buttons and on to the chat
    // line; Esc in the chat line comes back to the hand.
    Board& board = m_table->board();
    connect(m_chat, &ChatPanel::leaveRequested, &board, &Board::focusHand);
    QWidget::setTabOrder(board.button_pass, board.button_start);
    QWidget::setTabOrder(board.button_start, m_chat->mychat);
    QWidget::setTabOrder(m_chat->mychat, m_chat->button_smilies);
}

void Tchat::attach(const Windows& windows) {
    m_windows = windows;
    m_launcher->setServer(m_windows.server);
    m_hostControls->setServer(m_windows.server);
    m_hostControls->applyTimeLimits();
    const Settings settings = m_store.load();
    // "Announce=false" keeps every table this copy hosts off the network's lists.
    m_launcher->setAnnounce(settings.announce);
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
        download->source =
            QUrl(settings.lobbyUrl.isEmpty() ? QString::fromLatin1(Tdownload::kDefaultSource)
                                             : settings.lobbyUrl);
        download->trustedSha256 = settings.lobbySha256.toLatin1();
        connect(download, &Tdownload::exitRequested, this, &QWidget::close);
        // The box's word is kept as soon as it changes.
        connect(download->dontShowAgain, &QCheckBox::toggled, this,
                [this](bool dontShow) { keepLobbyOffer(!dontShow); });
    }
}

void Tchat::loadchecklist() {
    if (m_windows.tallylist == nullptr) {
        return;
    }
    QStringList players;
    for (const std::string& name : state().opponentNames()) {
        players.append(QString::fromStdString(name));
    }
    m_windows.tallylist->loadchecklist(players);
}

void Tchat::addlinetochat(const QString& line, colortext::ColorValue colour) {
    m_chat->mainchat->addlinetochat(line, colour);
    m_area->chatLineArrived();
}

void Tchat::showHint() {
    // A hint is a solo game's help; at a shared table only when its host
    // allows it, or it would be a fifth player at somebody's elbow.
    const bool allowed = m_launcher->mode() == Launcher::Mode::Solo || state().hintsAllowed();
    if (const int slot = state().showHint(allowed); slot != 0) {
        m_table->board().focusSlot(slot);
    }
}

void Tchat::modeChanged() {
    const Settings settings = m_store.load();
    const bool solo = m_launcher->mode() == Launcher::Mode::Solo;
    m_area->setChatShown(solo ? settings.chatSolo : settings.chatShared);
    m_menus->Chat1->setChecked(m_area->chatShown());
}

void Tchat::setChatShown(bool shown) {
    m_area->setChatShown(shown);
    m_menus->Chat1->setChecked(shown);
    Settings settings = m_store.load();
    (m_launcher->mode() == Launcher::Mode::Solo ? settings.chatSolo : settings.chatShared) = shown;
    m_store.saveChat(settings);
    if (shown) {
        m_chat->mychat->setFocus(Qt::OtherFocusReason);
    }
}

void Tchat::ownArrival() {
    loadinifile();
    if (m_launcher->mode() == Launcher::Mode::Joined) {
        m_launcher->joined();
    }
    if (m_launcher->mode() == Launcher::Mode::Solo && !state().gameRunning()) {
        startSoloGame();
    }
}

void Tchat::startSoloGame() {
    // The options kept from the last game: no step between the start and
    // a dealt hand.
    if (Tgamestart* dialog = m_windows.gamestart) {
        sendStartGame(dialog->playtoText(), dialog->safeState());
    } else {
        sendStartGame(QStringLiteral("100"), 0);
    }
}

void Tchat::newGame() {
    if (state().gameRunning() && state().seated() &&
        QMessageBox::question(this, QStringLiteral("Hearts"),
                              QStringLiteral("A game is in progress. Start a new one? The game "
                                             "in progress ends."),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    state().startButton();
}

QString Tchat::chatText() const {
    return m_chat->mainchat->toPlainText();
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
    // A start with an invitation link plays solo meanwhile and offers the
    // invited table.
    if (m_params.size() == 1 && invitation::looksLikeLink(m_params[0].toStdString())) {
        m_launcher->processparams({});
        const QString link = m_params[0];
        QTimer::singleShot(0, this, [this, link] { openInvitation(link); });
        return;
    }
    m_launcher->processparams(m_params);
}

void Tchat::openInvitation(const QString& link) {
    bringForward();
    m_choices->openInvitation(link);
}

void Tchat::hostingChanged(bool hosting) {
    m_hostFlag = hosting;
    m_menus->StartGame1->setEnabled(hosting);
    m_menus->NewGame1->setEnabled(hosting);
    if (m_windows.spylist != nullptr) {
        m_windows.spylist->popup_kickhim->setEnabled(hosting);
    }
}

void Tchat::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}
