#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QPainter;
class QRectF;
class QSvgRenderer;

// Card decks drawn from SVG files, as the desktop's card-deck packages
// install them: KDE's (a folder with index.desktop naming its SVG, cards
// named "queen_spade", "1_club") and GNOME's (one SVG per deck, cards named
// "spade_queen", "club_1"); both name the back "back".
namespace carddeck {

// The suits a deck draws in the places of clubs, diamonds, spades and
// hearts. The deck packages do not say; the decks of other suits that they
// install are known by name (see carddeck.cpp).
enum class Suits { French, German, Swiss };

struct DeckInfo {
    QString name;
    QString path; // the SVG file
    Suits suits = Suits::French;
};

// The folders searched for decks: HEARTS_CARD_DECKS (folders separated by
// ':') when set, else the system's and the user's data folders.
QStringList searchFolders();
// Every deck found in the folders, each name once (the first found): the
// French-suited decks by name, then the others by name.
std::vector<DeckInfo> findDecks(const QStringList& folders = searchFolders());
// "German suits: acorns, leaves, hearts, bells"; empty for French suits.
QString suitsText(Suits suits);

// A loaded deck: it draws any of the 54 card pictures (0 the back, 1..52
// the faces) into a rectangle.
class SvgDeck {
public:
    // Answers nullptr when the file cannot be read or lacks a card.
    static std::unique_ptr<SvgDeck> load(const QString& path);
    ~SvgDeck();
    void draw(QPainter& painter, int index, const QRectF& into) const;
    const QString& path() const { return m_path; }

private:
    SvgDeck() = default;
    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
    std::vector<QString> m_ids; // by picture index 0..52
};

} // namespace carddeck
