#pragma once

#include <QObject>
#include <QString>

class HostWindow;
class JoinWindow;
class Launcher;
class SettingsStore;
class Tchat;
struct Settings;

// Going to another table: File > Host a Table… and Join a Table…, the
// player's name and choices they keep, a host that cannot be reached, and a
// table that is full.
class TableChoices : public QObject {
    Q_OBJECT
public:
    TableChoices(Tchat& window, Launcher& launcher, SettingsStore& store);

    void HostATable1Click();
    void JoinATable1Click();
    // An invitation link: the Join window filled in from it, asking the
    // player's name; a link that cannot be used is said there.
    void openInvitation(const QString& link);
    void connectFailed(const QString& host, const QString& port, const QString& reason);
    void showGameFull();
    // A "Game is full" box is showing: the window closes when it does.
    bool showingFull() const { return m_showingFull; }

private:
    // Asks before a game in progress is left for another table.
    bool mayLeaveGame(const QString& question);
    QString savedPlayerName(const Settings& settings) const;
    // Keeps the name for the next table, and whether to announce and open
    // the router when told.
    void storeChoices(const QString& name, bool withAnnounce, bool announce, bool openRouter);

    Tchat& m_window;
    Launcher& m_launcher;
    SettingsStore& m_store;
    HostWindow* m_hostWindow = nullptr;
    JoinWindow* m_joinWindow = nullptr;
    bool m_showingFull = false;
};
