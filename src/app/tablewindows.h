#pragma once

#include "tablediscovery.h"

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// File > "Host a Table…": the player's name and the table's name, which
// follows the player's until it is typed, and the invitation to send to
// friends (Copy Invitation).
class HostWindow : public QDialog {
    Q_OBJECT
public:
    explicit HostWindow(QWidget* parent = nullptr);
    void setPlayerName(const QString& name);
    void setAnnounce(bool on);
    void setOpenRouter(bool on);
    // The table is hosted: the window stays, with the invitation to copy
    // and what the router said.
    void showHosting();
    // Back to the form, for another table.
    void showForm();
    void showRouter(const QString& sentence, const QString& publicAddress);
    // Where friends will find the table: the invitation follows the
    // table's name.
    // (`routerAddress`: the router's outside address, which it forwards.)
    void setTableAddress(const QString& host, quint16 port, bool routerAddress = false);
    // The invitation link as it stands, and the plain address.
    QString invitationLink() const;
    QString plainAddress() const;

    QLineEdit* nameEdit = nullptr;
    QLineEdit* tableEdit = nullptr;
    QCheckBox* announceBox = nullptr;
    QCheckBox* routerBox = nullptr;
    QLabel* routerLabel = nullptr;
    QPushButton* hostButton = nullptr;
    QLineEdit* invitationEdit = nullptr;
    QLabel* addressLabel = nullptr;
    QPushButton* copyButton = nullptr;

signals:
    void hostRequested(const QString& playerName, const QString& tableName, bool announce,
                       bool openRouter);

private:
    void defaultTableName();
    void showInvitation();
    // The form open to changes (before hosting) or closed (while hosting).
    void setFormOpen(bool open);
    bool m_tableNameTyped = false;
    QString m_host;
    quint16 m_port = 0;
    bool m_public = false;
};

// File > "Join a Table…": the player's name, the tables heard on the local
// network, and an address for a table beyond it.
class JoinWindow : public QDialog {
    Q_OBJECT
public:
    JoinWindow(TableFinder::Options finderOptions, quint16 defaultPort, QWidget* parent = nullptr);
    void setPlayerName(const QString& name);
    // Fills the address from an invitation link and asks for the name;
    // a link that cannot be used is said in the note, and false answered.
    bool showInvitation(const QString& link);

    QLineEdit* nameEdit = nullptr;
    QListWidget* tableList = nullptr;
    QLineEdit* addressEdit = nullptr;
    QLabel* note = nullptr;
    QPushButton* joinButton = nullptr;
    TableFinder& finder() { return m_finder; }

signals:
    void joinRequested(const QString& playerName, const QString& address, quint16 port);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();
    void join();

    TableFinder m_finder;
    QTimer m_refill;
    quint16 m_defaultPort;
    bool m_listening = false;
};
