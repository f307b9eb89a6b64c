#pragma once

#include "board.h"
#include "clientconnection.h"
#include "clienttable.h"
#include "tsock.h"

#include <QColor>
#include <QLockFile>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class QAction;
class QAbstractButton;
class QTextEdit;
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

    static constexpr int kClientWidth = 767;
    static constexpr int kClientHeight = 478;

    // `params` are the command-line parameters without the program name.
    explicit Tchat(QStringList params, QWidget* parent = nullptr);
    ~Tchat() override;

    void attach(const Windows& windows);

    // Appends one chat line ("<code>+<body>") in a colour.
    void addlinetochat(const QString& line, const QColor& colour);
    // Writes a status line ("0+" and its text) in the status colour.
    void statusLine(const QString& line) { addlinetochat(line, m_statusColour); }

    // Brings the window forward, restored if it was minimised.
    void bringForward();

    int botSpeedMs() const { return m_table->progress().botSpeed(); }
    bool hostFlag() const { return m_hostFlag; }
    QString playerName() const { return m_playerName; }
    QString chatText() const;
    ClientConnection& client() { return m_client; }
    ClientTable& table() { return *m_table; }
    Board& board() { return *m_board; }
    QAbstractButton* startButton() const { return m_board->button_start; }
    QAction* startGameAction() const { return StartGame1; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void processparams();
    void hostpress();
    void joinpress();
    void connectLobbyLink();
    void Exit1Click() { close(); }
    void showGameFull();
    void showMessage(const QString& text);
    void buildMenus();
    void buildBoard();
    void showGameStart();
    void sendStartGame(const QString& playto, int safe);

    QStringList m_params;
    Windows m_windows;
    ClientConnection m_client;
    TSock Sock11;
    QLockFile m_heartsLock;

    QString m_sectionName;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    QColor m_statusColour;
    int m_numberOfSeats = 0;
    bool m_phraseGuardReady = false;
    bool m_hostFlag = false;
    int m_linkCounter = 0;
    QString m_playerName;
    QString m_hostAddress;
    bool m_paramsProcessed = false;
    bool m_showingFull = false;

    Board* m_board = nullptr;
    ClientTable* m_table = nullptr;
    QTextEdit* m_chatView = nullptr;
    QAction* StartGame1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* JustWatch1 = nullptr;
};
