#pragma once

#include "tablestate.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

// The table model's events, written down for a test to read: the lines it
// sent and said, its cues (by recording, in lower case), boxes, finished
// games ("mine" or the winner), what a screen reader was told, and how
// often the other moments came.
struct RecordedEvents : TableEvents {
    void send(const std::string& line) override { sent.push_back(line); }
    void statusLine(const std::string& line) override { statusLines.push_back(line); }
    void sound(Cue cue) override {
        std::string name = recordingOf(cue);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        cues.push_back(name);
    }
    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void changed() override {
        if (onChange) {
            onChange();
        }
    }
    void watchersChanged() override { ++watcherChanges; }
    void startDialogRequested() override { ++startRequests; }
    void gameRecorded(const GameResult& result) override {
        recorded.push_back(result.mine ? "mine" : result.winner);
    }
    void tableFull() override { ++fullTables; }
    void announce(const std::string& text) override { announced.push_back(text); }

    std::vector<std::string> sent;
    std::vector<std::string> statusLines;
    std::vector<std::string> cues;
    std::vector<std::string> boxes;
    std::vector<std::string> recorded;
    std::vector<std::string> announced;
    int watcherChanges = 0;
    int startRequests = 0;
    int fullTables = 0;
    std::function<void()> onChange;
};
