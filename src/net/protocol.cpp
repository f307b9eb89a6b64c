#include "protocol.h"

namespace protocol {

const Command& command(std::string_view word) {
    static constexpr Command kNone{"", From::Both, "", false};
    for (const Command& known : kCommands) {
        if (known.word == word) {
            return known;
        }
    }
    return kNone;
}

} // namespace protocol
