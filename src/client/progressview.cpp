#include "progressview.h"

#include "handview.h"
#include "seatsview.h"
#include "wiremessage.h"

ProgressView::ProgressView(TableContext& context, HandView& hand, SeatsView& seats, QObject* parent)
    : QObject(parent), m_context(context), m_hand(hand), m_seats(seats), m_speedGroup(this) {
    BotSpeed1 = new QAction(QStringLiteral("Bot Speed"), this);
    BotSpeed1->setData(m_botSpeed);
    const std::array<std::pair<QAction**, std::pair<const char*, int>>, 3> items = {
        {{&Slow1, {"Slow", 2000}}, {&Normal1, {"Normal", 1000}}, {&Fast1, {"Fast", 500}}}};
    for (const auto& [action, item] : items) {
        *action = new QAction(QString::fromLatin1(item.first), this);
        (*action)->setCheckable(true);
        (*action)->setData(item.second);
        m_speedGroup.addAction(*action);
        const int ms = item.second;
        connect(*action, &QAction::triggered, this, [this, ms] { Fast1Click(ms); });
    }
    Normal1->setChecked(true);
    connect(m_context.board.button_start, &QAbstractButton::clicked, this,
            &ProgressView::button_startClick);
}

QString ProgressView::errorText(int code) {
    switch (code) {
    case 1:
        return QStringLiteral("You must lead the 2 of clubs.");
    case 2:
        return QStringLiteral("Invalid Card.");
    case 3:
        return QStringLiteral("You cannot lead a heart until hearts are broken.");
    case 4:
        return QStringLiteral("You must follow suit.");
    case 5:
        return QStringLiteral("The First Trick is Safe from point cards.");
    default:
        return QString();
    }
}

void ProgressView::button_startClick() {
    if (m_context.connected()) {
        emit startDialogRequested();
    } else {
        m_context.messageBox(QStringLiteral("You are not connected"));
    }
}

void ProgressView::setBotSpeed(int ms) {
    m_botSpeed = ms;
    BotSpeed1->setData(ms);
    for (QAction* item : {Slow1, Normal1, Fast1}) {
        item->setChecked(item->data().toInt() == ms);
    }
}

void ProgressView::Fast1Click(int ms) {
    setBotSpeed(ms);
    if (m_context.connected()) {
        m_context.send(QStringLiteral("CMD_botspeed+%1+%2+").arg(m_context.mySeat()).arg(ms));
    }
    emit settingsChanged();
}

void ProgressView::hideTurnArrows() {
    m_context.forEachPosition([](Board::SeatWidgets& s) { s.image_turn->hide(); });
}

void ProgressView::startthegame(const std::string& payload) {
    wire::Fields fields(payload);
    const QString starter = QString::fromStdString(fields.text());
    const QString playto = QString::fromStdString(fields.text());
    const std::string safe = fields.text();
    Board& board = m_context.board;
    board.button_start->hide();
    if (m_context.JustWatch1 != nullptr) {
        m_context.JustWatch1->setChecked(false);
    }
    m_seats.clearall();
    board.Label_safe->setVisible(safe == "1");
    Board::setAutoText(board.label_playtoscore, QStringLiteral("Play To Score: ") + playto);
    m_context.statusLine(QStringLiteral("0+") + starter + QStringLiteral(" has started a game."));
    for (int seat = 2; seat <= 4; ++seat) {
        QLabel* name = m_context.at(seat).label_playername;
        if (name->text() == QLatin1String("<Waiting>")) {
            name->setText(m_context.defaultNames[static_cast<std::size_t>(seat)]);
        }
    }
}

void ProgressView::startround(const std::string& payload) {
    wire::Fields fields(payload);
    const int round = fields.listNumber();
    Board::setAutoText(m_context.board.label_roundnum, QStringLiteral("Round: %1").arg(round));
    m_hand.freeAllPlaces();
    for (int seat = 1; seat <= 4; ++seat) {
        Board::SeatWidgets& s = m_context.at(seat);
        s.image_cards->setVisible(seat != m_context.mySeat());
        Board::setAutoText(s.label_tricks, QStringLiteral("0"));
        s.label_taken->clear();
        s.label_taken->hide();
        s.image_trickwinner->hide();
        s.image_moon->hide();
        s.image_points->hide();
        m_context.board.showCard(s.image_played, 0);
    }
}

void ProgressView::getnextplayer(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int led = fields.number();
    m_context.turnSeat = seat;
    if (led == 0) {
        m_context.forEachPosition([&](Board::SeatWidgets& s) {
            m_context.board.showCard(s.image_played, 0);
            s.image_trickwinner->hide();
            s.label_taken->hide();
            s.image_points->hide();
        });
    }
    hideTurnArrows();
    if (!m_context.isSeat(seat)) {
        return;
    }
    m_context.at(seat).image_turn->show();
    if (seat == m_context.mySeat()) {
        m_context.setStatusText(QStringLiteral("Your Turn."));
        m_context.playsounds(m_context.turnSound == 1 ? QStringLiteral("turnnew")
                                                      : QStringLiteral("turn"));
    } else {
        m_context.setStatusText(m_context.seatName(seat) + QStringLiteral("'s turn."));
    }
}

void ProgressView::heplayed(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int card = fields.number();
    const int left = fields.number();
    if (!m_context.isSeat(seat)) {
        return;
    }
    Board::SeatWidgets& s = m_context.at(seat);
    if (left == 0) {
        s.image_cards->hide();
    }
    m_context.board.showCard(s.image_played, card);
    s.image_played->raise();
    m_context.playsounds(card == 37 ? QStringLiteral("queen") : QStringLiteral("placecard"));
}

void ProgressView::tooktrick(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int count = fields.number();
    if (!m_context.isSeat(seat)) {
        return;
    }
    Board::SeatWidgets& s = m_context.at(seat);
    s.image_trickwinner->show();
    Board::setAutoText(s.label_tricks, QString::number(count));
    m_context.setStatusText(m_context.seatName(seat) + QStringLiteral(" took the trick."));
    hideTurnArrows();
    m_context.playsounds(seat == m_context.mySeat() ? QStringLiteral("turnovergood")
                                                    : QStringLiteral("turnoverbad"));
}

void ProgressView::endround(const std::string& payload) {
    wire::Fields fields(payload);
    const int moon = fields.number();
    m_context.setStatusText(QStringLiteral("Posting Scores.. Please Wait."));
    m_context.forEachPosition([](Board::SeatWidgets& s) { s.image_trickwinner->hide(); });
    if (m_context.isSeat(moon)) {
        m_context.at(moon).image_moon->show();
    }
    while (!fields.empty()) {
        const int seat = fields.listNumber();
        const int points = fields.listNumber();
        const int score = fields.listNumber();
        if (!m_context.isSeat(seat)) {
            continue;
        }
        Board::SeatWidgets& s = m_context.at(seat);
        Board::setAutoText(s.label_score, QString::number(score));
        if (points > 0) {
            s.label_taken->setText(QStringLiteral("+%1").arg(points));
            s.image_points->show();
            s.label_taken->show();
            s.label_taken->raise();
        }
    }
    m_context.playsounds(QStringLiteral("roundover"));
}

void ProgressView::gamestats(const std::string& payload) {
    wire::Fields fields(payload);
    const QString playto = QString::fromStdString(fields.text());
    const std::string safe = fields.text();
    const QString round = QString::fromStdString(fields.text());
    const int turn = fields.number();
    fields.text(); // the phase is not shown
    Board& board = m_context.board;
    Board::setAutoText(board.label_playtoscore, QStringLiteral("Play To Score: ") + playto);
    Board::setAutoText(board.label_roundnum, QStringLiteral("Round: ") + round);
    m_context.turnSeat = turn;
    board.Label_safe->setVisible(safe == "1");
    while (!fields.empty()) {
        const int seat = fields.listNumber();
        const int score = fields.listNumber();
        const int tricks = fields.listNumber();
        const int card = fields.listNumber();
        if (!m_context.isSeat(seat)) {
            continue;
        }
        Board::SeatWidgets& s = m_context.at(seat);
        Board::setAutoText(s.label_score, QString::number(score));
        Board::setAutoText(s.label_tricks, QString::number(tricks));
        if (card != 0) {
            board.showCard(s.image_played, card);
            s.image_played->show();
        }
    }
}

void ProgressView::winner(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    // The name is the rest less its trailing "+", so a "+" in it stays.
    std::string rest = fields.rest();
    if (!rest.empty() && rest.back() == '+') {
        rest.pop_back();
    }
    const QString name = QString::fromStdString(rest);
    m_context.forEachPosition([&](Board::SeatWidgets& s) {
        s.image_moon->hide();
        s.label_taken->hide();
        s.image_points->hide();
        s.image_trickwinner->hide();
    });
    m_context.playsounds(QStringLiteral("winner"));
    m_context.statusLine(seat == m_context.mySeat()
                             ? QStringLiteral("0+You have Won the Game!")
                             : QStringLiteral("0+") + name + QStringLiteral(" has Won the Game!"));
    m_context.setStatusText(QStringLiteral("Game Over!"));
    if (m_context.isSeat(seat)) {
        m_context.at(seat).image_winner->show();
        m_context.at(seat).image_winner->raise();
    }
    if (m_context.hostFlag) {
        m_context.board.button_start->show();
    }
    const int mine = m_context.mySeat();
    if (m_context.isSeat(mine)) {
        emit gameRecorded(m_context.seatName(mine) == name ? QStringLiteral("addtomine") : name);
    }
}

void ProgressView::error(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int code = fields.number();
    if (seat != m_context.mySeat()) {
        return;
    }
    const QString text = errorText(code);
    if (!text.isEmpty()) {
        m_context.setStatusText(text);
    }
    m_context.playsounds(QStringLiteral("error"));
    m_context.turnSeat = m_context.mySeat();
}
