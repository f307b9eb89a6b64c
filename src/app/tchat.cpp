#include "tchat.h"

#include "random.h"
#include "tgamestart.h"
#include "tserver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>
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
    m_defaultWidth = 775;
    m_defaultHeight = 524;
    m_phraseGuardReady = true;
    m_statusColour = QColor(0, 0, 255);
    m_numberOfSeats = 4;
    m_table->seats().clearall();
    processrandom::setSeed(startSeed());
    m_hostFlag = false;
    m_table->context().turnSeat = 0;
    m_linkCounter = -1;
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

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    ProgressView& progress = m_table->progress();
    QMenu* speed = options->addMenu(progress.BotSpeed1->text());
    speed->addActions({progress.Slow1, progress.Normal1, progress.Fast1});
    options->addSeparator();
    JustWatch1 = options->addAction(QStringLiteral("Just Watch"));
    JustWatch1->setCheckable(true);
    m_table->context().JustWatch1 = JustWatch1;
    connect(JustWatch1, &QAction::triggered, this, [this](bool checked) {
        // The host's answer moves the check mark, not the click.
        JustWatch1->setChecked(!checked);
        m_table->seats().JustWatch1Click();
    });
}

void Tchat::buildBoard() {
    auto* client = new TiledBackground(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    m_board = new Board(client);
    m_board->move(2, 2);
    m_table = new ClientTable(m_client, *m_board, this);
    TableContext& context = m_table->context();
    context.statusLine = [this](const QString& line) { statusLine(line); };
    context.messageBox = [this](const QString& text) { showMessage(text); };
    connect(&m_table->progress(), &ProgressView::startDialogRequested, this, &Tchat::showGameStart);

    m_chatView = new QTextEdit(client);
    m_chatView->setObjectName(QStringLiteral("mainchat"));
    m_chatView->setReadOnly(true);
    m_chatView->setGeometry(484, 42, 278, 430);
}

void Tchat::attach(const Windows& windows) {
    m_windows = windows;
    if (m_windows.gamestart != nullptr) {
        connect(m_windows.gamestart, &Tgamestart::startRequested, this, &Tchat::sendStartGame);
    }
}

void Tchat::showMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Hearts"), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tchat::showGameStart() {
    Tgamestart* dialog = m_windows.gamestart;
    if (dialog == nullptr) {
        return;
    }
    dialog->adjustSize();
    dialog->move(geometry().center() - dialog->rect().center());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Tchat::sendStartGame(const QString& playto, int safe) {
    // The starter's name stands before other fields: a "+" in it would break them.
    QString name = m_playerName;
    name.replace(QLatin1Char('+'), QLatin1Char(' '));
    m_client.send(
        QStringLiteral("CMD_startgame+%1+%2+%3+").arg(name, playto).arg(safe).toStdString());
}

void Tchat::addlinetochat(const QString& line, const QColor& colour) {
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    const QString body = plus < 0 ? line : line.mid(plus + 1);
    m_chatView->setTextColor(colour);
    m_chatView->append(body);
}

QString Tchat::chatText() const {
    return m_chatView->toPlainText();
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
            QMessageBox::critical(this, QStringLiteral("Hearts"), QString::fromUtf8(e.what()));
            return;
        }
    }
    m_hostFlag = true;
    m_table->context().hostFlag = true;
    m_client.setPlayerName(m_playerName);
    m_client.connectTo(QStringLiteral("127.0.0.1"));
    m_board->button_start->show();
    StartGame1->setEnabled(true);
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
