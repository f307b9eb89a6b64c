#pragma once

#include "carddeck.h"
#include "deckpreview.h"

#include <QDialog>

#include <atomic>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QThread;

// Options > Card Deck…: every deck with a preview of its ace, a court card
// and its back; the built-in deck first, then the French-suited decks, then
// those of other suits, marked. A deck whose ranks a hand would hide is
// shown with the reason and cannot be chosen. The previews are drawn in
// the background, so the window opens at once.
class CardDeckDialog : public QDialog {
    Q_OBJECT
public:
    // `current` the chosen deck's SVG file, empty for the built-in deck.
    CardDeckDialog(const QString& current, QWidget* parent,
                   std::vector<carddeck::DeckInfo> decks = carddeck::findDecks());
    ~CardDeckDialog() override;

    // The deck under the selection: its SVG file, empty for the built-in.
    QString selectedPath() const;
    // Whether every deck's preview has been drawn.
    bool previewsDone() const { return m_pending == 0; }
    QListWidget* list() const { return m_list; }

    // The share of a card's width a hand shows of each card but the last.
    static qreal visibleInHand();

signals:
    void chosen(const QString& path);
    void previewsFinished();

private:
    void addDeck(const carddeck::DeckInfo& deck);
    void showLook(int row, const carddeck::DeckLook& look);

    QListWidget* m_list;
    std::vector<carddeck::DeckInfo> m_decks;
    std::vector<int> m_rows; // list row by deck
    int m_pending = 0;
    std::atomic<bool> m_stop{false};
    QThread* m_worker = nullptr;
};
