#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// Every file the program writes is written through this: the bytes go to a
// temporary file beside the target, each write is checked as it happens
// (no buffer whose failure could show only later), the data is forced to
// the disk and its size checked, and only then does the temporary file
// replace the old one. Any failure leaves the old file exactly as it was
// and says why in words a player can read.
class SaveFile {
public:
    explicit SaveFile(const QString& path);
    // An unfinished save is abandoned: the old file stays.
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    bool open();
    // False once any write has failed; what follows is not written.
    bool write(QByteArrayView bytes);
    // Replaces the target with what was written, or leaves it alone.
    bool commit();
    void cancel();

    // Why the save failed, naming the file ("... : No space left on device").
    const QString& error() const { return m_error; }
    qint64 written() const { return m_written; }
    const QString& path() const { return m_path; }

    // A whole file at once.
    static bool save(const QString& path, QByteArrayView bytes, QString* error = nullptr);

private:
    bool fail(const QString& what);

    QString m_path;
    QSaveFile m_file;
    QString m_error;
    qint64 m_written = 0;
    bool m_failed = false;
    bool m_finished = false;
};
