#pragma once

#include "boardlayout.h"
#include "handcard.h"
#include "tablemotion.h"

#include <QWidget>

#include <array>

class Announcer;
class HandCard;
class QPropertyAnimation;
class PictureButton;
class SeatItem;
class TableState;

// The card table, drawn from the table's model at any size: everything
// keeps its place in logical units (boardlayout: 474 high, as wide as the
// room it is given) and is drawn at the pixel size it takes on screen, so
// the table stays crisp when it grows. Seats,
// the cards of the hand and the buttons are child widgets that take the
// mouse, the keyboard focus and a screen reader's questions; the rest (the
// trick, the opponents' hands, the marks of the round, the labels) is
// painted here.
class Board : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = boardlayout::kHeight;

    explicit Board(TableState& state, QWidget* parent = nullptr);

    // The table at a scale (pixels a logical unit), `width` logical units
    // wide (at least boardlayout::kTableWidth).
    void setScale(qreal scale, int width = boardlayout::kTableWidth);
    const boardlayout::Layout& layout() const { return m_layout; }
    qreal scale() const { return m_scale; }
    QRect toPixels(const QRectF& logical) const;
    QPointF toLogical(const QPointF& pixels) const { return pixels / m_scale; }

    // Draws the model anew.
    void refresh();
    // Puts the keyboard focus on the hand (the chosen card or the first).
    void focusHand();
    // The keyboard focus to the card of a slot of my hand, when it is shown.
    void focusSlot(int slot);

    HandCard* cardInSlot(int slot) const;
    // What a player follows on the table, in this widget's pixels: each
    // seat's name and counts, the opponents' cards, the trick, the hand
    // and the status line. A side window is best kept off them.
    std::vector<QRect> gameAreas() const;
    SeatItem* seatAt(int position) const { return m_seatItems[static_cast<std::size_t>(position)]; }
    // How long a card takes to move, in ms; 0: nothing moves.
    void setMotionDuration(int ms);
    const TableMotion& motion() const { return m_motion; }
    // Whether a card of the hand is on its way to its place.
    bool handMoving() const;

    // Reads the table aloud: the trick, or the seat at a display position
    // (1 mine, 2 left, 3 across, 4 right).
    void readTrick();
    void readSeat(int position);

    // Says a sentence to a screen reader. The sentences take turns over a
    // few notifications, so that a reader that comes to one late still
    // reads the sentence it was told of, not a later one.
    void announce(const QString& text);
    static constexpr int kAnnouncers = 8;
    const std::array<Announcer*, kAnnouncers>& announcers() const { return m_announcers; }
    PictureButton* button_start = nullptr;
    PictureButton* button_pass = nullptr;

signals:
    void logoClicked();
    // A right click on the seat name at a display position.
    void seatPopupRequested(int position, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int seatAtPosition(int position) const;
    void layoutChildren();
    // The hand after a change: where each card stands and how it looks and
    // is spoken, where the focus goes when its card left, the hand's one tab
    // stop, and the focus on the player's turn.
    void refreshHand();
    void layoutHand();
    QString spokenName(int slot, const HandCard::Look& look) const;
    HandCard* recoverFocus(HandCard* focusedCard, const std::vector<HandCard*>& cards);
    HandCard* setTabStop(const std::vector<HandCard*>& cards, HandCard* nearest);
    void focusOnTurn(HandCard* stop, const std::vector<HandCard*>& cards);
    void cardPressed(int slot, Qt::MouseButton button);
    void cardKey(int slot, int key);
    void paintLabels(QPainter& p);
    void paintOpponentHands(QPainter& p, qreal ratio);
    void paintMarks(QPainter& p, qreal ratio);
    void paintTrick(QPainter& p, qreal ratio);
    // Sets cards flying where the table changed since it was last drawn:
    // a card played to the trick, a trick swept to its taker, cards passed
    // on; then remembers the table as drawn.
    void startFlights();
    // An opponent's fan of `held` backs: where its first card stands, and
    // where its top card (the last drawn) stands now.
    QPoint fanStart(int position, int held) const;
    QPointF fanTop(int position) const;
    // Moves a hand card to its place, from where it comes when it is new
    // to the hand (dealt, received), or keeps it moving there.
    void placeHandCard(HandCard* card, const QRect& target, int place, bool dealt);
    // Hand cards in place order, as shown.
    std::vector<HandCard*> shownCards() const;

    TableState& m_state;
    qreal m_scale = 1.0;
    boardlayout::Layout m_layout;
    // My turn to play, as last drawn: its coming moves the focus.
    bool m_wasPlaying = false;
    std::array<SeatItem*, 5> m_seatItems{};  // [1..4] by display position
    std::array<HandCard*, 14> m_handCards{}; // [1..13] by slot
    std::array<Announcer*, kAnnouncers> m_announcers{};
    TableMotion m_motion;
    // The table as last drawn: the trick by display position, where each
    // card of the hand stood (in table units, by card), the round.
    std::array<int, 5> m_drawnTrick{};
    std::array<QRectF, 53> m_drawnHand{};
    std::string m_drawnRound;
    // The round's passing direction as the arrow last showed it (1..3), 0
    // before it shows.
    int m_passDirection = 0;
    std::array<QPropertyAnimation*, 14> m_cardMoves{}; // [1..13] by slot
    std::size_t m_nextAnnouncer = 0;
};
