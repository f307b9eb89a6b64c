#include "savefile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int number) {
    return QString::fromLocal8Bit(std::strerror(number));
}

} // namespace

SaveFile::SaveFile(const QString& path) : m_path(path), m_file(path) {
    m_file.setDirectWriteFallback(false);
}

SaveFile::~SaveFile() {
    cancel();
}

bool SaveFile::fail(const QString& what) {
    const int number = errno;
    m_failed = true;
    QString reason = m_file.errorString();
    if (number != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error"))) {
        reason = systemError(number);
    }
    m_error = what + QStringLiteral(" ") + QFileInfo(m_path).absoluteFilePath() +
              QStringLiteral(": ") + reason;
    cancel();
    return false;
}

bool SaveFile::open() {
    errno = 0;
    // Unbuffered: each write reaches the system at once, so a full disk is
    // seen at the write that meets it.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(QStringLiteral("Could not write"));
    }
    return true;
}

bool SaveFile::write(QByteArrayView bytes) {
    if (m_failed || m_finished || !m_file.isOpen()) {
        return false;
    }
    errno = 0;
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size()) {
        return fail(QStringLiteral("Could not write"));
    }
    m_written += bytes.size();
    return true;
}

bool SaveFile::commit() {
    if (m_failed || m_finished || !m_file.isOpen()) {
        return false;
    }
    errno = 0;
    const int handle = m_file.handle();
    struct stat info {};
    if (::fsync(handle) != 0) {
        return fail(QStringLiteral("Could not write"));
    }
    if (::fstat(handle, &info) != 0 || info.st_size != m_written) {
        errno = errno != 0 ? errno : EIO;
        return fail(QStringLiteral("Could not write"));
    }
    if (!m_file.commit()) {
        return fail(QStringLiteral("Could not replace"));
    }
    m_finished = true;
    return true;
}

void SaveFile::cancel() {
    if (!m_finished) {
        m_finished = true;
        if (m_file.isOpen()) {
            m_file.cancelWriting();
            m_file.commit();
        }
    }
}

bool SaveFile::save(const QString& path, QByteArrayView bytes, QString* error) {
    SaveFile file(path);
    const bool saved = file.open() && file.write(bytes) && file.commit();
    if (!saved && error != nullptr) {
        *error = file.error();
    }
    return saved;
}
