// The settings file's reader: any text, then a key read, written and read
// again. Promise: what was written is what is read, and other lines stay.
#include "fuzzing.h"
#include "inifile.h"
#include "qtapplication.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    (void)argv;
    startApplication<QCoreApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniFile ini = IniFile::fromText(text);
    const QString section = QStringLiteral("agame");
    ini.readString(section, QStringLiteral("Textsize"), QStringLiteral("8"));
    ini.readInteger(section, QStringLiteral("Top"), 3);
    ini.writeString(section, QStringLiteral("Botspeed"), QStringLiteral("500"));
    ini.writeString(QStringLiteral("Other"), QStringLiteral("key"), QStringLiteral("v=1"));
    const IniFile again = IniFile::fromText(ini.toText());
    require(again.readString(section, QStringLiteral("Botspeed"), QString()) ==
            QStringLiteral("500"));
    require(again.readString(QStringLiteral("other"), QStringLiteral("KEY"), QString()) ==
            QStringLiteral("v=1"));
    return 0;
}
