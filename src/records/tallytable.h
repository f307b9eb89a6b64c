#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The tally's string table: 9 columns of text cells. Row 0 is the user's
// own (column 1 games finished, column 2 games won, 3 and 4 kept but never
// counted); each further row is a followed opponent: column 0 the name, 1..4
// games together, his wins, the user's wins, neither's wins in total, 5..8
// the same for this run.
class TallyTable {
public:
    static constexpr int kColumns = 9;
    static constexpr const char* kMine = "addtomine";

    TallyTable();

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    QString cell(int column, int row) const {
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    void setCell(int column, int row, const QString& text);
    // Reads a cell as a number, adds one and writes it back.
    void increment(int column, int row);

    // The opponents' names, in row order (row = index + 1).
    QStringList names() const;
    int rowOf(const QString& name) const;
    void addOpponent(const QString& name);
    void moverow(int row);
    // The own row alone, all own counters 0.
    void reset();
    // Columns 5..8 of every opponent row back to 0 (a new run).
    void startSession();
    // Records one finished game: `players` are the other seated players'
    // names, `winner` the winner's name or "addtomine".
    void addgame(const QStringList& players, const QString& winner);

    // The text form: column count, row count, then every cell column by
    // column, each line ended by CR LF.
    QByteArray toText() const;
    // Reads the text form; answers false (and changes nothing) when it is
    // not one.
    bool fromText(const QByteArray& text);

private:
    std::vector<std::vector<QString>> m_rows;
};
