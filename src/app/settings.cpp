#include "settings.h"

#include "inifile.h"

namespace {

QString key(const char* name) {
    return QString::fromLatin1(name);
}

QString flag(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

// A whole number in a range from the file, else the fallback.
int bounded(const IniFile& ini, const char* name, int fallback, int low, int high) {
    bool ok = false;
    const int value = ini.readString(key(Settings::kSection), key(name), QString()).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

} // namespace

Settings Settings::load(const IniFile& ini) {
    const QString s = key(kSection);
    Settings settings;
    settings.bounds =
        QRect(ini.readInteger(s, key("Left"), 3), ini.readInteger(s, key("Top"), 3),
              ini.readInteger(s, key("Width"), 775), ini.readInteger(s, key("Height"), 524));
    settings.maximized = ini.readString(s, key("Maximized"), QString()) == QLatin1String("1");
    settings.placementStored = !ini.readString(s, key("Width"), QString()).isEmpty();
    settings.textSize = ini.readInteger(s, key("Textsize"), 8);
    settings.textColour = ini.readString(s, key("Textcolor"), QStringLiteral("clblack"));
    bool ok = false;
    const int playTo = ini.readString(s, key("Playtoscore"), QString()).toInt(&ok);
    settings.playTo = ok ? std::optional<int>(playTo) : std::nullopt;
    const int safe = ini.readString(s, key("Safe"), QStringLiteral("0")).toInt(&ok);
    settings.safe = ok ? std::optional<int>(safe == 1 ? 1 : 0) : std::nullopt;
    settings.houseRules = ini.readString(s, key("Houserules"), QString());
    settings.openRouter = ini.readString(s, key("Openrouter"), QString()) == QLatin1String("true");
    const QString speed = ini.readString(s, key("Botspeed"), QStringLiteral("1000"));
    settings.strongComputers = ini.readString(s, key("Computerlevel"), QString())
                                   .compare(QLatin1String("strong"), Qt::CaseInsensitive) == 0;
    settings.botSpeed = speed == QLatin1String("2000")  ? 2000
                        : speed == QLatin1String("500") ? 500
                                                        : 1000;
    for (int n = 1; n <= kPhrases; ++n) {
        settings.phrases[static_cast<std::size_t>(n)] =
            ini.readString(s, QStringLiteral("Phrase%1").arg(n), QString());
    }
    settings.playSounds = ini.readString(s, key("Playsounds"), QString()) != QLatin1String("false");
    settings.turnSound =
        ini.readString(s, key("Turnsound"), QStringLiteral("0")) == QLatin1String("1") ? 1 : 0;
    settings.chatterSounds =
        ini.readString(s, key("ChatterSounds"), QStringLiteral("true")) != QLatin1String("false");
    settings.animations =
        ini.readString(s, key("Animations"), QStringLiteral("true")) != QLatin1String("false");
    settings.cueTurn =
        ini.readString(s, key("Cueturn"), QStringLiteral("true")) != QLatin1String("false");
    settings.cueHeartsBroken =
        ini.readString(s, key("Cueheartsbroken"), QStringLiteral("true")) != QLatin1String("false");
    settings.cueQueenTaken =
        ini.readString(s, key("Cuequeentaken"), QStringLiteral("true")) != QLatin1String("false");
    settings.cardDeck = ini.readString(s, key("Carddeck"), QString());
    settings.playerName = ini.readString(s, key("Playername"), QString());
    settings.announce =
        ini.readString(s, key("Announce"), QStringLiteral("true")) != QLatin1String("false");
    settings.turnTimeoutSeconds = bounded(ini, "Turntimeout", 60, 0, 86400);
    settings.loginTimeoutSeconds = bounded(ini, "Logintimeout", 20, 0, 86400);
    settings.chatSolo = ini.readString(s, key("Chatsolo"), QString()) == QLatin1String("true");
    settings.chatShared = ini.readString(s, key("Chatshared"), QString()) != QLatin1String("false");
    settings.offerLobby = ini.readString(s, key("Offerlobby"), QString()) != QLatin1String("false");
    settings.lobbyUrl = ini.readString(s, key("Lobbyurl"), QString());
    settings.lobbySha256 = ini.readString(s, key("Lobbysha256"), QString());
    return settings;
}

void Settings::savePhrases(IniFile& ini) const {
    for (int n = 1; n <= kPhrases; ++n) {
        ini.writeString(key(kSection), QStringLiteral("Phrase%1").arg(n),
                        phrases[static_cast<std::size_t>(n)]);
    }
}

void Settings::savePlayer(IniFile& ini, bool withAnnounce) const {
    ini.writeString(key(kSection), key("Playername"), playerName);
    if (withAnnounce) {
        ini.writeString(key(kSection), key("Announce"), flag(announce));
        ini.writeString(key(kSection), key("Openrouter"), flag(openRouter));
    }
}

void Settings::saveChat(IniFile& ini) const {
    ini.writeString(key(kSection), key("Chatsolo"), flag(chatSolo));
    ini.writeString(key(kSection), key("Chatshared"), flag(chatShared));
}

void Settings::saveOfferLobby(IniFile& ini) const {
    ini.writeString(key(kSection), key("Offerlobby"), flag(offerLobby));
}

void Settings::saveTimeLimits(IniFile& ini) const {
    ini.writeString(key(kSection), key("Turntimeout"), QString::number(turnTimeoutSeconds));
    ini.writeString(key(kSection), key("Logintimeout"), QString::number(loginTimeoutSeconds));
}

void Settings::save(IniFile& ini) const {
    const QString s = key(kSection);
    ini.writeString(s, key("Top"), QString::number(bounds.top()));
    ini.writeString(s, key("Left"), QString::number(bounds.left()));
    ini.writeString(s, key("Width"), QString::number(bounds.width()));
    ini.writeString(s, key("Height"), QString::number(bounds.height()));
    ini.writeString(s, key("Maximized"), maximized ? QStringLiteral("1") : QStringLiteral("0"));
    ini.writeString(s, key("Textcolor"), textColour);
    ini.writeString(s, key("Textsize"), QString::number(textSize));
    if (playTo) {
        ini.writeString(s, key("Playtoscore"), QString::number(*playTo));
    }
    if (safe) {
        ini.writeString(s, key("Safe"), QString::number(*safe));
    }
    ini.writeString(s, key("Houserules"), houseRules);
    ini.writeString(s, key("Botspeed"), QString::number(botSpeed));
    ini.writeString(s, key("Turnsound"), QString::number(turnSound));
    ini.writeString(s, key("ChatterSounds"), flag(chatterSounds));
    ini.writeString(s, key("Playsounds"), flag(playSounds));
    ini.writeString(s, key("Animations"), flag(animations));
    ini.writeString(s, key("Cueturn"), flag(cueTurn));
    ini.writeString(s, key("Cueheartsbroken"), flag(cueHeartsBroken));
    ini.writeString(s, key("Cuequeentaken"), flag(cueQueenTaken));
    ini.writeString(s, key("Carddeck"), cardDeck);
    ini.writeString(s, key("Computerlevel"),
                    strongComputers ? QStringLiteral("Strong") : QStringLiteral("Classic"));
}
