#pragma once

#include "sidewindow.h"

#include <QListWidget>
#include <QMenu>

#include <functional>

// The watchers at the table ("spys"); the host may remove one.
class Tspylist : public SideWindow {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr);

    void setWatchers(const QStringList& entries);
    // Sets the entry under the mouse pointer, -1 over empty space.
    void setEntryUnderPointer(int index) { m_tag = index; }
    void popup_kickhimClick();

    QListWidget* listbox_spys = nullptr;
    QMenu popup;
    QAction* popup_kickhim = nullptr;
    // The main window's kicking operation, with a connection number.
    std::function<void(int)> kicking = [](int) {};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_tag = -1;
};
