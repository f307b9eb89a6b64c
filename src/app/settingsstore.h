#pragma once

#include "settings.h"

#include <QObject>
#include <QString>

#include <functional>

class IniFile;

// The one owner of the settings file: where it is, what it says (as a
// Settings value), and the saves of its parts, each writing its own keys
// and leaving every other line as it was. A save that fails leaves the file
// as it was and is told through saveFailed.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(QObject* parent = nullptr) : QObject(parent) {}

    // The file in the program's folder.
    QString path() const;
    Settings load() const;
    // The window's placement and options.
    bool saveWindow(const Settings& settings);
    bool savePhrases(const Settings& settings);
    bool savePlayer(const Settings& settings, bool withAnnounce);
    bool saveTimeLimits(const Settings& settings);
    bool saveChat(const Settings& settings);
    bool saveOfferLobby(const Settings& settings);

signals:
    // Words for the player: what could not be saved, and why.
    void saveFailed(const QString& text);

private:
    bool save(const std::function<void(IniFile&)>& write);
};
