#include "turl.h"

#include <QDesktopServices>
#include <QUrl>

#include <array>

QString TURL::prefix(TURLType type) {
    static constexpr std::array<const char*, 10> kPrefixes = {
        "file://", "ftp://", "gopher://", "http://", "https://",
        "mailto:", "news:",  "telnet:",   "wais:",   ""};
    return QString::fromLatin1(kPrefixes[static_cast<std::size_t>(type)]);
}

std::function<bool(const QString&)>& TURL::opener() {
    static std::function<bool(const QString&)> open = [](const QString& target) {
        return QDesktopServices::openUrl(QUrl(target));
    };
    return open;
}

bool TURL::open() const {
    if (URL.isEmpty()) {
        return false;
    }
    return opener()(target());
}
