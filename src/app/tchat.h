#pragma once

#include "chatpanel.h"
#include "clientconnection.h"
#include "clienttable.h"
#include "colortext.h"
#include "settingsstore.h"
#include "sounds.h"
#include "tsock.h"

#include <QLockFile>
#include <QMainWindow>
#include <QRect>
#include <QStringList>

class Board;
class HostControls;
class Launcher;
class MainMenus;
class OptionsMenu;
class QAbstractButton;
class TableArea;
class TableChoices;
class TableWiring;
class TServer;
class Tdownload;
class Ttallylist;
class Tabout;
class Tgamestart;
class Thelp;
class Tphrases;
class Tspylist;

// The main window: the frame that holds the table, the hand and the chat,
// and puts together the parts that do the work: the client's connection
// and table, the menus, the settings file, the host's controls, the ways
// to another table and the wiring of the table to the program. Its closing
// ends the program.
class Tchat : public QMainWindow {
    Q_OBJECT
public:
    // The other windows, created after this one.
    struct Windows {
        Tdownload* download = nullptr;
        Ttallylist* tallylist = nullptr;
        Tabout* about = nullptr;
        Tgamestart* gamestart = nullptr;
        Thelp* help = nullptr;
        Tphrases* phrases = nullptr;
        TServer* server = nullptr;
        Tspylist* spylist = nullptr;
    };
    // Every side window of the program, owned by this window; the host is
    // the caller's to add.
    Windows makeSideWindows();

    static constexpr int kDefaultLeft = 3;
    static constexpr int kDefaultTop = 3;
    static constexpr int kDefaultWidth = 775;
    static constexpr int kDefaultHeight = 524;
    // The launch follows the first paint, or this long after the window shows.
    static constexpr int kLaunchAtTheLatestMs = 500;
    // Between the window and a window shown beside it.
    static constexpr int kWindowGap = 8;

    // `params` are the command-line parameters without the program name.
    explicit Tchat(QStringList params, QWidget* parent = nullptr);
    ~Tchat() override;

    void attach(const Windows& windows);
    const Windows& windows() const { return m_windows; }

    // Appends one chat line ("<code>+<body>") in a colour.
    void addlinetochat(const QString& line, colortext::ColorValue colour);
    // Writes a status line ("0+" and its text) in the status colour.
    void statusLine(const QString& line) { addlinetochat(line, m_statusColour); }
    void showMessage(const QString& text);
    // Shows a side window over the middle of this one.
    void showCentred(QWidget* window);
    // Shows a window that shows the game beside the table, never over the
    // trick or a hand: beside this window where the screen has room, else
    // where the table has nothing of the game.
    void showBeside(QWidget* window, bool left);
    // Where a window of that size covers least of the game on the table.
    QPoint placeOnTable(QSize size, bool left);
    void showGameStart();
    void showGameFull();
    // The summary of a game just ended; Play Again starts the next.
    void showGameSummary();
    // The other seated players now at the table, for the tally.
    void loadchecklist();

    // Brings the window forward, restored if it was minimised.
    void bringForward();
    // The window's place before it is first shown: where it was last time,
    // or, at a first start, most of the screen, in its middle.
    void placeWindow();
    // The own arrival at a table: the settings applied; a solo game dealt
    // at once with the options kept; a table joined from a solo game keeps
    // the player.
    void ownArrival();
    // View > Chat: the chat column shown or folded away, kept per kind of table.
    void setChatShown(bool shown);
    // File > Get the Orvane Lobby…, and the offer at a solo start.
    void showDownloadWindow();
    // Game > New Game…: the game start window, once a game in progress may end.
    void newGame();

    // The settings file (tchatsettings.cpp): placement and options.
    QString settingsPath() const { return m_store.path(); }
    SettingsStore& settingsStore() { return m_store; }
    void loadinifile();
    void saveinifile() { saveinifile(bounds()); }
    // Writes the file with these outer bounds for the window.
    void saveinifile(const QRect& outer);
    void ResetScreenLocation1Click();
    // The outer bounds of the window.
    QRect bounds() const;
    void setBounds(const QRect& outer);

    int botSpeedMs() const { return m_table->state().botSpeed(); }
    bool hostFlag() const { return m_hostFlag; }
    Launcher& launcher() { return *m_launcher; }
    // Game > Hint (H): in a solo game, or where the host allows hints, the
    // card the Strong player would play in my place is raised and takes the
    // keyboard focus.
    void showHint();
    // An invitation link (from the command line, or a later start): the
    // window comes forward with the Join window filled in.
    void openInvitation(const QString& link);
    QString chatText() const;
    ClientConnection& client() { return m_client; }
    ClientTable& table() { return *m_table; }
    TableState& state() { return m_table->state(); }
    Board& board() { return m_table->board(); }
    TableArea& tableArea() { return *m_area; }
    ChatPanel& chat() { return *m_chat; }
    Sounds& sounds() { return m_sounds; }
    MainMenus& menus() { return *m_menus; }
    OptionsMenu& options();
    HostControls& hostControls() { return *m_hostControls; }
    QAbstractButton* startButton() const;
    QAction* startGameAction() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void processparams();
    void offerDownloadWindow();
    void keepLobbyOffer(bool offer);
    void startSoloGame();
    void modeChanged();
    void hostingChanged(bool hosting);
    void buildBoard();
    void sendStartGame(const QString& playto, int safe);
    void storePhrases(const QStringList& phrases);
    void saveFailed(const QString& text);
    // Keeps window placement as the file last said, or as the close rule stored.
    void FormClose();

    QStringList m_params;
    Windows m_windows;
    ClientConnection m_client;
    QLockFile m_heartsLock;
    QtSoundSink m_soundSink;
    Sounds m_sounds{m_soundSink};
    SettingsStore m_store;

    colortext::ColorValue m_statusColour = colortext::kBlue;
    bool m_hostFlag = false;
    bool m_paramsProcessed = false;
    // The bounds read at the last load or stored by the close rule.
    QRect m_placement;
    bool m_placementMaximized = false;
    bool m_closing = false;
    bool m_summaryWired = false;

    TableArea* m_area = nullptr;
    ClientTable* m_table = nullptr;
    ChatPanel* m_chat = nullptr;
    Launcher* m_launcher = nullptr;
    HostControls* m_hostControls = nullptr;
    TableChoices* m_choices = nullptr;
    MainMenus* m_menus = nullptr;
    TableWiring* m_wiring = nullptr;
};
