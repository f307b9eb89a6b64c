#include "tallytable.h"

TallyTable::TallyTable() {
    reset();
}

void TallyTable::setCell(int column, int row, const QString& text) {
    m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

void TallyTable::increment(int column, int row) {
    setCell(column, row, QString::number(cell(column, row).toInt() + 1));
}

QStringList TallyTable::names() const {
    QStringList result;
    for (std::size_t row = 1; row < m_rows.size(); ++row) {
        result.append(m_rows[row][0]);
    }
    return result;
}

int TallyTable::rowOf(const QString& name) const {
    const qsizetype index = names().indexOf(name);
    return index < 0 ? -1 : static_cast<int>(index) + 1;
}

void TallyTable::addOpponent(const QString& name) {
    std::vector<QString> row(kColumns, QStringLiteral("0"));
    row[0] = name;
    m_rows.push_back(std::move(row));
}

void TallyTable::moverow(int row) {
    const int rows = rowCount();
    if (rows > 2 && row < rows - 1) {
        for (int r = row; r < rows - 1; ++r) {
            m_rows[static_cast<std::size_t>(r)] = m_rows[static_cast<std::size_t>(r + 1)];
        }
    }
    if (rows > 1) {
        m_rows.pop_back();
    }
}

void TallyTable::reset() {
    m_rows.assign(1, std::vector<QString>(kColumns, QStringLiteral("0")));
}

void TallyTable::startSession() {
    for (std::size_t row = 1; row < m_rows.size(); ++row) {
        for (std::size_t column = 5; column < kColumns; ++column) {
            m_rows[row][column] = QStringLiteral("0");
        }
    }
}

void TallyTable::addgame(const QStringList& players, const QString& winner) {
    const bool mine = winner == QLatin1String(kMine);
    increment(1, 0);
    if (mine) {
        increment(2, 0);
    }
    for (const QString& player : players) {
        const int row = rowOf(player);
        if (row < 0) {
            continue;
        }
        for (int column = 1; column < kColumns; ++column) {
            if (cell(column, row).isEmpty()) {
                setCell(column, row, QStringLiteral("0"));
            }
        }
        increment(1, row);
        increment(5, row);
        const int won = player == winner ? 2 : mine ? 3 : 4;
        increment(won, row);
        increment(won + 4, row);
    }
}

QByteArray TallyTable::toText() const {
    QByteArray text;
    auto line = [&text](const QString& value) { text += value.toUtf8() + "\r\n"; };
    line(QString::number(kColumns));
    line(QString::number(rowCount()));
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < rowCount(); ++row) {
            line(cell(column, row));
        }
    }
    return text;
}

bool TallyTable::fromText(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    bool ok = false;
    const int columns = lines.value(0).toInt(&ok);
    if (!ok || columns < 1 || columns > 64) {
        return false;
    }
    const int rows = lines.value(1).toInt(&ok);
    if (!ok || rows < 1 || rows > 100000 ||
        lines.size() < 2 + static_cast<qsizetype>(columns) * rows) {
        return false;
    }
    std::vector<std::vector<QString>> read(static_cast<std::size_t>(rows),
                                           std::vector<QString>(kColumns, QStringLiteral("0")));
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            if (column < kColumns) {
                read[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                    QString::fromUtf8(lines.at(2 + column * rows + row));
            }
        }
    }
    m_rows = std::move(read);
    return true;
}
