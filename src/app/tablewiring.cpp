#include "tablewiring.h"

#include "chatpanel.h"
#include "clientconnection.h"
#include "sounds.h"
#include "tallytable.h"
#include "tchat.h"
#include "tspylist.h"
#include "ttallylist.h"

TableWiring::TableWiring(Tchat& window, ClientConnection& connection, ChatPanel& chat,
                         Sounds& sounds)
    : QObject(&window), m_window(window), m_chat(chat), m_sounds(sounds) {
    auto chatLine = [this](const protocol::Message& message) {
        m_chat.chatrecieved(message.number(0), message.text(0));
    };
    connection.addRoute(protocol::Command::Chat, chatLine);
    connection.addRoute(protocol::Command::Action, chatLine);
    connection.addRoute(protocol::Command::Playasound, [this](const protocol::Message& message) {
        m_chat.playasound(message.number(0), message.text(0));
    });
}

void TableWiring::statusLine(const std::string& line) {
    m_window.statusLine(QString::fromStdString(line));
}

void TableWiring::sound(Cue cue) {
    m_sounds.playsounds(QString::fromLatin1(recordingOf(cue)));
}

void TableWiring::messageBox(const std::string& text) {
    m_window.showMessage(QString::fromStdString(text));
}

void TableWiring::ownArrival() {
    m_window.ownArrival();
}

void TableWiring::watchersChanged() {
    if (Tspylist* spies = m_window.windows().spylist) {
        QStringList watchers;
        for (const std::string& entry : m_window.state().watchers()) {
            watchers.append(QString::fromStdString(entry));
        }
        spies->setWatchers(watchers);
    }
}

void TableWiring::startDialogRequested() {
    m_window.showGameStart();
}

void TableWiring::gameRecorded(const GameResult& result) {
    Ttallylist* tally = m_window.windows().tallylist;
    if (tally == nullptr) {
        return;
    }
    m_window.loadchecklist();
    tally->addgame(result.mine ? QString::fromLatin1(TallyTable::kMine)
                               : QString::fromStdString(result.winner));
    // Kept at once, so that a game counted is never lost.
    QString error;
    if (!tally->save(&error)) {
        m_window.statusLine(QStringLiteral("The tally could not be saved (%1). The tally file is "
                                           "as it was before this game.")
                                .arg(error));
    }
}

void TableWiring::tableFull() {
    m_window.showGameFull();
}

void TableWiring::gameOver() {
    m_window.showGameSummary();
}
