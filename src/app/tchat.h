#pragma once

#include "chatpanel.h"
#include "clientconnection.h"
#include "clienttable.h"
#include "colortext.h"
#include "sounds.h"
#include "tsock.h"

#include <QLockFile>
#include <QMainWindow>
#include <QRect>
#include <QStringList>

#include <array>

class Board;
class HostWindow;
class IniFile;
struct Settings;
class JoinWindow;
class Launcher;
class QAbstractButton;
class QAction;
class QActionGroup;
class TableArea;
class TServer;
class Tdownload;
class Ttallylist;
class Tabout;
class Tgamestart;
class Thelp;
class Tphrases;
class Tspylist;

// The main window: the table, the hand, the chat and the menus, and the
// client's connection to the host. Its closing ends the program.
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

    static constexpr int kDefaultLeft = 3;
    static constexpr int kDefaultTop = 3;
    static constexpr int kDefaultWidth = 775;
    static constexpr int kDefaultHeight = 524;
    // The launch follows the first paint, or this long after the window shows.
    static constexpr int kLaunchAtTheLatestMs = 500;

    // `params` are the command-line parameters without the program name.
    explicit Tchat(QStringList params, QWidget* parent = nullptr);
    ~Tchat() override;

    void attach(const Windows& windows);

    // Appends one chat line ("<code>+<body>") in a colour.
    void addlinetochat(const QString& line, colortext::ColorValue colour);
    // Writes a status line ("0+" and its text) in the status colour.
    void statusLine(const QString& line) { addlinetochat(line, m_statusColour); }

    // Brings the window forward, restored if it was minimised.
    void bringForward();

    // Settings file.
    QString settingsPath() const;
    void loadinifile();
    void saveinifile() { saveinifile(bounds()); }
    // Writes the file with these outer bounds for the window.
    void saveinifile(const QRect& outer);
    // Saves the settings file; a failure is told to the player (in a
    // message box when the window is closing), the old file kept.
    bool saveSettings(const IniFile& ini, bool closing = false);
    void ResetScreenLocation1Click();
    // The outer bounds of the window.
    QRect bounds() const;
    void setBounds(const QRect& outer);

    int botSpeedMs() const { return m_table->state().botSpeed(); }
    bool hostFlag() const { return m_hostFlag; }
    Launcher& launcher() { return *m_launcher; }
    QString chatText() const;
    ClientConnection& client() { return m_client; }
    ClientTable& table() { return *m_table; }
    TableState& state() { return m_table->state(); }
    Board& board() { return m_table->board(); }
    TableArea& tableArea() { return *m_area; }
    ChatPanel& chat() { return *m_chat; }
    Sounds& sounds() { return m_sounds; }
    QAbstractButton* startButton() const;
    QAction* startGameAction() const { return StartGame1; }

    QAction* PlaySounds1 = nullptr;
    QAction* PlayChatterSounds1 = nullptr;
    QAction* Classic1 = nullptr;
    QAction* New1 = nullptr;
    QAction* TextColor1 = nullptr;
    std::array<QAction*, 4> textSizeItems{}; // 8, 10, 12, 14
    QAction* ScrollChatOff2 = nullptr;
    QAction* ClearMainChat2 = nullptr;
    QAction* ResetScreenLocation1 = nullptr;
    // Options > "Turn Time Limit" and "Login Time Limit" of a hosted table.
    QMenu* TurnTimeLimit1 = nullptr;
    QMenu* LoginTimeLimit1 = nullptr;
    // Options > "Card Deck": the built-in deck and the SVG decks found.
    QMenu* CardDeck1 = nullptr;
    QAction* JustWatch1 = nullptr;
    QAction* PrhaseList1 = nullptr;
    QAction* ViewTally1 = nullptr;
    QAction* LastTrick1 = nullptr;
    QAction* ScoreSheet1 = nullptr;
    QAction* SpyList1 = nullptr;
    QAction* Content1 = nullptr;
    QAction* About1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void processparams();
    void showDownloadWindow();
    void hostingChanged(bool hosting);
    void HostATable1Click();
    void JoinATable1Click();
    void connectFailed(const QString& host);
    QString savedPlayerName(const Settings& settings) const;
    // Keeps the name for the next table, and whether to announce ("true",
    // "false"; empty leaves it).
    void storeChoices(const QString& name, const QString& announce);
    void Exit1Click() { close(); }
    void showGameFull();
    void showMessage(const QString& text);
    void wireTable();
    void buildMenus();
    void buildOptionsMenu(QMenu* options);
    void buildBoard();
    void showGameStart();
    void sendStartGame(const QString& playto, int safe);
    void setTextSize(int points);
    void fillCardDecks();
    // Gives the host the time limits that the settings file keeps.
    void applyTimeLimits();
    // The host's computer players play Strong, else Classic.
    void applyComputerLevel(bool strong);
    void chooseCardDeck(const QString& path);
    void markCardDeck();
    void setTurnSound(int tag);
    void TextColor1Click();
    void PrhaseList1Click();
    void storePhrases(const QStringList& phrases);
    // The other seated players now at the table, for the tally.
    void loadchecklist();
    void recordGame(const QString& winner);
    void showCentred(QWidget* window);
    // Keeps window placement as the file last said, or as the close rule stored.
    void FormClose();

    QStringList m_params;
    Windows m_windows;
    ClientConnection m_client;
    QLockFile m_heartsLock;
    QtSoundSink m_soundSink;
    Sounds m_sounds{m_soundSink};

    QString m_sectionName;
    colortext::ColorValue m_statusColour = colortext::kBlue;
    bool m_hostFlag = false;
    bool m_paramsProcessed = false;
    bool m_showingFull = false;
    // The bounds read at the last load or stored by the close rule.
    QRect m_placement;
    bool m_placementMaximized = false;
    bool m_closing = false;

    TableArea* m_area = nullptr;
    ClientTable* m_table = nullptr;
    ChatPanel* m_chat = nullptr;
    QAction* StartGame1 = nullptr;
    QAction* HostATable1 = nullptr;
    QAction* JoinATable1 = nullptr;
    Launcher* m_launcher = nullptr;
    HostWindow* m_hostWindow = nullptr;
    JoinWindow* m_joinWindow = nullptr;
    QAction* Exit1 = nullptr;
};
