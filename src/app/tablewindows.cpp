#include "tablewindows.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* nameField(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    // Names travel as the last field of a message: at most 32 characters.
    edit->setMaxLength(32);
    return edit;
}

} // namespace

HostWindow::HostWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("hostwindow"));
    setWindowTitle(QStringLiteral("Host a Table"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    nameEdit = nameField(this);
    tableEdit = nameField(this);
    form->addRow(QStringLiteral("&Your name:"), nameEdit);
    form->addRow(QStringLiteral("&Table name:"), tableEdit);
    layout->addLayout(form);
    announceBox = new QCheckBox(QStringLiteral("&Announce the table on the local network"), this);
    announceBox->setChecked(true);
    layout->addWidget(announceBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    hostButton = buttons->addButton(QStringLiteral("&Host"), QDialogButtonBox::AcceptRole);
    hostButton->setDefault(true);
    layout->addWidget(buttons);
    connect(nameEdit, &QLineEdit::textChanged, this, &HostWindow::defaultTableName);
    connect(tableEdit, &QLineEdit::textEdited, this, [this] { m_tableNameTyped = true; });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const QString name = nameEdit->text().trimmed();
        if (name.isEmpty()) {
            nameEdit->setFocus();
            return;
        }
        const QString table = tableEdit->text().trimmed();
        emit hostRequested(name, table.isEmpty() ? name + QStringLiteral("'s table") : table,
                           announceBox->isChecked());
        accept();
    });
}

void HostWindow::setPlayerName(const QString& name) {
    nameEdit->setText(name);
}

void HostWindow::setAnnounce(bool on) {
    announceBox->setChecked(on);
}

void HostWindow::defaultTableName() {
    if (!m_tableNameTyped) {
        const QString name = nameEdit->text().trimmed();
        tableEdit->setText(name.isEmpty() ? QString() : name + QStringLiteral("'s table"));
    }
}

JoinWindow::JoinWindow(TableFinder::Options finderOptions, quint16 defaultPort, QWidget* parent)
    : QDialog(parent), m_finder(finderOptions), m_defaultPort(defaultPort) {
    setObjectName(QStringLiteral("joinwindow"));
    setWindowTitle(QStringLiteral("Join a Table"));
    resize(520, 380);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    nameEdit = nameField(this);
    form->addRow(QStringLiteral("&Your name:"), nameEdit);
    layout->addLayout(form);
    auto* heading = new QLabel(QStringLiteral("&Tables on the local network:"), this);
    layout->addWidget(heading);
    tableList = new QListWidget(this);
    tableList->setAccessibleName(QStringLiteral("Tables on the local network"));
    heading->setBuddy(tableList);
    layout->addWidget(tableList, 1);
    note = new QLabel(QStringLiteral("Looking for tables…"), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* addressForm = new QFormLayout;
    addressEdit = new QLineEdit(this);
    addressEdit->setPlaceholderText(QStringLiteral("address or address:port"));
    addressForm->addRow(QStringLiteral("Or an &address:"), addressEdit);
    layout->addLayout(addressForm);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    joinButton = buttons->addButton(QStringLiteral("&Join"), QDialogButtonBox::AcceptRole);
    joinButton->setDefault(true);
    layout->addWidget(buttons);

    // A burst of datagrams fills the list once.
    m_refill.setSingleShot(true);
    m_refill.setInterval(200);
    connect(&m_refill, &QTimer::timeout, this, &JoinWindow::fillList);
    connect(&m_finder, &TableFinder::changed, this, [this] {
        if (!m_refill.isActive()) {
            m_refill.start();
        }
    });
    connect(tableList, &QListWidget::itemDoubleClicked, this, &JoinWindow::join);
    connect(tableList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            addressEdit->clear();
        }
    });
    connect(addressEdit, &QLineEdit::textEdited, this, [this] { tableList->setCurrentRow(-1); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinWindow::join);
}

void JoinWindow::setPlayerName(const QString& name) {
    nameEdit->setText(name);
}

void JoinWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_listening) {
        QString error;
        m_listening = m_finder.start(&error);
        if (!m_listening) {
            note->setText(QStringLiteral("Tables on the local network cannot be listed here (%1). "
                                         "Type the host's address below.")
                              .arg(error));
        }
    }
    fillList();
}

void JoinWindow::fillList() {
    const QString chosen = tableList->currentItem() != nullptr
                               ? tableList->currentItem()->data(Qt::UserRole).toString()
                               : QString();
    tableList->clear();
    for (const TableFinder::Found& found : m_finder.tables()) {
        const announcement::Table& t = found.table;
        const QString where = found.address.toString() + QLatin1Char(':') + QString::number(t.port);
        // Where it is stands in the line: two tables of one name are told
        // apart by it.
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 — hosted by %2 — %3 of 4 seated, %4 watching, %5 — at %6")
                .arg(QString::fromStdString(t.table),
                     t.host.empty() ? QStringLiteral("nobody yet") : QString::fromStdString(t.host))
                .arg(t.people)
                .arg(t.watchers)
                .arg(t.inGame ? QStringLiteral("in a game") : QStringLiteral("waiting"), where),
            tableList);
        item->setData(Qt::UserRole, where);
        item->setToolTip(where);
        if (where == chosen) {
            tableList->setCurrentItem(item);
        }
    }
    if (m_listening) {
        note->setText(
            tableList->count() == 0
                ? QStringLiteral("No table heard yet. Tables announce themselves every "
                                 "two seconds; one beyond this network needs its address.")
                : QStringLiteral("Choose a table, or type an address below."));
    }
}

void JoinWindow::join() {
    const QString name = nameEdit->text().trimmed();
    if (name.isEmpty()) {
        nameEdit->setFocus();
        return;
    }
    QString where = addressEdit->text().trimmed();
    if (where.isEmpty() && tableList->currentItem() != nullptr) {
        where = tableList->currentItem()->data(Qt::UserRole).toString();
    }
    if (where.isEmpty()) {
        addressEdit->setFocus();
        return;
    }
    // "host:port", or a host alone for the table port.
    QString address = where;
    quint16 port = m_defaultPort;
    const qsizetype colon = where.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && where.count(QLatin1Char(':')) == 1) {
        bool ok = false;
        const int given = where.mid(colon + 1).toInt(&ok);
        if (!ok || given < 1 || given > 65535) {
            addressEdit->setFocus();
            return;
        }
        address = where.left(colon);
        port = static_cast<quint16>(given);
    }
    emit joinRequested(name, address, port);
    accept();
}
