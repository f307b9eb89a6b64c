#pragma once

#include "tablecontext.h"

#include <QLabel>
#include <QObject>

#include <array>
#include <string>

// One card of the hand on the board: its slot, its card number and its face.
class CardPicture : public QLabel {
    Q_OBJECT
public:
    CardPicture(int slot, int card, QWidget* parent);
    int slot() const { return m_slot; }
    int card() const { return m_card; }
signals:
    void pressed(CardPicture* card, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_slot;
    int m_card;
};

// The local player's hand: card places from x 170 in steps of 18, raising a
// card, choosing three to pass, and playing one when the host gives the turn.
class HandView : public QObject {
    Q_OBJECT
public:
    static constexpr int kPlaces = 13;
    static constexpr int kLeft = 170;
    static constexpr int kStep = 18;
    static constexpr int kLowered = 333;
    static constexpr int kRaised = 315;

    explicit HandView(TableContext& context, QObject* parent = nullptr);

    // Host messages.
    void mycards(const std::string& payload);
    void passcards(const std::string& payload);
    void passedcards(const std::string& payload);
    void heusecard(const std::string& payload);

    // User input.
    void cardimagesMouseDown(CardPicture* card, Qt::MouseButton button);
    void button_passClick();

    void createcard(int slot, int card);
    void sortthem();
    void usecard(int slot);
    void movecards(int slot);

    // All places free again (start of a round).
    void freeAllPlaces() { m_places.fill(0); }
    // Every card picture goes (the places stay as they are).
    void destroyCards();
    // Passing closed, the pass button and the arrows hidden.
    void hidePassing();

    CardPicture* cardInSlot(int slot) const;
    // The slot at each place, 0 for a free place.
    const std::array<int, kPlaces>& places() const { return m_places; }
    const std::array<int, 3>& passSelection() const { return m_passSelection; }
    bool passingOpen() const;

private:
    void placeAt(CardPicture* card, int place);
    void lowerAll();

    TableContext& m_context;
    std::array<int, kPlaces> m_places{};
    std::array<CardPicture*, 14> m_cards{}; // by slot 1..13
    std::array<int, 3> m_passSelection{};
};
