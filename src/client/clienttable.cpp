#include "clienttable.h"

#include "clientconnection.h"
#include "gamesummarywindow.h"
#include "lasttrickwindow.h"
#include "scoresheetwindow.h"

ClientTable::ClientTable(ClientConnection& connection, QWidget* boardParent, QObject* parent)
    : QObject(parent), m_connection(connection), m_speedGroup(this) {
    m_board = new Board(m_state, boardParent);
    for (const protocol::Command command : TableState::handledCommands()) {
        connection.addRoute(command,
                            [this](const protocol::Message& message) { m_state.handle(message); });
    }
    m_state.setEvents(this);

    const std::array<std::pair<QAction**, std::pair<const char*, int>>, 3> speeds = {
        {{&Slow1, {"&Slow", 2000}}, {&Normal1, {"&Normal", 1000}}, {&Fast1, {"&Fast", 500}}}};
    for (const auto& [action, item] : speeds) {
        *action = new QAction(QString::fromLatin1(item.first), this);
        (*action)->setCheckable(true);
        m_speedGroup.addAction(*action);
        const int ms = item.second;
        connect(*action, &QAction::triggered, this, [this, ms] { m_state.chooseBotSpeed(ms); });
    }
    JustWatch1 = new QAction(QStringLiteral("&Just Watch"), this);
    JustWatch1->setCheckable(true);
    connect(JustWatch1, &QAction::triggered, this, [this] {
        // The host's answer moves the check mark, not the click.
        m_state.justWatchClicked();
        refreshViews();
    });

    RemoveFromGame1 = m_popup.addAction(QStringLiteral("Remove From Game"));
    SettoJustWatch1 = m_popup.addAction(QStringLiteral("Set to Just Watch"));
    UnsetJustWatch1 = m_popup.addAction(QStringLiteral("Unset Just Watch"));
    connect(RemoveFromGame1, &QAction::triggered, this,
            [this] { m_state.kickConnection(m_target); });
    connect(SettoJustWatch1, &QAction::triggered, this,
            [this] { m_state.setSeatWatching(m_target, protocol::WatchMode::Watch); });
    connect(UnsetJustWatch1, &QAction::triggered, this,
            [this] { m_state.setSeatWatching(m_target, protocol::WatchMode::Play); });
    connect(m_board, &Board::seatPopupRequested, this, [this](int position, const QPoint& at) {
        // The bottom name is the own seat: it has no popup.
        if (position != 1) {
            preparePopup(position)->popup(at);
        }
    });
    refreshViews();
}

ClientTable::~ClientTable() {
    m_state.setEvents(nullptr);
}

TableEvents& ClientTable::listener() {
    return m_listener != nullptr ? *m_listener : m_silent;
}

void ClientTable::send(const std::string& line) {
    m_connection.send(line);
}

void ClientTable::announce(const std::string& text) {
    m_board->announce(QString::fromStdString(text));
    listener().announce(text);
}

void ClientTable::changed() {
    refreshViews();
    listener().changed();
}

QMenu* ClientTable::preparePopup(int position) {
    const bool host = m_state.hostFlag();
    RemoveFromGame1->setEnabled(host);
    SettoJustWatch1->setEnabled(host);
    UnsetJustWatch1->setEnabled(host);
    // The target is the display position: the popup works in the hosting
    // process, whose own seat 1 makes positions and seats the same.
    if (m_state.seat(position).occupant == TableState::Occupant::Waiting) {
        RemoveFromGame1->setEnabled(false);
    }
    m_target = position;
    return &m_popup;
}

LastTrickWindow* ClientTable::lastTrickWindow() {
    if (m_lastTrick == nullptr) {
        m_lastTrick = new LastTrickWindow(m_state, m_board->window());
    }
    return m_lastTrick;
}

GameSummaryWindow* ClientTable::gameSummaryWindow() {
    if (m_summary == nullptr) {
        m_summary = new GameSummaryWindow(m_state, m_board->window());
    }
    return m_summary;
}

ScoreSheetWindow* ClientTable::scoreSheetWindow() {
    if (m_scoreSheet == nullptr) {
        m_scoreSheet = new ScoreSheetWindow(m_state, m_board->window());
    }
    return m_scoreSheet;
}

void ClientTable::setAnimations(bool on) {
    m_animations = on;
    pickMotionDuration();
}

void ClientTable::pickMotionDuration() {
    const int duration = m_animations ? TableMotion::durationFor(m_state.botSpeed()) : 0;
    if (duration != m_board->motion().duration()) {
        m_board->setMotionDuration(duration);
    }
}

void ClientTable::refreshViews() {
    pickMotionDuration();
    m_board->refresh();
    Slow1->setChecked(m_state.botSpeed() == 2000);
    Normal1->setChecked(m_state.botSpeed() == 1000);
    Fast1->setChecked(m_state.botSpeed() == 500);
    JustWatch1->setChecked(m_state.justWatching());
    if (m_lastTrick != nullptr && m_lastTrick->isVisible()) {
        m_lastTrick->refresh();
    }
    if (m_scoreSheet != nullptr && m_scoreSheet->isVisible()) {
        m_scoreSheet->refresh();
    }
}
