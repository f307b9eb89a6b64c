// Every control a player can reach, in the main window and each window it
// opens, has a name a screen reader says; the switch of the first trick is
// a check box, not an image.
#include "carddeckdialog.h"
#include "clienttable.h"
#include "gamesummarywindow.h"
#include "lasttrickwindow.h"
#include "scoresheetwindow.h"
#include "tablewindows.h"
#include "tabout.h"
#include "tchat.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "tspylist.h"
#include "ttallylist.h"

#include "serverprocess.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

bool isControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
           widget->focusPolicy() != Qt::NoFocus;
}

// The controls without a spoken name, as "window: class objectName".
QStringList nameless(QWidget* window) {
    QStringList found;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* widget : all) {
        // A spin box's or combo box's own line edit speaks for its box;
        // item views' inner parts are the view's.
        if (!isControl(widget) || qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
            qobject_cast<QComboBox*>(widget->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(widget->parentWidget()) ||
            widget->inherits("QScrollBar") || widget->inherits("QMenu") ||
            widget->window() != window || !widget->isVisibleTo(window) ||
            widget->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
        if (spoken == nullptr || spoken->text(QAccessible::Name).trimmed().isEmpty()) {
            found << window->windowTitle() + QStringLiteral(": ") +
                         QString::fromLatin1(widget->metaObject()->className()) +
                         QStringLiteral(" ") + widget->objectName();
        }
    }
    return found;
}

} // namespace

TEST(AccessibleNames, EveryControlOfEveryWindowHasOne) {
    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    Tchat::Windows windows = chat.makeSideWindows();
    chat.attach(windows);
    chat.setChatShown(true);
    chat.show();
    HostWindow host;
    JoinWindow join({freePort(), 6000}, 7772);
    CardDeckDialog decks(QString(), nullptr, {});
    const std::vector<QWidget*> all = {&chat,
                                       windows.download,
                                       windows.tallylist,
                                       windows.about,
                                       windows.gamestart,
                                       windows.help,
                                       windows.phrases,
                                       windows.spylist,
                                       &host,
                                       &join,
                                       &decks,
                                       chat.table().lastTrickWindow(),
                                       chat.table().scoreSheetWindow(),
                                       chat.table().gameSummaryWindow()};
    QStringList missing;
    for (QWidget* window : all) {
        window->show();
        missing << nameless(window);
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral("\n")).toStdString();
}

TEST(AccessibleNames, TheFirstTrickSwitchIsACheckBox) {
    Tgamestart start;
    start.show();
    QAccessibleInterface* safe = QAccessible::queryAccessibleInterface(start.image_safe);
    ASSERT_NE(safe, nullptr);
    EXPECT_EQ(safe->role(), QAccessible::CheckBox);
    EXPECT_EQ(safe->text(QAccessible::Name), QStringLiteral("Safe 1st Trick"));
    EXPECT_FALSE(safe->state().checked);
    start.changebox(1);
    EXPECT_TRUE(safe->state().checked);
}
