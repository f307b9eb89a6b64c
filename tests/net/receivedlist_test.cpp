#include "receivedlist.h"

#include "wait.h"

#include <gtest/gtest.h>

TEST(ReceivedList, OneLinePerTickInArrivalOrderAndIdleWhenEmpty) {
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
    EXPECT_TRUE(list.isTicking());
    ASSERT_TRUE(waitUntil([&] { return handled.size() == 3; }));
    EXPECT_EQ(handled, (std::vector<std::pair<int, std::string>>{
                           {0, "first"}, {2, "second"}, {1, "third"}}));
    // Each tick took exactly one line.
    EXPECT_EQ(leftAtEachTick, (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_FALSE(list.isTicking());
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
