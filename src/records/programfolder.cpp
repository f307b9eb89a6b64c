#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString programFolderFor(const QString& chosen, const QString& programDir, const QString& perUser) {
    if (!chosen.isEmpty()) {
        QDir().mkpath(chosen);
        return chosen;
    }
    const bool portable = QFileInfo::exists(QDir(programDir).filePath(kPortableMarker));
    if (portable && QFileInfo(programDir).isWritable()) {
        return programDir;
    }
    QDir().mkpath(perUser);
    return perUser;
}

QString programFolder() {
    return programFolderFor(qEnvironmentVariable("HEARTS_CONFIG_DIR"),
                            QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}
