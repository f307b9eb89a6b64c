#pragma once

#include "board.h"
#include "handcard.h"
#include "recordedevents.h"
#include "tablestate.h"

#include "cardtext.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// The table drawn from its model in a real window (offscreen), fed host
// lines by hand.
class BoardView : public ::testing::Test {
protected:
    void SetUp() override {
        state.setPlayerName("Me");
        events.onChange = [this] { board->refresh(); };
        state.setEvents(&events);
        board = new Board(state, &window);
        window.resize(1600, 1000);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
    }

    void host(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            state.apply(line);
        }
    }
    // My seat 1 with these cards in slots 1..13.
    void deal(const std::string& cardsInSlots) {
        host({"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_startgame+Me+100+0+",
              "CMD_startround+1+"});
        std::string message = "CMD_mycards+1";
        const auto dealt = ::hand(cardsInSlots);
        for (std::size_t i = 0; i < dealt.size(); ++i) {
            message += "+" + std::to_string(i + 1) + "+" + std::to_string(dealt[i]);
        }
        host({message});
        sent.clear();
    }
    HandCard* cardAtPlace(int place) {
        return board->cardInSlot(state.hand().places[static_cast<std::size_t>(place)]);
    }
    // Presses keys on whatever has the keyboard focus.
    void keys(std::initializer_list<Qt::Key> pressed) {
        for (Qt::Key key : pressed) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QTest::keyClick(target, key);
        }
    }

    RecordedEvents events;
    TableState state;
    QWidget window;
    Board* board = nullptr;
    std::vector<std::string>& sent = events.sent;
};
