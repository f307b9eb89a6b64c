#include "handview.h"

#include "cardpictures.h"
#include "wiremessage.h"

#include <QMouseEvent>

CardPicture::CardPicture(int slot, int card, QWidget* parent)
    : QLabel(parent), m_slot(slot), m_card(card) {
    setObjectName(QStringLiteral("card") + QString::number(slot));
    setPixmap(cardpictures::card(card, devicePixelRatioF()));
    resize(cardpictures::kCardWidth, cardpictures::kCardHeight);
    setCursor(Qt::PointingHandCursor);
}

void CardPicture::mousePressEvent(QMouseEvent* event) {
    emit pressed(this, event->button());
}

HandView::HandView(TableContext& context, QObject* parent) : QObject(parent), m_context(context) {
    connect(m_context.board.button_pass, &QAbstractButton::clicked, this,
            &HandView::button_passClick);
}

bool HandView::passingOpen() const {
    return m_context.board.button_pass->property("tag").toInt() == 1;
}

CardPicture* HandView::cardInSlot(int slot) const {
    return slot >= 1 && slot <= kPlaces ? m_cards[static_cast<std::size_t>(slot)] : nullptr;
}

void HandView::placeAt(CardPicture* card, int place) {
    card->move(kLeft + kStep * place, card->y());
}

void HandView::mycards(const std::string& payload) {
    wire::Fields fields(payload);
    if (fields.number() > 4) {
        return;
    }
    while (!fields.empty()) {
        const int slot = fields.listNumber();
        const int card = fields.listNumber();
        if (card != 0) {
            createcard(slot, card);
        }
        sortthem();
    }
}

void HandView::createcard(int slot, int card) {
    if (slot < 1 || slot > kPlaces) {
        return;
    }
    // A slot holds one card: an old picture of it goes first.
    if (cardInSlot(slot) != nullptr) {
        usecard(slot);
    }
    int place = 0;
    while (place < kPlaces && m_places[static_cast<std::size_t>(place)] != 0) {
        ++place;
    }
    if (place == kPlaces) {
        // The host never sends a fourteenth card; none is placed outside.
        m_context.messageBox(QStringLiteral("no no"));
        return;
    }
    m_places[static_cast<std::size_t>(place)] = slot;
    auto* picture = new CardPicture(slot, card, &m_context.board);
    picture->move(kLeft + kStep * place, kLowered);
    connect(picture, &CardPicture::pressed, this, &HandView::cardimagesMouseDown);
    m_cards[static_cast<std::size_t>(slot)] = picture;
    picture->show();
    for (int p = place; p < kPlaces; ++p) {
        if (CardPicture* later = cardInSlot(m_places[static_cast<std::size_t>(p)])) {
            later->raise();
        }
    }
}

void HandView::sortthem() {
    auto cardAt = [this](int place) {
        CardPicture* picture = cardInSlot(m_places[static_cast<std::size_t>(place)]);
        return picture != nullptr ? picture->card() : 0;
    };
    for (int pass = 0; pass < kPlaces; ++pass) {
        for (int place = kPlaces - 1; place >= 1; --place) {
            auto& here = m_places[static_cast<std::size_t>(place)];
            auto& before = m_places[static_cast<std::size_t>(place - 1)];
            if (here != 0 && before != 0 && cardAt(place - 1) > cardAt(place)) {
                std::swap(here, before);
                placeAt(cardInSlot(here), place);
                placeAt(cardInSlot(before), place - 1);
            }
        }
    }
    for (int place = 0; place < kPlaces; ++place) {
        if (CardPicture* picture = cardInSlot(m_places[static_cast<std::size_t>(place)])) {
            picture->raise();
        }
    }
}

void HandView::usecard(int slot) {
    if (CardPicture* picture = cardInSlot(slot)) {
        m_cards[static_cast<std::size_t>(slot)] = nullptr;
        delete picture;
    }
    movecards(slot);
}

void HandView::movecards(int slot) {
    int place = 0;
    while (place < kPlaces && m_places[static_cast<std::size_t>(place)] != slot) {
        ++place;
    }
    if (place == kPlaces || slot == 0) {
        return;
    }
    for (int p = place; p < kPlaces - 1; ++p) {
        m_places[static_cast<std::size_t>(p)] = m_places[static_cast<std::size_t>(p + 1)];
        if (CardPicture* picture = cardInSlot(m_places[static_cast<std::size_t>(p)])) {
            placeAt(picture, p);
            picture->raise();
            picture->show();
        }
    }
    m_places[kPlaces - 1] = 0;
    lowerAll();
}

void HandView::lowerAll() {
    for (CardPicture* picture : m_cards) {
        if (picture != nullptr && picture->y() != kLowered) {
            picture->move(picture->x(), kLowered);
        }
    }
}

void HandView::destroyCards() {
    for (CardPicture*& picture : m_cards) {
        delete picture;
        picture = nullptr;
    }
}

void HandView::heusecard(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int slot = fields.number();
    if (seat == m_context.mySeat()) {
        usecard(slot);
    }
}

void HandView::passcards(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int direction = fields.number();
    Board& board = m_context.board;
    board.button_pass->hide();
    for (int d = 1; d <= 3; ++d) {
        board.image_arrow[static_cast<std::size_t>(d)]->setVisible(d == direction);
    }
    if (seat == m_context.mySeat()) {
        m_passSelection.fill(0);
        m_context.setStatusText(QStringLiteral("Choose 3 Cards to Pass."));
        board.button_pass->setProperty("tag", 1);
        m_context.turnSeat = m_context.mySeat();
        m_context.playsounds(QStringLiteral("click"));
    } else {
        m_context.setStatusText(QStringLiteral("Passing Cards.."));
    }
}

void HandView::hidePassing() {
    Board& board = m_context.board;
    board.button_pass->setProperty("tag", 0);
    board.button_pass->hide();
    for (int d = 1; d <= 3; ++d) {
        board.image_arrow[static_cast<std::size_t>(d)]->hide();
    }
}

void HandView::passedcards(const std::string& payload) {
    m_context.turnSeat = 0;
    hidePassing();
    wire::Fields fields(payload);
    if (fields.number() != m_context.mySeat()) {
        return;
    }
    for (int k = 0; k < 3; ++k) {
        usecard(fields.number());
    }
}

void HandView::cardimagesMouseDown(CardPicture* card, Qt::MouseButton button) {
    if (m_context.justWatching()) {
        return;
    }
    if (button == Qt::RightButton) {
        sortthem();
        return;
    }
    if (button != Qt::LeftButton || !m_context.connected() ||
        m_context.turnSeat != m_context.mySeat()) {
        return;
    }
    if (passingOpen()) {
        Board& board = m_context.board;
        for (int& entry : m_passSelection) {
            if (entry == card->slot()) {
                card->move(card->x(), kLowered);
                entry = 0;
                board.button_pass->hide();
                return;
            }
        }
        for (int& entry : m_passSelection) {
            if (entry == 0) {
                card->move(card->x(), kRaised);
                entry = card->slot();
                if (std::find(m_passSelection.begin(), m_passSelection.end(), 0) ==
                    m_passSelection.end()) {
                    board.button_pass->show();
                    board.button_pass->raise();
                }
                m_context.playsounds(QStringLiteral("click"));
                return;
            }
        }
        m_context.messageBox(QStringLiteral("You have already selected 3 cards to pass"));
        return;
    }
    lowerAll();
    card->move(card->x(), kRaised);
    m_context.playsounds(QStringLiteral("click"));
    m_context.send(QStringLiteral("CMD_playcard+%1+%2+").arg(m_context.mySeat()).arg(card->slot()));
    m_context.turnSeat = 0;
}

void HandView::button_passClick() {
    if (passingOpen() && m_context.turnSeat == m_context.mySeat() && m_context.connected()) {
        m_context.send(QStringLiteral("CMD_passcards+%1+%2+%3+%4+")
                           .arg(m_context.mySeat())
                           .arg(m_passSelection[0])
                           .arg(m_passSelection[1])
                           .arg(m_passSelection[2]));
    }
    m_context.turnSeat = 0;
    hidePassing();
}
