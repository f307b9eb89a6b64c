#include "gamesummarywindow.h"

#include "tablestate.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString ordinal(int place) {
    static const char* const kPlaces[] = {"", "1st", "2nd", "3rd", "4th"};
    return place >= 1 && place <= 4 ? QString::fromLatin1(kPlaces[place]) : QString();
}

} // namespace

GameSummaryWindow::GameSummaryWindow(const TableState& state, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("gamesummary"));
    setWindowTitle(QStringLiteral("Hearts - Game Over"));
    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("summaryheading"));
    QFont big = m_heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_heading->setFont(big);
    layout->addWidget(m_heading);
    m_table = new QTableWidget(4, 6, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Place"), QStringLiteral("Player"),
                                        QStringLiteral("Score"), QStringLiteral("Rounds won"),
                                        QStringLiteral("Moons"), QStringLiteral("Queens taken")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setAccessibleName(QStringLiteral("Final order"));
    layout->addWidget(m_table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_playAgain = buttons->addButton(QStringLiteral("&Play Again"), QDialogButtonBox::AcceptRole);
    m_playAgain->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_playAgain, &QPushButton::clicked, this, [this] {
        accept();
        emit playAgainRequested();
    });
    resize(560, 300);
}

void GameSummaryWindow::refresh() {
    const std::vector<TableState::Standing> order = m_state.standings();
    const TableState::Standing& first = order.front();
    const bool shared = order.size() > 1 && order[1].place == 1;
    m_heading->setText(
        first.seat == m_state.mySeat() && !shared
            ? QStringLiteral("You won the game!")
            : QStringLiteral("%1 won the game.").arg(QString::fromStdString(first.name)));
    for (std::size_t i = 0; i < order.size(); ++i) {
        const TableState::Standing& s = order[i];
        const int row = static_cast<int>(i);
        const QStringList cells = {ordinal(s.place),         QString::fromStdString(s.name),
                                   QString::number(s.score), QString::number(s.roundsWon),
                                   QString::number(s.moons), QString::number(s.queens)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
            if (s.seat == m_state.mySeat()) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            m_table->setItem(row, column, item);
        }
    }
    m_playAgain->setVisible(m_state.hostFlag());
}
