#include "settingsstore.h"

#include "inifile.h"
#include "programfolder.h"

#include <QDir>

QString SettingsStore::path() const {
    return QDir(programFolder()).filePath(QStringLiteral("orvanelobby.ini"));
}

Settings SettingsStore::load() const {
    return Settings::load(IniFile(path()));
}

bool SettingsStore::save(const std::function<void(IniFile&)>& write) {
    IniFile ini(path());
    write(ini);
    QString error;
    if (ini.save(&error)) {
        return true;
    }
    emit saveFailed(
        QStringLiteral("Your settings could not be saved (%1). The settings file is as it was.")
            .arg(error));
    return false;
}

bool SettingsStore::saveWindow(const Settings& settings) {
    return save([&](IniFile& ini) { settings.save(ini); });
}

bool SettingsStore::savePhrases(const Settings& settings) {
    return save([&](IniFile& ini) { settings.savePhrases(ini); });
}

bool SettingsStore::savePlayer(const Settings& settings, bool withAnnounce) {
    return save([&](IniFile& ini) { settings.savePlayer(ini, withAnnounce); });
}

bool SettingsStore::saveTimeLimits(const Settings& settings) {
    return save([&](IniFile& ini) { settings.saveTimeLimits(ini); });
}

bool SettingsStore::saveChat(const Settings& settings) {
    return save([&](IniFile& ini) { settings.saveChat(ini); });
}

bool SettingsStore::saveOfferLobby(const Settings& settings) {
    return save([&](IniFile& ini) { settings.saveOfferLobby(ini); });
}
