#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>

#include <array>

class ChatPanel;
class ClientTable;
class HostControls;
class Sounds;
class TableArea;
struct Settings;

// The Options menu and the options it shows: sounds, the bot speed, the
// turn sound, the chat's text, the host's time limits, the card deck, and
// just watching. It applies the options the settings file keeps and gives
// them back for a save; each change is announced so the window saves it.
class OptionsMenu : public QObject {
    Q_OBJECT
public:
    struct Parts {
        Sounds& sounds;
        ChatPanel& chat;
        ClientTable& table;
        HostControls& host;
        TableArea& area;
    };
    OptionsMenu(QMenu* options, Parts parts, QWidget* window);

    // The options of the settings file, onto the menu and the parts.
    void apply(const Settings& settings);
    // The options as they are now, into a value to save.
    void fill(Settings& settings) const;

    QAction* PlaySounds1 = nullptr;
    QAction* PlayChatterSounds1 = nullptr;
    QAction* Animations1 = nullptr;
    // Options > Sound Cues: my turn, hearts broken, the queen taken.
    QAction* CueTurn1 = nullptr;
    QAction* CueHeartsBroken1 = nullptr;
    QAction* CueQueenTaken1 = nullptr;
    QAction* Classic1 = nullptr;
    QAction* New1 = nullptr;
    QAction* TextColor1 = nullptr;
    // The chat's text is never smaller than this: the desktop's normal
    // size, in points.
    static int desktopTextSize();
    std::array<QAction*, 4> textSizeItems{}; // 8, 10, 12, 14
    // Options > "Card Deck…": the deck chooser.
    QAction* CardDeck1 = nullptr;
    QAction* ScrollChatOff2 = nullptr;
    QAction* ClearMainChat2 = nullptr;
    QAction* ResetScreenLocation1 = nullptr;
    QAction* JustWatch1 = nullptr;

signals:
    // An option was changed by the player: the window's options are saved.
    void changed();
    void resetPlacementRequested();
    void message(const QString& text);

private:
    void setTextSize(int points);
    void setTurnSound(int tag);
    void openCardDecks();
    void chooseCardDeck(const QString& path);
    void TextColor1Click();

    Parts m_parts;
    QWidget* m_window;
};
