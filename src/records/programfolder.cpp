#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString programFolder() {
    const QString chosen = qEnvironmentVariable("HEARTS_CONFIG_DIR");
    if (!chosen.isEmpty()) {
        QDir().mkpath(chosen);
        return chosen;
    }
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(programDir).isWritable()) {
        return programDir;
    }
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(perUser);
    return perUser;
}
