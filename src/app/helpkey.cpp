#include "helpkey.h"

#include "carddeckdialog.h"
#include "gamesummarywindow.h"
#include "helppages.h"
#include "lasttrickwindow.h"
#include "scoresheetwindow.h"
#include "tablewindows.h"
#include "tabout.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "tspylist.h"
#include "ttallylist.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

HelpKey::HelpKey(QWidget* mainWindow, std::function<void(int topic)> show)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_show(std::move(show)) {
    qApp->installEventFilter(this);
}

int HelpKey::topicOf(const QWidget* window) {
    using namespace helptopic;
    if (window == nullptr) {
        return kGamePlay;
    }
    window = window->window();
    const struct {
        bool matches;
        int topic;
    } topics[] = {
        {qobject_cast<const JoinWindow*>(window) != nullptr, kConnecting},
        {qobject_cast<const HostWindow*>(window) != nullptr, kConnecting},
        {window->objectName() == QLatin1String("connectfailed"), kConnecting},
        {qobject_cast<const Tspylist*>(window) != nullptr, kConnecting},
        {qobject_cast<const Tphrases*>(window) != nullptr, kConnecting},
        {qobject_cast<const Tgamestart*>(window) != nullptr, kGamePlay},
        {qobject_cast<const LastTrickWindow*>(window) != nullptr, kGamePlay},
        {qobject_cast<const ScoreSheetWindow*>(window) != nullptr, kScoring},
        {qobject_cast<const GameSummaryWindow*>(window) != nullptr, kScoring},
        {qobject_cast<const Ttallylist*>(window) != nullptr, kScoring},
        {qobject_cast<const CardDeckDialog*>(window) != nullptr, kOverview},
        {qobject_cast<const Tdownload*>(window) != nullptr, kLobby},
        {qobject_cast<const Tabout*>(window) != nullptr, kDocumentation},
    };
    for (const auto& entry : topics) {
        if (entry.matches) {
            return entry.topic;
        }
    }
    // The table, and what else there is.
    return kGamePlay;
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType()) {
        return false;
    }
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    // The main window's F1 is its menu item; the help window has its pages.
    if (window == m_mainWindow || qobject_cast<const Thelp*>(window) != nullptr) {
        return false;
    }
    m_show(topicOf(window));
    return true;
}
