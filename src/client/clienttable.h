#pragma once

#include "handview.h"
#include "progressview.h"
#include "seatsview.h"
#include "tablecontext.h"

#include <QObject>

// The client's table: the views of seats, hand and progress over one board,
// each host message routed to its handler.
class ClientTable : public QObject {
    Q_OBJECT
public:
    ClientTable(ClientConnection& connection, Board& board, QObject* parent = nullptr);

    TableContext& context() { return m_context; }
    HandView& hand() { return m_hand; }
    SeatsView& seats() { return m_seats; }
    ProgressView& progress() { return m_progress; }

private:
    TableContext m_context;
    HandView m_hand;
    SeatsView m_seats;
    ProgressView m_progress;
};
