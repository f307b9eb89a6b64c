#include "scoresheetwindow.h"

#include "tablestate.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

ScoreSheetWindow::ScoreSheetWindow(const TableState& state, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("scoresheet"));
    setWindowTitle(QStringLiteral("Score Sheet"));
    auto* layout = new QVBoxLayout(this);
    m_sheet = new QTableWidget(0, 4, this);
    m_sheet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sheet->setSelectionMode(QAbstractItemView::NoSelection);
    m_sheet->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_sheet->setAccessibleName(QStringLiteral("Score sheet"));
    layout->addWidget(m_sheet);
    auto* key = new QLabel(
        QStringLiteral("Points taken in each round. \u263E shot the moon, Q\u2660 took the queen "
                       "of spades."),
        this);
    key->setWordWrap(true);
    layout->addWidget(key);
    m_rules = new QLabel(this);
    m_rules->setObjectName(QStringLiteral("label_houserules"));
    m_rules->setWordWrap(true);
    layout->addWidget(m_rules);
    resize(460, 360);
}

void ScoreSheetWindow::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void ScoreSheetWindow::refresh() {
    const std::string rules =
        m_state.houseRules().standard()
            ? std::string()
            : hearts::houseRulesSentence(m_state.houseRules(), m_state.safeShown());
    m_rules->setText(QString::fromStdString(rules));
    m_rules->setVisible(!rules.empty());
    const auto& rounds = m_state.rounds();
    QStringList seats;
    for (int seat = 1; seat <= 4; ++seat) {
        seats.append(QString::fromStdString(m_state.seatName(seat)));
    }
    m_sheet->setHorizontalHeaderLabels(seats);
    m_sheet->setRowCount(static_cast<int>(rounds.size()) + 1);
    QStringList rows;
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        const TableState::RoundRecord& round = rounds[r];
        rows.append(QStringLiteral("Round ") + QString::fromStdString(round.round));
        for (int seat = 1; seat <= 4; ++seat) {
            const auto index = static_cast<std::size_t>(seat);
            QString cell = QString::number(round.points[index]);
            if (round.moon == seat) {
                cell += QStringLiteral(" \u263E");
            }
            if (round.queenTaker == seat) {
                cell += QStringLiteral(" Q\u2660");
            }
            auto* item = new QTableWidgetItem(cell);
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(QStringLiteral("Total %1").arg(round.totals[index]));
            m_sheet->setItem(static_cast<int>(r), seat - 1, item);
        }
    }
    rows.append(QStringLiteral("Total"));
    const int totalRow = static_cast<int>(rounds.size());
    for (int seat = 1; seat <= 4; ++seat) {
        auto* item = new QTableWidgetItem(QString::number(m_state.seat(seat).score));
        item->setTextAlignment(Qt::AlignCenter);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        m_sheet->setItem(totalRow, seat - 1, item);
    }
    m_sheet->setVerticalHeaderLabels(rows);
}
