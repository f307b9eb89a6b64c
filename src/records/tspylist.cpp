#include "tspylist.h"

#include "cardpictures.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

Tspylist::Tspylist(QWidget* parent) : SideWindow(QStringLiteral("Hearts - Spys"), parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    useTableBackground();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Spy List"), this));
    listbox_spys = new QListWidget(this);
    listbox_spys->setObjectName(QStringLiteral("listbox_spys"));
    listbox_spys->setAccessibleName(QStringLiteral("Watchers"));
    listbox_spys->setMouseTracking(true);
    listbox_spys->viewport()->installEventFilter(this);
    layout->addWidget(listbox_spys);
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    connect(done, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(done);
    popup_kickhim = popup.addAction(QStringLiteral("Remove From Game"));
    popup_kickhim->setEnabled(false);
    connect(popup_kickhim, &QAction::triggered, this, &Tspylist::popup_kickhimClick);
}

void Tspylist::setWatchers(const QStringList& entries) {
    listbox_spys->clear();
    listbox_spys->addItems(entries);
}

bool Tspylist::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listbox_spys->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            const QListWidgetItem* item = listbox_spys->itemAt(move->position().toPoint());
            m_tag = item != nullptr ? listbox_spys->row(item) : -1;
        } else if (event->type() == QEvent::ContextMenu) {
            const auto* menu = static_cast<QContextMenuEvent*>(event);
            const QListWidgetItem* item = listbox_spys->itemAt(menu->pos());
            m_tag = item != nullptr ? listbox_spys->row(item) : -1;
            popup.popup(menu->globalPos());
            return true;
        }
    }
    return SideWindow::eventFilter(watched, event);
}

void Tspylist::popup_kickhimClick() {
    if (m_tag < 0 || m_tag >= listbox_spys->count()) {
        return;
    }
    const QString entry = listbox_spys->item(m_tag)->text();
    bool ok = false;
    const int number = entry.left(entry.indexOf(QLatin1Char(':'))).toInt(&ok);
    if (ok) {
        kicking(number);
    }
}
