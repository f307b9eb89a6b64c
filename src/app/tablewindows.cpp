#include "tablewindows.h"

#include "invitation.h"
#include "launcher.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
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
    // Room for an invitation link and the router's words.
    setMinimumWidth(560);
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
    routerBox = new QCheckBox(
        QStringLiteral("&Open my router for friends elsewhere (UPnP, NAT-PMP)"), this);
    routerBox->setToolTip(QStringLiteral("Asks your home router to forward the table's port to "
                                         "this computer while the table runs; nothing is asked "
                                         "without this."));
    layout->addWidget(routerBox);
    routerLabel = new QLabel(this);
    routerLabel->setObjectName(QStringLiteral("label_router"));
    routerLabel->setWordWrap(true);
    routerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    routerLabel->hide();
    layout->addWidget(routerLabel);
    auto* invitation = new QFormLayout;
    invitationEdit = new QLineEdit(this);
    invitationEdit->setObjectName(QStringLiteral("edit_invitation"));
    invitationEdit->setReadOnly(true);
    invitationEdit->setAccessibleName(QStringLiteral("Invitation link"));
    invitation->addRow(QStringLiteral("Invitation:"), invitationEdit);
    addressLabel = new QLabel(this);
    addressLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addressLabel->setWordWrap(true);
    invitation->addRow(QStringLiteral("Address:"), addressLabel);
    layout->addLayout(invitation);
    copyButton = new QPushButton(QStringLiteral("&Copy Invitation"), this);
    copyButton->setToolTip(QStringLiteral("Copies the invitation link; a friend who clicks it "
                                          "joins this table."));
    layout->addWidget(copyButton, 0, Qt::AlignLeft);
    connect(copyButton, &QPushButton::clicked, this, [this] {
        QGuiApplication::clipboard()->setText(invitationLink());
        addressLabel->setText(plainAddress() + QStringLiteral(" \u2014 the invitation is copied."));
    });
    connect(tableEdit, &QLineEdit::textChanged, this, &HostWindow::showInvitation);
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
                           announceBox->isChecked(), routerBox->isChecked());
        showHosting();
    });
}

void HostWindow::setPlayerName(const QString& name) {
    nameEdit->setText(name);
}

void HostWindow::setTableAddress(const QString& host, quint16 port, bool routerAddress) {
    m_host = host;
    m_port = port;
    m_public = routerAddress;
    showInvitation();
}

QString HostWindow::invitationLink() const {
    if (m_host.isEmpty()) {
        return QString();
    }
    QString table = tableEdit->text().trimmed();
    if (table.isEmpty()) {
        table = nameEdit->text().trimmed() + QStringLiteral("'s table");
    }
    return QString::fromStdString(
        invitation::linkTo({m_host.toStdString(), m_port, table.toStdString()}));
}

QString HostWindow::plainAddress() const {
    return m_host.isEmpty() ? QString()
                            : QString::fromStdString(invitation::hostAndPort(
                                  {m_host.toStdString(), m_port, std::string()}));
}

void HostWindow::showInvitation() {
    invitationEdit->setText(invitationLink());
    invitationEdit->setCursorPosition(0);
    copyButton->setEnabled(!m_host.isEmpty());
    if (m_host.isEmpty()) {
        addressLabel->setText(
            QStringLiteral("This computer has no network address friends could reach."));
    } else if (m_public) {
        addressLabel->setText(plainAddress() +
                              QStringLiteral(" \u2014 the router's address: friends anywhere "
                                             "join here."));
    } else {
        addressLabel->setText(plainAddress() +
                              QStringLiteral(" \u2014 friends on this network join here; from "
                                             "elsewhere, the router must forward TCP port %1 "
                                             "to this computer.")
                                  .arg(m_port));
    }
    adjustSize();
}

void HostWindow::setAnnounce(bool on) {
    announceBox->setChecked(on);
}

void HostWindow::setOpenRouter(bool on) {
    routerBox->setChecked(on);
}

void HostWindow::setFormOpen(bool open) {
    for (QWidget* field : {static_cast<QWidget*>(nameEdit), static_cast<QWidget*>(tableEdit),
                           static_cast<QWidget*>(announceBox), static_cast<QWidget*>(routerBox)}) {
        field->setEnabled(open);
    }
    hostButton->setVisible(open);
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        buttons->button(QDialogButtonBox::Cancel)
            ->setText(open ? QStringLiteral("Cancel") : QStringLiteral("Close"));
    }
}

void HostWindow::showHosting() {
    setFormOpen(false);
    routerLabel->setVisible(routerBox->isChecked());
    routerLabel->setText(QStringLiteral("Asking the router to open TCP port %1\u2026").arg(m_port));
    copyButton->setFocus();
}

void HostWindow::showForm() {
    setFormOpen(true);
    routerLabel->hide();
}

void HostWindow::showRouter(const QString& sentence, const QString& publicAddress) {
    routerLabel->show();
    QString text = sentence;
    const QString ipv6 = Launcher::globalIpv6Address();
    if (!ipv6.isEmpty()) {
        text += QStringLiteral(" This computer also has the IPv6 address %1, which friends with "
                               "IPv6 reach without the router.")
                    .arg(ipv6);
    }
    routerLabel->setText(text);
    if (!publicAddress.isEmpty()) {
        setTableAddress(publicAddress, m_port, true);
    }
    adjustSize();
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

bool JoinWindow::showInvitation(const QString& link) {
    const invitation::Reading reading = invitation::readLink(link.toStdString(), m_defaultPort);
    if (!reading.address) {
        note->setText(QStringLiteral("This invitation cannot be used: %1")
                          .arg(QString::fromStdString(reading.problem)));
        return false;
    }
    tableList->setCurrentRow(-1);
    addressEdit->setText(QString::fromStdString(invitation::hostAndPort(*reading.address)));
    note->setText(
        reading.address->table.empty()
            ? QStringLiteral("You are invited to a table. Type your name and join.")
            : QStringLiteral("You are invited to \u201C%1\u201D. Type your name and join.")
                  .arg(QString::fromStdString(reading.address->table)));
    nameEdit->setFocus();
    nameEdit->selectAll();
    return true;
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
        const QString where = QString::fromStdString(invitation::hostAndPort(
            {found.address.toString().toStdString(), static_cast<int>(t.port), std::string()}));
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
    // "host:port", a host alone for the table port, IPv6 in brackets, or an
    // invitation link pasted here.
    const invitation::Reading reading = invitation::readAddress(where.toStdString(), m_defaultPort);
    if (!reading.address) {
        note->setText(QString::fromStdString(reading.problem));
        addressEdit->setFocus();
        return;
    }
    const QString address = QString::fromStdString(reading.address->host);
    const auto port = static_cast<quint16>(reading.address->port);
    emit joinRequested(name, address, port);
    accept();
}
