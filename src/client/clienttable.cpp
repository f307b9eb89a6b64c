#include "clienttable.h"

ClientTable::ClientTable(ClientConnection& connection, Board& board, QObject* parent)
    : QObject(parent), m_context(connection, board), m_hand(m_context), m_seats(m_context, m_hand),
      m_progress(m_context, m_hand, m_seats) {
    auto route = [&connection](const char* word, auto* view, auto method) {
        connection.addRoute(
            word, [view, method](const std::string& payload) { (view->*method)(payload); });
    };
    route("CMD_newplayerinfo", &m_seats, &SeatsView::newplayerinfo);
    route("CMD_existingplayers", &m_seats, &SeatsView::newplayerinfo);
    route("CMD_playerdisconnected", &m_seats, &SeatsView::playerdisconnected);
    route("CMD_startgame", &m_progress, &ProgressView::startthegame);
    route("CMD_nextplayer", &m_progress, &ProgressView::getnextplayer);
    route("CMD_winner", &m_progress, &ProgressView::winner);
    route("CMD_justwatching", &m_seats, &SeatsView::justwatching);
    route("CMD_mycards", &m_hand, &HandView::mycards);
    route("CMD_startround", &m_progress, &ProgressView::startround);
    route("CMD_passcards", &m_hand, &HandView::passcards);
    route("CMD_passedcards", &m_hand, &HandView::passedcards);
    route("CMD_error", &m_progress, &ProgressView::error);
    route("CMD_heplayed", &m_progress, &ProgressView::heplayed);
    route("CMD_heusecard", &m_hand, &HandView::heusecard);
    route("CMD_tooktrick", &m_progress, &ProgressView::tooktrick);
    route("CMD_endround", &m_progress, &ProgressView::endround);
    route("CMD_gamestats", &m_progress, &ProgressView::gamestats);
}
