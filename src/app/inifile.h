#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// An INI file read and written key by key, with the profile-string rules:
// section and key names match without regard to case, values are the text
// after "=", and every other line (another program's sections and keys,
// comments) stays as it was. A save replaces the file whole and atomically.
class IniFile {
public:
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    // Reads the file if it exists; a missing or unreadable file is empty,
    // and so is one larger than kMaxBytes, which a save then leaves alone.
    explicit IniFile(QString path);
    // The same rules over a text, with no file behind it.
    static IniFile fromText(const QByteArray& bytes);
    QByteArray toText() const;

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    void writeString(const QString& section, const QString& key, const QString& value);
    // Replaces the file whole, or leaves it as it was and says why.
    bool save(QString* error = nullptr) const;
    const QString& path() const { return m_path; }

private:
    void parse(const QByteArray& bytes);
    // The line index of a section's header, or -1.
    qsizetype findSection(const QString& section) const;
    // The line index of a key inside the section starting at `header`, or -1.
    qsizetype findKey(qsizetype header, const QString& key) const;
    qsizetype sectionEnd(qsizetype header) const;

    QString m_path;
    QStringList m_lines;
    QString m_newline = QStringLiteral("\n");
    bool m_tooLarge = false;
};
