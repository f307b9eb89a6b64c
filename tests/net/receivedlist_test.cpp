#include "receivedlist.h"

#include "wait.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ReceivedList, OneLinePerTickEachConnectionInTurnAndIdleWhenEmpty) {
    std::vector<std::pair<int, std::string>> handled;
    std::vector<std::size_t> leftAtEachTick;
    ReceivedList* listPointer = nullptr;
    ReceivedList list(1, [&](int connection, const std::string& line) {
        handled.emplace_back(connection, line);
        leftAtEachTick.push_back(listPointer->size());
    });
    listPointer = &list;
    EXPECT_FALSE(list.isTicking());
    list.append(0, "first");
    list.append(2, "second");
    list.append(1, "third");
    list.append(2, "fourth");
    EXPECT_TRUE(list.isTicking());
    ASSERT_TRUE(waitUntil([&] { return handled.size() == 4; }));
    // Connections in turn; each one's lines in the order they came.
    EXPECT_EQ(handled, (std::vector<std::pair<int, std::string>>{
                           {0, "first"}, {1, "third"}, {2, "second"}, {2, "fourth"}}));
    // Each tick took exactly one line.
    EXPECT_EQ(leftAtEachTick, (std::vector<std::size_t>{3, 2, 1, 0}));
    EXPECT_FALSE(list.isTicking());
}

TEST(ReceivedList, ABacklogHoldsAnotherConnectionBackByALineAtMost) {
    std::vector<int> from;
    ReceivedList list(1, [&](int connection, const std::string&) { from.push_back(connection); });
    for (int i = 0; i < 50; ++i) {
        list.append(5, "flood");
    }
    ASSERT_TRUE(waitUntil([&] { return from.size() >= 3; }));
    const std::size_t before = from.size();
    list.append(2, "card");
    ASSERT_TRUE(waitUntil([&] { return std::count(from.begin(), from.end(), 2) == 1; }));
    const auto at = static_cast<std::size_t>(std::find(from.begin(), from.end(), 2) - from.begin());
    EXPECT_LE(at - before, 1u);
}

TEST(ReceivedList, AFullListDropsAndAGoneConnectionsLinesGo) {
    std::vector<std::string> handled;
    ReceivedList list(
        1, [&](int, const std::string& line) { handled.push_back(line); }, nullptr, 2);
    EXPECT_TRUE(list.append(3, "a"));
    EXPECT_TRUE(list.append(3, "b"));
    EXPECT_FALSE(list.append(3, "c"));
    EXPECT_TRUE(list.append(4, "d"));
    EXPECT_EQ(list.size(3), 2u);
    list.dropConnection(3);
    EXPECT_EQ(list.size(), 1u);
    ASSERT_TRUE(waitUntil([&] { return !list.isTicking(); }));
    EXPECT_EQ(handled, std::vector<std::string>{"d"});
}

TEST(ReceivedList, AHandlerThatThrowsDoesNotStopTheNextTick) {
    std::vector<std::string> handled;
    ReceivedList list(1, [&](int, const std::string& line) {
        handled.push_back(line);
        if (line == "bad") {
            throw std::runtime_error("conversion");
        }
    });
    list.append(0, "bad");
    list.append(0, "good");
    ASSERT_TRUE(waitUntil([&] { return handled.size() == 2; }));
    EXPECT_EQ(handled.back(), "good");
}
