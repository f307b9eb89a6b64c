#include "ttallylist.h"

#include "savefile.h"

#include "tlzrw1.h"

#include "cardpictures.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

QLabel* countLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(name);
    label->setMinimumWidth(40);
    return label;
}

} // namespace

Ttallylist::Ttallylist(QWidget* parent)
    : SideWindow(QStringLiteral("Hearts - Tally List"), parent) {
    useTableBackground();

    auto* layout = new QVBoxLayout(this);
    auto* own = new QGroupBox(QStringLiteral("Your Total Tally"), this);
    auto* ownLayout = new QGridLayout(own);
    ownLayout->addWidget(new QLabel(QStringLiteral("Total Games:"), own), 0, 0);
    ownLayout->addWidget(new QLabel(QStringLiteral("Your Wins"), own), 1, 0);
    for (int n = 1; n <= 4; ++n) {
        mylabel[static_cast<std::size_t>(n)] = countLabel(own, QStringLiteral("mylabel_%1").arg(n));
        if (n <= 2) {
            ownLayout->addWidget(mylabel[static_cast<std::size_t>(n)], n - 1, 1);
        } else {
            mylabel[static_cast<std::size_t>(n)]->hide();
        }
    }
    layout->addWidget(own);

    auto* lists = new QHBoxLayout;
    auto* tallied = new QGroupBox(QStringLiteral("Players Being Tallied"), this);
    auto* talliedLayout = new QVBoxLayout(tallied);
    listbox_tally = new QListWidget(tallied);
    listbox_tally->setObjectName(QStringLiteral("listbox_tally"));
    listbox_tally->setAccessibleName(tallied->title());
    talliedLayout->addWidget(listbox_tally);
    lists->addWidget(tallied);

    auto* detail = new QGroupBox(this);
    auto* grid = new QGridLayout(detail);
    label_hisnametop = new QLabel(detail);
    label_hisnametop->setObjectName(QStringLiteral("label_hisnametop"));
    grid->addWidget(label_hisnametop, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Total"), detail), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Session"), detail), 1, 2);
    label_hisname = new QLabel(QStringLiteral("Wins:"), detail);
    label_hisname->setObjectName(QStringLiteral("label_hisname"));
    const std::array<QWidget*, 4> rowNames = {new QLabel(QStringLiteral("Number of Games"), detail),
                                              label_hisname,
                                              new QLabel(QStringLiteral("Your Wins:"), detail),
                                              new QLabel(QStringLiteral("Neither Won:"), detail)};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(rowNames[static_cast<std::size_t>(r)], r + 2, 0);
        for (int part = 0; part < 2; ++part) {
            const int n = r + 1 + part * 4;
            label[static_cast<std::size_t>(n)] =
                countLabel(detail, QStringLiteral("label_%1").arg(n));
            grid->addWidget(label[static_cast<std::size_t>(n)], r + 2, 1 + part);
        }
    }
    lists->addWidget(detail);

    auto* current = new QGroupBox(QStringLiteral("Players In Current Game"), this);
    auto* currentLayout = new QVBoxLayout(current);
    checklist = new QListWidget(current);
    checklist->setObjectName(QStringLiteral("checklist"));
    checklist->setAccessibleName(current->title());
    currentLayout->addWidget(checklist);
    lists->addWidget(current);
    layout->addLayout(lists);

    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(QStringLiteral("Reset Tally"), this);
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(done);
    layout->addLayout(buttons);
    connect(reset, &QPushButton::clicked, this, &Ttallylist::button_resetClick);
    connect(done, &QPushButton::clicked, this, &QWidget::close);

    connect(checklist, &QListWidget::itemChanged, this, &Ttallylist::checklistClickCheck);
    connect(listbox_tally, &QListWidget::itemChanged, this, &Ttallylist::listbox_tallyClickCheck);
    connect(listbox_tally, &QListWidget::currentRowChanged, this, [this](int index) {
        if (index >= 0) {
            showOpponent(index + 1);
        }
    });
    confirm = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral("Hearts"), question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    message = [this](const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Hearts"), text,
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
}

void Ttallylist::loadFile(const QString& path) {
    m_path = path;
    m_table.reset();
    if (QFile::exists(path)) {
        QTemporaryDir work;
        Tlzrw1 doit;
        doit.InputFile = path;
        doit.OutputFile = work.filePath(QStringLiteral("tally.txt"));
        bool readable = false;
        try {
            doit.Decompress();
            QFile text(doit.OutputFile);
            readable = text.open(QIODevice::ReadOnly) && m_table.fromText(text.readAll());
        } catch (const ELzrw1Exception&) {
            readable = false;
        }
        if (!readable) {
            // Kept aside for the user; this run starts from an empty record.
            const QString aside = path + QStringLiteral(".bad");
            QFile::remove(aside);
            QFile::rename(path, aside);
            m_table.reset();
            message(QStringLiteral("The tally file could not be read. It was kept as %1 and the "
                                   "tally starts again from zero.")
                        .arg(aside));
        }
    }
    m_table.startSession();
    loadtally();
}

bool Ttallylist::save(QString* error) {
    if (m_path.isEmpty()) {
        return true;
    }
    // The text form goes through a private folder, never the current one.
    QTemporaryDir work;
    const QString text = work.filePath(QStringLiteral("tally.txt"));
    QString reason;
    if (!work.isValid() || !SaveFile::save(text, m_table.toText(), &reason)) {
        if (error != nullptr) {
            *error = reason.isEmpty() ? work.errorString() : reason;
        }
        return false;
    }
    Tlzrw1 doit;
    doit.InputFile = text;
    doit.OutputFile = m_path;
    try {
        doit.Compress();
    } catch (const ELzrw1Exception& e) {
        if (error != nullptr) {
            *error = QString::fromLocal8Bit(e.what());
        }
        return false;
    }
    return true;
}

void Ttallylist::loadtally() {
    for (int n = 1; n <= 4; ++n) {
        mylabel[static_cast<std::size_t>(n)]->setText(m_table.cell(n, 0));
    }
    const QSignalBlocker block(listbox_tally);
    listbox_tally->clear();
    for (const QString& name : m_table.names()) {
        auto* item = new QListWidgetItem(name, listbox_tally);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

void Ttallylist::loadchecklist(const QStringList& players) {
    const QSignalBlocker block(checklist);
    checklist->clear();
    const QStringList tallied = m_table.names();
    for (const QString& name : players) {
        auto* item = new QListWidgetItem(name, checklist);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(tallied.contains(name) ? Qt::Checked : Qt::Unchecked);
    }
}

void Ttallylist::addgame(const QString& winner) {
    QStringList players;
    for (int i = 0; i < checklist->count(); ++i) {
        players.append(checklist->item(i)->text());
    }
    m_table.addgame(players, winner);
    mylabel[1]->setText(m_table.cell(1, 0));
    mylabel[2]->setText(m_table.cell(2, 0));
    refreshSelected();
}

void Ttallylist::refreshSelected() {
    if (listbox_tally->currentRow() >= 0) {
        showOpponent(listbox_tally->currentRow() + 1);
    }
}

void Ttallylist::showOpponent(int row) {
    if (row < 1 || row >= m_table.rowCount()) {
        return;
    }
    for (int n = 1; n <= 8; ++n) {
        label[static_cast<std::size_t>(n)]->setText(m_table.cell(n, row));
    }
    const QString name = m_table.cell(0, row);
    label_hisname->setText(name + QStringLiteral(" Wins:"));
    label_hisnametop->setText(name + QStringLiteral("'s Tally"));
}

void Ttallylist::checklistClickCheck(QListWidgetItem* item) {
    const QString name = item->text();
    if (m_table.rowOf(name) >= 0) {
        return;
    }
    m_table.addOpponent(name);
    const QSignalBlocker block(listbox_tally);
    auto* entry = new QListWidgetItem(name, listbox_tally);
    entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
    entry->setCheckState(Qt::Checked);
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem* item) {
    if (item->checkState() == Qt::Checked) {
        return;
    }
    const int row = listbox_tally->row(item) + 1;
    const QString name = item->text();
    if (confirm(QStringLiteral("This will delete ") + name +
                QStringLiteral("'s Tally, Are you want to delete it?"))) {
        m_table.moverow(row);
        delete listbox_tally->takeItem(row - 1);
    } else {
        const QSignalBlocker block(listbox_tally);
        item->setCheckState(Qt::Checked);
    }
}

void Ttallylist::button_resetClick() {
    if (!confirm(QStringLiteral("Are you sure you want to reset the Tally?"))) {
        return;
    }
    m_table.reset();
    for (int n = 1; n <= 4; ++n) {
        mylabel[static_cast<std::size_t>(n)]->setText(QStringLiteral("0"));
    }
    listbox_tally->clear();
    for (int n = 1; n <= 8; ++n) {
        label[static_cast<std::size_t>(n)]->setText(QStringLiteral("0"));
    }
}
