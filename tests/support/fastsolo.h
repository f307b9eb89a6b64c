#pragma once

#include "launcher.h"
#include "serverprocess.h"
#include "tchat.h"
#include "tgamestart.h"
#include "tserver.h"
#include "ttallylist.h"

// Gives a main window the windows of a solo game as main() does, with a
// host whose computer players and pauses are fast, on free ports.
inline void attachFastSolo(Tchat& chat, Tchat::Windows& windows) {
    TServer::Options fast;
    fast.socktimerMs = 1;
    fast.pauseMs = 5;
    windows.server = new TServer(fast, &chat);
    windows.server->botSpeed = [] { return 5; };
    windows.gamestart = new Tgamestart(&chat);
    windows.tallylist = new Ttallylist(&chat);
    chat.attach(windows);
    Launcher::Ports ports;
    ports.table = freePort();
    ports.lobby = freePort();
    chat.launcher().setPorts(ports);
}
