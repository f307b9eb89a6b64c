#include "board.h"

#include "announcer.h"
#include "boardaccessible.h"
#include "boardfonts.h"
#include "cardnames.h"
#include "cardpictures.h"
#include "handcard.h"
#include "picturebutton.h"
#include "seatitem.h"
#include "spokenname.h"
#include "tablestate.h"

#include <QAccessible>
#include <QApplication>
#include <QEasingCurve>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>

#include <cmath>

using cardpictures::Picture;
using namespace boardlayout;

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

PictureButton* boardButton(Picture picture, const QString& name, const QString& spoken,
                           QWidget* parent) {
    auto* button =
        new PictureButton([picture](qreal ratio) { return cardpictures::board(picture, ratio); },
                          cardpictures::boardSize(picture), parent);
    button->setObjectName(name);
    button->setAccessibleName(spoken);
    button->hide();
    return button;
}

} // namespace

Board::Board(TableState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    static const bool spoken = [] {
        QAccessible::installFactory(boardAccessibleFactory);
        return true;
    }();
    Q_UNUSED(spoken);
    setObjectName(QStringLiteral("board"));
    setAccessibleName(QStringLiteral("Card table"));
    setFocusPolicy(Qt::ClickFocus);
    for (int position = 1; position <= 4; ++position) {
        auto* item = new SeatItem(position, m_layout, this);
        connect(item, &SeatItem::popupRequested, this, &Board::seatPopupRequested);
        m_seatItems[static_cast<std::size_t>(position)] = item;
    }
    for (int slot = 1; slot <= 13; ++slot) {
        auto* card = new HandCard(slot, this);
        connect(card, &HandCard::pressed, this, &Board::cardPressed);
        connect(card, &HandCard::keyPressed, this, &Board::cardKey);
        m_handCards[static_cast<std::size_t>(slot)] = card;
    }
    button_start = boardButton(Picture::StartButton, QStringLiteral("button_start"),
                               QStringLiteral("Start Game"), this);
    button_pass = boardButton(Picture::PassButton, QStringLiteral("button_pass"),
                              QStringLiteral("Pass Cards"), this);
    connect(button_start, &QAbstractButton::clicked, this, [this] { m_state.startButton(); });
    connect(button_pass, &QAbstractButton::clicked, this, [this] {
        m_state.passButton();
        focusHand();
    });
    for (Announcer*& announcer : m_announcers) {
        announcer = new Announcer(this);
    }
    connect(&m_motion, &TableMotion::moved, this,
            [this](const QRectF& area) { update(toPixels(area).adjusted(-2, -2, 2, 2)); });
    setScale(1.0);
}

void Board::setMotionDuration(int ms) {
    m_motion.setDuration(ms);
    if (ms == 0) {
        for (QPropertyAnimation* move : m_cardMoves) {
            if (move != nullptr) {
                move->stop();
            }
        }
        layoutHand();
    }
}

bool Board::handMoving() const {
    return std::any_of(m_cardMoves.begin(), m_cardMoves.end(), [](const QPropertyAnimation* move) {
        return move != nullptr && move->state() == QAbstractAnimation::Running;
    });
}

QPoint Board::fanStart(int position, int held) const {
    const auto index = static_cast<std::size_t>(position);
    const int step = kFanStep[index];
    return m_layout.cards[index] - QPoint(step < 0 ? (held - 1) * std::abs(step) : 0, 0);
}

QPointF Board::fanTop(int position) const {
    const int held = std::max(1, m_state.seat(seatAtPosition(position)).cardsHeld);
    return fanStart(position, held) +
           QPointF((held - 1) * std::abs(kFanStep[static_cast<std::size_t>(position)]), 0);
}

void Board::startFlights() {
    const TableState::Trick& trick = m_state.trick();
    std::array<int, 5> now{};
    for (int position = 1; position <= 4; ++position) {
        now[static_cast<std::size_t>(position)] =
            trick.cards[static_cast<std::size_t>(seatAtPosition(position))];
    }
    if (m_state.roundText() != m_drawnRound || !m_state.connected()) {
        // A new round, or the table gone: nothing of the old one flies on,
        // and the table stays as it is.
        m_motion.clear();
        m_drawnTrick = now;
        if (m_state.roundText() != m_drawnRound) {
            m_drawnRound = m_state.roundText();
            m_passDirection = 0;
        }
        return;
    }
    if (m_state.passArrow() >= 1 && m_state.passArrow() <= 3) {
        m_passDirection = m_state.passArrow();
    }
    const bool swept = trick.empty() && m_drawnTrick != now;
    m_motion.keepTrickFlights(now);
    const int taker = m_state.lastTrick().taker;
    for (int position = 1; position <= 4; ++position) {
        const auto index = static_cast<std::size_t>(position);
        const int drawn = m_drawnTrick[index];
        if (swept && drawn != 0 && m_state.isSeat(taker)) {
            // The trick goes to its taker's pile.
            TableMotion::Flight sweep;
            sweep.card = drawn;
            sweep.from = m_layout.played[index];
            sweep.to =
                m_layout.trickWinner[static_cast<std::size_t>(m_state.seatMap().position(taker))];
            sweep.fades = true;
            m_motion.add(sweep);
        } else if (now[index] != 0 && drawn != now[index]) {
            // A card played: from its player's hand to its place.
            TableMotion::Flight play;
            play.card = now[index];
            const QRectF fromHand = m_drawnHand[static_cast<std::size_t>(now[index])];
            play.from = position == 1
                            ? (fromHand.isEmpty() ? m_layout.played[index] + QPointF(0, 80)
                                                  : fromHand.topLeft())
                            : fanTop(position);
            play.to = m_layout.played[index];
            play.trickPosition = position;
            m_motion.add(play);
        }
    }
    m_drawnTrick = now;
    // Cards that left the hand but not for the trick were passed on.
    static constexpr std::array<int, 4> kPassedTo = {0, 2, 4, 3}; // by direction
    const auto onTable = [&](int card) {
        const auto& last = m_state.lastTrick().cards;
        return std::find(now.begin(), now.end(), card) != now.end() ||
               std::find(last.begin(), last.end(), card) != last.end();
    };
    if (const int arrow = m_passDirection; arrow != 0) {
        for (int card = 1; card <= 52; ++card) {
            const QRectF& drawn = m_drawnHand[static_cast<std::size_t>(card)];
            if (!drawn.isEmpty() && !m_state.hand().cards.holds(card) && !onTable(card)) {
                TableMotion::Flight passed;
                passed.card = card;
                passed.from = drawn.topLeft();
                passed.to = fanTop(kPassedTo[static_cast<std::size_t>(arrow)]);
                passed.fades = true;
                m_motion.add(passed);
            }
        }
    }
}

void Board::placeHandCard(HandCard* card, const QRect& target, int place, bool dealt) {
    QPropertyAnimation*& move = m_cardMoves[static_cast<std::size_t>(card->slot())];
    if (move != nullptr && move->state() == QAbstractAnimation::Running) {
        // On its way: it goes on to where the card stands now.
        card->resize(target.size());
        move->setEndValue(target.topLeft());
        return;
    }
    const bool cameNew = m_drawnHand[static_cast<std::size_t>(card->card())].isEmpty();
    if (m_motion.duration() == 0 || !cameNew) {
        card->setGeometry(target);
        return;
    }
    // Dealt from the middle of the table, or received from whoever passed.
    static constexpr std::array<int, 4> kReceivedFrom = {3, 4, 2, 3}; // by direction
    const QPointF from = dealt ? QPointF(m_layout.played[3].x(), m_layout.played[2].y())
                               : fanTop(kReceivedFrom[static_cast<std::size_t>(m_passDirection)]);
    if (move == nullptr) {
        move = new QPropertyAnimation(card, "pos", this);
        move->setEasingCurve(QEasingCurve::OutCubic);
    }
    card->setGeometry(QRect(toPixels(QRectF(from, QSizeF(1, 1))).topLeft(), target.size()));
    move->setStartValue(card->pos());
    move->setEndValue(target.topLeft());
    move->setDuration(m_motion.duration() + (dealt ? 15 * place : 0));
    move->start();
}

void Board::readTrick() {
    announce(QString::fromStdString(m_state.trickSummary()));
}

void Board::readSeat(int position) {
    announce(QString::fromStdString(m_state.seatSummary(seatAtPosition(position))));
}

void Board::announce(const QString& text) {
    m_announcers[m_nextAnnouncer]->announce(text);
    m_nextAnnouncer = (m_nextAnnouncer + 1) % m_announcers.size();
}

QRect Board::toPixels(const QRectF& logical) const {
    const QPoint topLeft(static_cast<int>(std::lround(logical.left() * m_scale)),
                         static_cast<int>(std::lround(logical.top() * m_scale)));
    const QPoint end(static_cast<int>(std::lround(logical.right() * m_scale)),
                     static_cast<int>(std::lround(logical.bottom() * m_scale)));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

void Board::setScale(qreal scale, int width) {
    m_scale = scale;
    m_layout = boardlayout::layoutFor(width);
    resize(toPixels(QRectF(0, 0, m_layout.width, kHeight)).size());
    layoutChildren();
    refresh();
}

void Board::layoutChildren() {
    for (int position = 1; position <= 4; ++position) {
        seatAt(position)->setGeometry(toPixels(m_layout.seatArea(position)));
        seatAt(position)->update();
    }
    button_start->setGeometry(toPixels(QRect(m_layout.startButton, button_start->logicalSize())));
    button_pass->setGeometry(toPixels(QRect(m_layout.passButton, button_pass->logicalSize())));
    for (Announcer* announcer : m_announcers) {
        announcer->setGeometry(toPixels(m_layout.status));
    }
}

int Board::seatAtPosition(int position) const {
    for (int seat = 1; seat <= 4; ++seat) {
        if (m_state.seatMap().position(seat) == position) {
            return seat;
        }
    }
    return position;
}

std::vector<QRect> Board::gameAreas() const {
    std::vector<QRect> areas;
    const QSize card(cardpictures::kCardWidth, cardpictures::kCardHeight);
    for (int position = 1; position <= 4; ++position) {
        const auto index = static_cast<std::size_t>(position);
        areas.push_back(toPixels(m_layout.seatArea(position)));
        areas.push_back(toPixels(QRect(m_layout.played[index], card)));
        if (position > 1) {
            // A full fan of thirteen backs.
            const int spread = 12 * std::abs(kFanStep[index]);
            areas.push_back(toPixels(QRect(fanStart(position, 13), card + QSize(spread, 0))));
        }
    }
    areas.push_back(
        toPixels(m_layout.handCard(0, 13, true).united(m_layout.handCard(12, 13, false))));
    areas.push_back(toPixels(m_layout.status));
    return areas;
}

HandCard* Board::cardInSlot(int slot) const {
    return slot >= 1 && slot <= 13 ? m_handCards[static_cast<std::size_t>(slot)] : nullptr;
}

std::vector<HandCard*> Board::shownCards() const {
    std::vector<HandCard*> cards;
    for (int slot : m_state.hand().places) {
        HandCard* card = cardInSlot(slot);
        if (card != nullptr && m_state.hand().cards.at(slot) != 0) {
            cards.push_back(card);
        }
    }
    return cards;
}

void Board::refresh() {
    for (int position = 1; position <= 4; ++position) {
        const int seat = seatAtPosition(position);
        const TableState::Seat& s = m_state.seat(seat);
        SeatItem::Look look;
        look.name = text(m_state.seatName(seat));
        look.tricks = s.tricks;
        look.score = s.score;
        look.watching = s.watching;
        look.toPlay = m_state.turnMark() == seat;
        seatAt(position)->setLook(look, m_scale);
    }
    startFlights();
    refreshHand();
    button_start->setVisible(m_state.startButtonShown());
    button_pass->setVisible(m_state.passButtonShown());
    button_pass->raise();
    update();
}

void Board::refreshHand() {
    HandCard* focusedCard = nullptr;
    for (HandCard* card : m_handCards) {
        if (card != nullptr && card == QApplication::focusWidget()) {
            focusedCard = card;
        }
    }
    layoutHand();
    const std::vector<HandCard*> cards = shownCards();
    for (HandCard* card : cards) {
        card->raise();
    }
    HandCard* nearest = recoverFocus(focusedCard, cards);
    HandCard* stop = setTabStop(cards, nearest);
    focusOnTurn(stop, cards);
}

void Board::layoutHand() {
    const TableState::HandView& hand = m_state.hand();
    const int count = hand.count();
    const qreal strip = count > 1 ? m_layout.handCard(1, count, false).left() -
                                        m_layout.handCard(0, count, false).left()
                                  : cardpictures::kCardWidth * m_layout.handScale;
    // A hand that was empty when last drawn is being dealt.
    const bool dealt = std::all_of(m_drawnHand.begin(), m_drawnHand.end(),
                                   [](const QRectF& rect) { return rect.isEmpty(); });
    std::array<QRectF, 53> drawn{};
    for (int slot = 1; slot <= 13; ++slot) {
        HandCard* card = cardInSlot(slot);
        const auto index = static_cast<std::size_t>(slot);
        const int place = hand.placeOf(slot);
        const int number = hand.cards.at(slot);
        if (number == 0 || place < 0) {
            card->hide();
            continue;
        }
        HandCard::Look look;
        look.card = number;
        look.dimmed = !m_state.mayPlay(slot);
        look.received = hand.received[index];
        look.strip = strip / m_layout.handScale;
        look.markHeight = kFocusMarkHeight / m_layout.handScale;
        card->setLook(look, m_scale * m_layout.handScale);
        const QRectF logical = m_layout.handCard(place, count, hand.raised[index]);
        placeHandCard(card, toPixels(logical), place, dealt);
        drawn[static_cast<std::size_t>(number)] = logical;
        setSpokenName(card, spokenName(slot, look));
        card->show();
    }
    m_drawnHand = drawn;
}

QString Board::spokenName(int slot, const HandCard::Look& look) const {
    QString spoken = cardnames::cardName(look.card);
    if (m_state.passingOpen()) {
        const auto& chosen = m_state.passSelection();
        spoken += std::find(chosen.begin(), chosen.end(), slot) != chosen.end()
                      ? QStringLiteral(", chosen to pass")
                      : QString();
    } else if (m_state.playing()) {
        spoken += look.dimmed ? QStringLiteral(", not playable") : QStringLiteral(", playable");
    }
    if (look.received) {
        spoken += QStringLiteral(", received");
    }
    return spoken;
}

HandCard* Board::recoverFocus(HandCard* focusedCard, const std::vector<HandCard*>& cards) {
    // A card that left the hand hands its focus to its neighbour; the last
    // one to the table, so keys never stray into the chat line.
    if (focusedCard == nullptr || !focusedCard->isHidden()) {
        return nullptr;
    }
    if (cards.empty()) {
        setFocus(Qt::OtherFocusReason);
        return nullptr;
    }
    HandCard* nearest = cards.front();
    for (HandCard* card : cards) {
        if (card->x() <= focusedCard->x()) {
            nearest = card;
        }
    }
    nearest->setFocus(Qt::OtherFocusReason);
    return nearest;
}

HandCard* Board::setTabStop(const std::vector<HandCard*>& cards, HandCard* nearest) {
    // One card of the hand is a tab stop; the arrows move between them.
    HandCard* stop = nullptr;
    for (HandCard* card : cards) {
        if (card->hasFocus() || (nearest != nullptr && card == nearest)) {
            stop = card;
        }
    }
    if (stop == nullptr && !cards.empty()) {
        stop = cards.front();
    }
    for (HandCard* card : m_handCards) {
        if (card != nullptr) {
            card->setFocusPolicy(card == stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
    return stop;
}

void Board::focusOnTurn(HandCard* stop, const std::vector<HandCard*>& cards) {
    // My turn (once, when it comes) brings the focus to my first card I may
    // play, unless the player is typing.
    const bool turnCame = m_state.playing() && !m_wasPlaying;
    m_wasPlaying = m_state.playing();
    if (!m_state.myTurn() || stop == nullptr) {
        return;
    }
    QWidget* now = QApplication::focusWidget();
    const auto* line = qobject_cast<QLineEdit*>(now);
    const bool typing = line != nullptr && line->isModified() && !line->text().isEmpty();
    if (typing || !window()->isActiveWindow()) {
        return;
    }
    if (turnCame) {
        for (HandCard* card : cards) {
            if (m_state.mayPlay(card->slot())) {
                card->setFocus(Qt::OtherFocusReason);
                setTabStop(cards, card);
                return;
            }
        }
    }
    if (std::find(cards.begin(), cards.end(), now) == cards.end()) {
        stop->setFocus(Qt::OtherFocusReason);
    }
}

void Board::focusHand() {
    const std::vector<HandCard*> cards = shownCards();
    for (HandCard* card : cards) {
        if (card->focusPolicy() == Qt::StrongFocus) {
            card->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    if (!cards.empty()) {
        cards.front()->setFocus(Qt::TabFocusReason);
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

void Board::focusSlot(int slot) {
    for (HandCard* card : shownCards()) {
        if (card->slot() == slot) {
            card->setFocus(Qt::OtherFocusReason);
        }
    }
}

void Board::cardPressed(int slot, Qt::MouseButton button) {
    // The hand is always shown sorted, so a right click has nothing to do.
    if (button == Qt::LeftButton) {
        m_state.chooseCard(slot);
    }
}

void Board::cardKey(int slot, int key) {
    const std::vector<HandCard*> cards = shownCards();
    const auto here = std::find(cards.begin(), cards.end(), cardInSlot(slot));
    if (here == cards.end()) {
        return;
    }
    const auto at = static_cast<std::size_t>(here - cards.begin());
    switch (key) {
    case Qt::Key_Left:
        cards[at == 0 ? 0 : at - 1]->setFocus(Qt::TabFocusReason);
        break;
    case Qt::Key_Right:
        cards[std::min(at + 1, cards.size() - 1)]->setFocus(Qt::TabFocusReason);
        break;
    case Qt::Key_Home:
        cards.front()->setFocus(Qt::TabFocusReason);
        break;
    case Qt::Key_End:
        cards.back()->setFocus(Qt::TabFocusReason);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter passes once three cards are chosen.
        if (m_state.passingOpen() && m_state.passButtonShown()) {
            m_state.passButton();
            break;
        }
        m_state.chooseCard(slot);
        break;
    case Qt::Key_Space:
        m_state.chooseCard(slot);
        break;
    default:
        break;
    }
    refreshHand();
}

void Board::mousePressEvent(QMouseEvent* event) {
    if (QRectF(kLogo).contains(toLogical(event->position()))) {
        emit logoClicked();
        return;
    }
    QWidget::mousePressEvent(event);
}

void Board::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(m_scale, m_scale);
    const qreal ratio = m_scale * devicePixelRatioF();
    p.drawPixmap(kLogo.topLeft(), cardpictures::board(Picture::Logo, ratio));
    paintLabels(p);
    paintOpponentHands(p, ratio);
    paintMarks(p, ratio);
    paintTrick(p, ratio);
    m_motion.paintLeaving(p, ratio);
    static constexpr std::array<Picture, 4> kArrows = {Picture::ArrowLeft, Picture::ArrowLeft,
                                                       Picture::ArrowRight, Picture::ArrowUp};
    if (const int arrow = m_state.passArrow(); arrow >= 1 && arrow <= 3) {
        const auto index = static_cast<std::size_t>(arrow);
        p.drawPixmap(m_layout.passArrows[index], cardpictures::board(kArrows[index], ratio));
    }
}

void Board::paintLabels(QPainter& p) {
    p.setPen(tableTextColour());
    p.setFont(boardfonts::bold(16));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    p.drawText(QRectF(m_layout.roundNumber, QSizeF(80, 20)), flags,
               QStringLiteral("Round: ") + text(m_state.roundText()));
    p.setFont(boardfonts::bold(m_layout.smallLabels ? 13 : 16));
    p.drawText(QRectF(m_layout.playToScore, QSizeF(200, 20)), flags,
               QStringLiteral("Play To Score: ") + text(m_state.playToText()));
    if (m_state.safeShown()) {
        p.setFont(boardfonts::bold(13));
        p.drawText(QRectF(m_layout.safe, QSizeF(120, 18)), flags, QStringLiteral("Safe 1st Trick"));
    }
    p.setPen(nameColour());
    p.setFont(boardfonts::bold(16));
    p.drawText(m_layout.status, m_layout.statusAlignment | Qt::TextDontClip,
               text(m_state.statusText()));
    if (m_state.gameRunning() && m_state.heartsBroken()) {
        p.drawPixmap(m_layout.heartsBroken.topLeft(),
                     cardpictures::board(Picture::HeartsBroken, m_scale * devicePixelRatioF()));
    }
}

void Board::paintOpponentHands(QPainter& p, qreal ratio) {
    const QPixmap back = cardpictures::card(cardpictures::kBack, ratio);
    for (int position = 1; position <= 4; ++position) {
        const TableState::Seat& s = m_state.seat(seatAtPosition(position));
        if (!s.backsShown || s.cardsHeld <= 0) {
            continue;
        }
        const int step = std::abs(kFanStep[static_cast<std::size_t>(position)]);
        const QPoint first = fanStart(position, s.cardsHeld);
        for (int i = 0; i < s.cardsHeld; ++i) {
            p.drawPixmap(first + QPoint(i * step, 0), back);
        }
    }
}

void Board::paintMarks(QPainter& p, qreal ratio) {
    for (int position = 1; position <= 4; ++position) {
        const TableState::Seat& s = m_state.seat(seatAtPosition(position));
        const auto index = static_cast<std::size_t>(position);
        if (s.takenShown) {
            p.drawPixmap(m_layout.points[index], cardpictures::board(Picture::Bubble, ratio));
            p.setPen(takenColour());
            p.setFont(boardfonts::bold(29));
            p.drawText(QRectF(m_layout.taken[index], kTakenSize),
                       Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("+%1").arg(s.taken));
        }
        if (s.winner) {
            p.drawPixmap(m_layout.winner[index], cardpictures::board(Picture::Winner, ratio));
        }
        if (s.moon) {
            p.drawPixmap(m_layout.moon[index], cardpictures::board(Picture::Moon, ratio));
        }
        if (s.trickWinner) {
            p.drawPixmap(m_layout.trickWinner[index],
                         cardpictures::board(Picture::TrickStack, ratio));
        }
    }
}

void Board::paintTrick(QPainter& p, qreal ratio) {
    const TableState::Trick& trick = m_state.trick();
    for (int position : kTrickStacking) {
        const int seat = seatAtPosition(position);
        const int card = trick.cards[static_cast<std::size_t>(seat)];
        if (card == 0) {
            continue;
        }
        const QPoint at = m_layout.played[static_cast<std::size_t>(position)];
        if (const TableMotion::Flight* flight = m_motion.trickFlight(position)) {
            // On its way from its player; its marks wait for it.
            p.drawPixmap(m_motion.positionOf(*flight), cardpictures::card(card, ratio));
            continue;
        }
        p.drawPixmap(at, cardpictures::card(card, ratio));
        if (trick.leader == seat) {
            // Who led: a tag on the card's lower edge.
            const QRectF tag(at.x() + 18, at.y() + cardpictures::kCardHeight - 13, 35, 12);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x1B, 0x62, 0x5F));
            p.drawRoundedRect(tag, 5, 5);
            p.setPen(Qt::white);
            p.setFont(boardfonts::bold(9));
            p.drawText(tag, Qt::AlignCenter, QStringLiteral("LED"));
        }
        if (trick.taker == seat) {
            p.setPen(QPen(QColor(0xE0, 0xA8, 0x00), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(
                QRectF(at, QSizeF(cardpictures::kCardWidth, cardpictures::kCardHeight))
                    .adjusted(-1.5, -1.5, 1.5, 1.5),
                6, 6);
        }
    }
}
