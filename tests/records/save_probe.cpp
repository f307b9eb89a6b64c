// save_probe FILE SIZE: sets a key of SIZE characters in the settings file
// FILE and saves it, as the game does; exits 0 when saved, 1 with the reason
// on stderr when not. The full-disk test runs it inside a small filesystem.
#include "inifile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: save_probe FILE SIZE\n", stderr);
        return 2;
    }
    IniFile ini(args[1]);
    ini.writeString(QStringLiteral("agame"), QStringLiteral("Probe"),
                    QString(args[2].toInt(), QLatin1Char('p')));
    QString error;
    if (!ini.save(&error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
