#pragma once

#include <QMenu>
#include <QObject>

class SettingsStore;
class TServer;

// The hosting program's say over its own table: the time limits a table of
// two or more people keeps (Options > Turn Time Limit, Login Time Limit,
// kept in the settings file), how its computer players play, and whether
// its players may ask for hints.
class HostControls : public QObject {
    Q_OBJECT
public:
    HostControls(SettingsStore& store, QObject* parent = nullptr);

    // The two limit menus, added to a menu.
    void addMenus(QMenu* options);
    void setServer(TServer* server) { m_server = server; }
    // Gives the host the limits the settings file keeps, and ticks them.
    void applyTimeLimits();
    // The host's computer players play Strong, else Classic.
    void applyComputerLevel(bool strong);

    QMenu* TurnTimeLimit1 = nullptr;
    QAction* AllowHints1 = nullptr; // Options > Allow Hints at My Table
    QMenu* LoginTimeLimit1 = nullptr;

private:
    QMenu* limitMenu(QMenu* options, const QString& title, bool turn,
                     std::initializer_list<std::pair<const char*, int>> choices);

    SettingsStore& m_store;
    TServer* m_server = nullptr;
};
