#include "lasttrickwindow.h"

#include "boardfonts.h"
#include "boardlayout.h"
#include "cardnames.h"
#include "cardpictures.h"
#include "legality.h"
#include "round.h"
#include "spokenname.h"
#include "tablestate.h"

#include <QPainter>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 320;
// The cards by display position: bottom, left, top, right.
constexpr std::array<QPoint, 5> kCardAt{{{}, {124, 196}, {24, 112}, {124, 28}, {224, 112}}};

} // namespace

LastTrickWindow::LastTrickWindow(const TableState& state, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("lasttrick"));
    setWindowTitle(QStringLiteral("Last Trick"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    setPalette(colours);
}

QString LastTrickWindow::summary() const {
    const TableState::Trick& trick = m_state.lastTrick();
    if (trick.empty()) {
        return QStringLiteral("No trick has been taken yet.");
    }
    QStringList plays;
    for (int i = 0; i < trick.count; ++i) {
        const int seat = trick.order[static_cast<std::size_t>(i)];
        const int card = trick.cards[static_cast<std::size_t>(seat)];
        plays.append(QString::fromStdString(m_state.seatName(seat)) + QStringLiteral(": ") +
                     cardnames::cardName(card));
    }
    const int points = hearts::trickScore(trick.cards, m_state.houseRules());
    QString text = plays.join(QStringLiteral("; ")) + QStringLiteral(".");
    if (m_state.isSeat(trick.taker)) {
        text += QStringLiteral(" %1 took the trick (%2 points).")
                    .arg(QString::fromStdString(m_state.seatName(trick.taker)))
                    .arg(points);
    }
    return text;
}

void LastTrickWindow::refresh() {
    setSpokenDescription(this, summary());
    update();
}

void LastTrickWindow::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void LastTrickWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const TableState::Trick& trick = m_state.lastTrick();
    const qreal ratio = devicePixelRatioF();
    if (trick.empty()) {
        p.setPen(boardlayout::nameColour());
        p.setFont(boardfonts::bold(16));
        p.drawText(rect(), Qt::AlignCenter, summary());
        return;
    }
    for (int seat = 1; seat <= 4; ++seat) {
        const int card = trick.cards[static_cast<std::size_t>(seat)];
        const int position = m_state.seatMap().position(seat);
        if (card == 0 || position < 1 || position > 4) {
            continue;
        }
        const QPoint at = kCardAt[static_cast<std::size_t>(position)];
        p.drawPixmap(at, cardpictures::card(card, ratio));
        const QRectF face(at, QSizeF(cardpictures::kCardWidth, cardpictures::kCardHeight));
        if (seat == trick.taker) {
            p.setPen(QPen(QColor(0xE0, 0xA8, 0x00), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(face.adjusted(-1.5, -1.5, 1.5, 1.5), 6, 6);
        }
        p.setPen(boardlayout::nameColour());
        p.setFont(boardfonts::bold(13));
        const QString name = QString::fromStdString(m_state.seatName(seat)) +
                             (seat == trick.taker ? QStringLiteral(" took it") : QString());
        p.drawText(QRectF(face.left() - 30, face.bottom() + 2, face.width() + 60, 18),
                   Qt::AlignHCenter | Qt::AlignTop, name);
        if (seat == trick.leader) {
            p.setFont(boardfonts::bold(11));
            p.drawText(QRectF(face.left() - 30, face.top() - 16, face.width() + 60, 14),
                       Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("led"));
        }
    }
}
