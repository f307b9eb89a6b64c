#include "inifile.h"

#include "savefile.h"

#include <QFile>
#include <QRegularExpression>

namespace {

bool isSectionHeader(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'));
}

QString sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    // A settings file is a few hundred bytes; one far larger is not read
    // (the defaults apply) and never overwritten.
    if (file.size() > kMaxBytes) {
        m_tooLarge = true;
        return;
    }
    parse(file.readAll());
}

IniFile IniFile::fromText(const QByteArray& bytes) {
    IniFile ini{QString()};
    ini.parse(bytes.left(kMaxBytes));
    return ini;
}

void IniFile::parse(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QLatin1String("\r\n"))) {
        m_newline = QStringLiteral("\r\n");
    }
    m_lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    // The split leaves one empty entry after a final line break.
    if (!m_lines.isEmpty() && m_lines.last().isEmpty()) {
        m_lines.removeLast();
    }
}

QByteArray IniFile::toText() const {
    QString text;
    for (const QString& line : m_lines) {
        text += line + m_newline;
    }
    return text.toUtf8();
}

qsizetype IniFile::findSection(const QString& section) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (isSectionHeader(m_lines.at(i)) &&
            sectionName(m_lines.at(i)).compare(section, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

qsizetype IniFile::sectionEnd(qsizetype header) const {
    qsizetype end = header + 1;
    while (end < m_lines.size() && !isSectionHeader(m_lines.at(end))) {
        ++end;
    }
    return end;
}

qsizetype IniFile::findKey(qsizetype header, const QString& key) const {
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const QString& line = m_lines.at(i);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const qsizetype header = findSection(section);
    const qsizetype line = header < 0 ? -1 : findKey(header, key);
    if (line < 0) {
        return defaultValue;
    }
    QString value = m_lines.at(line).mid(m_lines.at(line).indexOf(QLatin1Char('=')) + 1).trimmed();
    // A value in matching quotes is read without them.
    if (value.size() >= 2 &&
        (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))) &&
        value.endsWith(value.at(0))) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok);
    return ok ? value : defaultValue;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty()) {
            m_lines.append(QString());
        }
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(entry);
        return;
    }
    const qsizetype line = findKey(header, key);
    if (line >= 0) {
        m_lines[line] = entry;
        return;
    }
    // After the section's last non-empty line.
    qsizetype at = sectionEnd(header);
    while (at > header + 1 && m_lines.at(at - 1).trimmed().isEmpty()) {
        --at;
    }
    m_lines.insert(at, entry);
}

bool IniFile::save(QString* error) const {
    if (m_tooLarge) {
        if (error != nullptr) {
            *error = QStringLiteral("%1 is larger than %2 bytes and was left as it is")
                         .arg(m_path)
                         .arg(kMaxBytes);
        }
        return false;
    }
    return SaveFile::save(m_path, toText(), error);
}
