#include "wiremessage.h"

#include <gtest/gtest.h>

using namespace wire;

TEST(WireFrame, EndsWithEndByteAndBlanksForbiddenBytes) {
    EXPECT_EQ(frame("CMD_full+"), std::string("CMD_full+\xFF"));
    EXPECT_EQ(frame("CMD_chat+1+a\r\nb\xFF"
                    "c"),
              std::string("CMD_chat+1+a  b c\xFF"));
    // UTF-8 text passes unchanged: it never holds the end byte.
    EXPECT_EQ(frame("CMD_chat+1+Zoë"), std::string("CMD_chat+1+Zoë\xFF"));
}

TEST(WireFramer, CutsAtEveryEndByteAndKeepsTheTail) {
    Framer framer;
    std::vector<std::string> out;
    // Two messages in one read, the second cut across reads, an empty one.
    EXPECT_TRUE(framer.feed("CMD_a+1\xFF"
                            "CMD_b+2\xFF"
                            "CMD_c",
                            out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_a+1", "CMD_b+2"}));
    EXPECT_EQ(framer.pendingBytes(), 5u);
    EXPECT_TRUE(framer.feed("+3\xFF\xFF", out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_a+1", "CMD_b+2", "CMD_c+3", ""}));
    EXPECT_EQ(framer.pendingBytes(), 0u);
}

TEST(WireFramer, RefusesAFloodWithoutEndByte) {
    Framer framer;
    std::vector<std::string> out;
    EXPECT_TRUE(framer.feed(std::string(kMaxUnframedBytes, 'x'), out));
    EXPECT_FALSE(framer.feed("y", out));
    EXPECT_TRUE(out.empty());
}

TEST(WireFields, ReadFromTheLeft) {
    Fields fields("2+1.0.9+Ann+Lee");
    EXPECT_EQ(fields.number(), 2);
    EXPECT_EQ(fields.text(), "1.0.9");
    EXPECT_EQ(fields.rest(), "Ann+Lee");
    // Without a further "+" a field is empty and nothing is taken.
    Fields last("7");
    EXPECT_EQ(last.text(), "");
    EXPECT_EQ(last.rest(), "7");
    EXPECT_EQ(last.restNumber(), 7);
}

TEST(WireFields, NumbersAreStrictDecimal) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {{"0", true, 0},
                          {"42", true, 42},
                          {"-3", true, -3},
                          {"", false, 0},
                          {" 1", false, 0},
                          {"1a", false, 0},
                          {"abc", false, 0},
                          {"99999999999", false, 0},
                          {"2147483647", true, 2147483647},
                          {"2147483648", false, 0},
                          {"-", false, 0}};
    for (const Case& c : cases) {
        int value = -1;
        EXPECT_EQ(parseInt(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    Fields bad("x+1+");
    EXPECT_THROW(bad.number(), FieldError);
}
