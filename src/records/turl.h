#pragma once

#include <QString>

#include <functional>

// A web address with its kind; opening puts the kind's prefix before it.
class TURL {
public:
    enum class TURLType {
        utFile,
        utFtp,
        utGopher,
        utHttp,
        utHttps,
        utMailto,
        utNews,
        utTelnet,
        utWais,
        utnone
    };

    QString URL;
    TURLType URLType = TURLType::utHttp;

    static QString prefix(TURLType type);
    // The address as handed to the system.
    QString target() const { return prefix(URLType) + URL; }
    // Asks the system to open it; an empty address fails at once.
    bool open() const;

    // How addresses are opened (the desktop's browser unless replaced).
    static std::function<bool(const QString&)>& opener();
};
