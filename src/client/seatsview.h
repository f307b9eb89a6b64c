#pragma once

#include "tablecontext.h"

#include <QMenu>
#include <QObject>

#include <string>

class HandView;

// The four seats around the own one: arrivals, departures, watchers, just
// watching, the host's seat popup, and clearing the table.
class SeatsView : public QObject {
    Q_OBJECT
public:
    SeatsView(TableContext& context, HandView& hand, QObject* parent = nullptr);

    void newplayerinfo(const std::string& payload);
    void playerdisconnected(const std::string& payload);
    void justwatching(const std::string& payload);
    void clearall();
    void JustWatch1Click();
    // Removes a connection from the table (host only).
    void kickConnection(int number);

    // Sets the popup's items for the name label at a display position and
    // remembers the position as the target; answers the popup.
    QMenu* preparePopup(int position);
    QMenu* popup_kick() { return &m_popup; }
    QAction* RemoveFromGame1 = nullptr;
    QAction* SettoJustWatch1 = nullptr;
    QAction* UnsetJustWatch1 = nullptr;

signals:
    // The own arrival: the mapping is fixed and the settings may be applied.
    void ownArrival();
    void watchersChanged();

private:
    void kicking();
    void sendJustWatch(const char* mode);

    TableContext& m_context;
    HandView& m_hand;
    QMenu m_popup;
    int m_target = 0;
};
