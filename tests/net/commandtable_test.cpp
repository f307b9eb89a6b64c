// The protocol's one table of commands, fields and bounds, held to itself:
// for every command each side sends, a message at the edge of every bound
// is read, one just past it is not, and neither is one with a field missing.
#include "protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using protocol::Command;
using protocol::Field;
using protocol::Side;

// A line of the command whose fields are all `pick(field)`: a number chosen
// by the caller, a word "w", the rest "rest text"; a list has one group.
template <typename Pick>
std::string lineWith(const protocol::CommandInfo& info, const protocol::Layout& layout, Pick pick,
                     std::size_t dropField = 99) {
    std::string line(info.word);
    std::size_t index = 0;
    for (const Field& field : layout.fields) {
        if (field.kind == Field::Kind::None) {
            break;
        }
        if (index++ == dropField) {
            continue;
        }
        switch (field.kind) {
        case Field::Kind::Number:
            line += "+" + std::to_string(pick(field));
            break;
        case Field::Kind::Word:
            line += "+w";
            break;
        case Field::Kind::Rest:
            line += "+rest text";
            break;
        case Field::Kind::None:
            break;
        }
    }
    for (const Field& field : layout.group) {
        if (field.kind == Field::Kind::Number) {
            line += "+" + std::to_string(pick(field));
        }
    }
    if (info.endsWithPlus && layout.fields.back().kind != Field::Kind::Rest) {
        line += "+";
    }
    return line;
}

} // namespace

TEST(CommandTable, EveryNumberFieldIsReadWithinItsBoundsAndRefusedBeyond) {
    int checked = 0;
    for (const protocol::CommandInfo& info : protocol::kCommands) {
        for (const Side side : {Side::Client, Side::Host}) {
            const protocol::Layout& layout = side == Side::Client ? info.fromClient : info.fromHost;
            const protocol::Layout& other = side == Side::Client ? info.fromHost : info.fromClient;
            if (!layout.sent) {
                // Never read from a side that does not send it.
                if (!other.sent) {
                    ADD_FAILURE() << info.word << " is sent by nobody";
                }
                EXPECT_FALSE(protocol::read(
                    lineWith(info, other, [](const Field& f) { return f.low; }), side))
                    << info.word;
                continue;
            }
            for (const bool high : {false, true}) {
                const std::string good =
                    lineWith(info, layout, [&](const Field& f) { return high ? f.high : f.low; });
                const auto message = protocol::read(good, side);
                ASSERT_TRUE(message.has_value()) << good;
                EXPECT_EQ(message->command(), info.command) << good;
            }
            // Each number field in turn one past its bound, low and high.
            std::vector<const Field*> numbers;
            for (const Field& field : layout.fields) {
                if (field.kind == Field::Kind::Number) {
                    numbers.push_back(&field);
                }
            }
            for (const Field& field : layout.group) {
                if (field.kind == Field::Kind::Number) {
                    numbers.push_back(&field);
                }
            }
            for (const Field* wrong : numbers) {
                for (const int beyond : {wrong->low - 1, wrong->high + 1}) {
                    const std::string bad = lineWith(
                        info, layout, [&](const Field& f) { return &f == wrong ? beyond : f.low; });
                    EXPECT_FALSE(protocol::read(bad, side).has_value()) << bad;
                    ++checked;
                }
            }
            // A number field missing (the fields after it move up, or are too few).
            std::size_t index = 0;
            for (const Field& field : layout.fields) {
                if (field.kind == Field::Kind::Number &&
                    layout.group[0].kind == Field::Kind::None) {
                    const std::string missing = lineWith(
                        info, layout, [](const Field& f) { return f.low; }, index);
                    EXPECT_FALSE(protocol::read(missing, side).has_value()) << missing;
                }
                ++index;
            }
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(CommandTable, WordsRestsAndWhatFollowsTheFields) {
    const auto login = protocol::read("CMD_logininfo+3+1.0.9+Ann+Lee", Side::Client);
    ASSERT_TRUE(login);
    EXPECT_EQ(login->numbers<1>()[0], 3);
    EXPECT_EQ(login->text(0), "1.0.9");
    EXPECT_EQ(login->text(1), "Ann+Lee");
    // A receiver reads what it expects and ignores what follows.
    EXPECT_TRUE(protocol::read("CMD_playcard+2+5+junk+more", Side::Client));
    EXPECT_TRUE(protocol::read("CMD_error+2+4+27+", Side::Host));
    // A list comes in whole groups.
    const auto cards = protocol::read("CMD_mycards+2+1+14+2+40", Side::Host);
    ASSERT_TRUE(cards);
    EXPECT_EQ(cards->list(), (std::vector<int>{1, 14, 2, 40}));
    EXPECT_FALSE(protocol::read("CMD_mycards+2+1+14+2", Side::Host));
    // The word is exact, and a line needs one.
    for (const char* line : {"cmd_playcard+2+1+", "CMD_playcard", "+", "", "CMD_nosuch+1+"}) {
        EXPECT_FALSE(protocol::read(line, Side::Client)) << line;
    }
    EXPECT_EQ(protocol::build(Command::Heplayed, 3, 37, 9), "CMD_heplayed+3+37+9+");
    EXPECT_EQ(protocol::chatterSoundNumber(protocol::chatterSound(20)), 20);
    for (const char* name : {"wave0", "wave21", "wave05", "click", "wave", "WAVE3"}) {
        EXPECT_FALSE(protocol::chatterSoundNumber(name)) << name;
    }
}
