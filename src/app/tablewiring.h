#pragma once

#include "tablestate.h"

#include <QObject>

class ChatPanel;
class ClientConnection;
class Sounds;
class Tchat;

// What the table's model tells the program, carried out: its lines into
// the chat, its cues into sounds, its boxes, the watchers into the watcher
// list, a finished game into the tally, the start dialog, the settings at
// the own arrival, a full table. The host's chat lines and chatter sounds
// go from the connection to the chat here too.
class TableWiring : public QObject, public TableEvents {
    Q_OBJECT
public:
    TableWiring(Tchat& window, ClientConnection& connection, ChatPanel& chat, Sounds& sounds);

    void statusLine(const std::string& line) override;
    void sound(Cue cue) override;
    void messageBox(const std::string& text) override;
    void ownArrival() override;
    void watchersChanged() override;
    void startDialogRequested() override;
    void gameRecorded(const GameResult& result) override;
    void tableFull() override;
    void gameOver() override;

private:
    Tchat& m_window;
    ChatPanel& m_chat;
    Sounds& m_sounds;
};
