#pragma once

#include "sidewindow.h"
#include "tallytable.h"

#include <QLabel>
#include <QListWidget>

#include <array>
#include <functional>

// The tally of wins: the user's totals and, for each followed opponent, the
// games played together and who won, in total and in this run. Read from
// the compressed tally file at start, written back at the end.
class Ttallylist : public SideWindow {
    Q_OBJECT
public:
    explicit Ttallylist(QWidget* parent = nullptr);

    // The tally file: read now; written by save().
    void loadFile(const QString& path);
    // Writes the tally file; on failure the old file stays and `error`
    // says why.
    bool save(QString* error = nullptr);
    QString filePath() const { return m_path; }

    // The other seated players now at the table ("Players In Current Game").
    void loadchecklist(const QStringList& players);
    void addgame(const QString& winner);
    const TallyTable& table() const { return m_table; }

    // Asks a Yes/No question; the window's own box unless replaced (tests).
    std::function<bool(const QString&)> confirm;
    // Tells the user something once.
    std::function<void(const QString&)> message;

    std::array<QLabel*, 5> mylabel{}; // [1..4]
    std::array<QLabel*, 9> label{};   // [1..8]
    QLabel* label_hisname = nullptr;
    QLabel* label_hisnametop = nullptr;
    QListWidget* listbox_tally = nullptr;
    QListWidget* checklist = nullptr;

    void button_resetClick();

private:
    void loadtally();
    void showOpponent(int row);
    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(QListWidgetItem* item);
    void refreshSelected();

    TallyTable m_table;
    QString m_path;
};
