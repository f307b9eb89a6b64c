#include "seatsview.h"

#include "handview.h"
#include "wiremessage.h"

namespace {
const QString kWaiting = QStringLiteral("<Waiting>");
}

SeatsView::SeatsView(TableContext& context, HandView& hand, QObject* parent)
    : QObject(parent), m_context(context), m_hand(hand) {
    RemoveFromGame1 = m_popup.addAction(QStringLiteral("Remove From Game"));
    SettoJustWatch1 = m_popup.addAction(QStringLiteral("Set to Just Watch"));
    UnsetJustWatch1 = m_popup.addAction(QStringLiteral("Unset Just Watch"));
    connect(RemoveFromGame1, &QAction::triggered, this, &SeatsView::kicking);
    connect(SettoJustWatch1, &QAction::triggered, this, [this] { sendJustWatch("1"); });
    connect(UnsetJustWatch1, &QAction::triggered, this, [this] { sendJustWatch("2"); });
    // The bottom label is the own seat: it has no popup.
    for (int position = 2; position <= 4; ++position) {
        connect(m_context.board.seat[static_cast<std::size_t>(position)].label_playername,
                &NameLabel::popupRequested, this,
                [this, position](const QPoint& at) { preparePopup(position)->popup(at); });
    }
}

void SeatsView::newplayerinfo(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const QString name = QString::fromStdString(fields.rest());
    const bool mine = seat == m_context.mySeat();
    if (mine) {
        m_context.statusLine(QStringLiteral("0+You are Connected."));
        m_context.seatMap.fix(m_context.mySeat());
        m_context.fallbackNames = m_context.defaultNames;
        emit ownArrival();
    } else {
        m_context.statusLine(QStringLiteral("0+") + name + QStringLiteral(" is Connected."));
    }
    if (m_context.isSeat(seat)) {
        Board::SeatWidgets& widgets = m_context.at(seat);
        widgets.label_playername->setText(name);
        widgets.label_playername->show();
        widgets.label_score->show();
    } else if (seat > 4) {
        m_context.watchers.append(QString::number(seat) + QStringLiteral(": ") + name);
        emit watchersChanged();
        m_context.statusLine(mine ? QStringLiteral("0+You are spying.")
                                  : QStringLiteral("0+") + name + QStringLiteral(" is spying."));
    }
    m_context.playsounds(QStringLiteral("entered"));
}

void SeatsView::playerdisconnected(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const QString name = QString::fromStdString(fields.rest());
    if (m_context.isSeat(seat)) {
        Board::SeatWidgets& widgets = m_context.at(seat);
        const QString shown = widgets.label_playername->text();
        const QString fallback = m_context.fallbackNames[static_cast<std::size_t>(seat)];
        if (shown != kWaiting && shown != fallback) {
            m_context.statusLine(QStringLiteral("0+") + shown + QStringLiteral(" disconnected."));
        }
        widgets.label_playername->setText(fallback);
        widgets.image_eyes->hide();
        return;
    }
    const QString entry = QString::number(seat) + QStringLiteral(": ") + name;
    if (m_context.watchers.removeOne(entry)) {
        m_context.statusLine(QStringLiteral("0+") + name + QStringLiteral(" has left."));
        emit watchersChanged();
    }
}

void SeatsView::justwatching(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    if (!m_context.isSeat(seat)) {
        return;
    }
    const bool watching = fields.rest() == "1";
    if (seat == m_context.mySeat() && m_context.JustWatch1 != nullptr) {
        m_context.JustWatch1->setChecked(watching);
    }
    m_context.statusLine(
        QStringLiteral("0+") + m_context.seatName(seat) +
        (watching ? QStringLiteral(" is just watching") : QStringLiteral(" is now playing again")));
    m_context.at(seat).image_eyes->setVisible(watching);
}

void SeatsView::JustWatch1Click() {
    if (!m_context.connected() || !m_context.isSeat(m_context.mySeat())) {
        return;
    }
    m_context.send(QStringLiteral("CMD_justwatch+%1+%2")
                       .arg(m_context.mySeat())
                       .arg(m_context.justWatching() ? 2 : 1));
}

QMenu* SeatsView::preparePopup(int position) {
    const bool host = m_context.hostFlag;
    RemoveFromGame1->setEnabled(host);
    SettoJustWatch1->setEnabled(host);
    UnsetJustWatch1->setEnabled(host);
    if (m_context.board.seat[static_cast<std::size_t>(position)].label_playername->text() ==
        kWaiting) {
        RemoveFromGame1->setEnabled(false);
    }
    // The target is the display position: the popup works in the hosting
    // process, whose own seat 1 makes positions and seats the same.
    m_target = position;
    return &m_popup;
}

void SeatsView::kicking() {
    kickConnection(m_target);
}

void SeatsView::kickConnection(int number) {
    if (m_context.hostFlag && m_context.connected()) {
        m_context.send(QStringLiteral("CMD_kickhim+%1+%2+").arg(m_context.mySeat()).arg(number));
    }
}

void SeatsView::sendJustWatch(const char* mode) {
    if (m_context.connected() && m_target <= 4) {
        m_context.send(
            QStringLiteral("CMD_justwatch+%1+%2").arg(m_target).arg(QLatin1String(mode)));
    }
}

void SeatsView::clearall() {
    m_context.forEachPosition([&](Board::SeatWidgets& s) {
        Board::setAutoText(s.label_tricks, QStringLiteral("0"));
        m_context.board.showCard(s.image_played, 0);
        s.image_winner->hide();
        s.image_turn->hide();
        s.image_cards->hide();
        s.image_trickwinner->hide();
        s.image_eyes->hide();
        s.image_moon->hide();
        Board::setAutoText(s.label_score, QStringLiteral("0"));
        s.label_taken->clear();
        s.label_taken->hide();
        s.image_points->hide();
    });
    m_hand.destroyCards();
    m_hand.hidePassing();
}
