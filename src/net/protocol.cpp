#include "protocol.h"

#include "wiremessage.h"

namespace protocol {

std::optional<Command> commandNamed(std::string_view word) {
    for (const CommandInfo& known : kCommands) {
        if (known.word == word) {
            return known.command;
        }
    }
    return std::nullopt;
}

std::optional<WatchMode> watchModeNamed(std::string_view text) {
    if (text == modeText(WatchMode::Watch)) {
        return WatchMode::Watch;
    }
    if (text == modeText(WatchMode::Play)) {
        return WatchMode::Play;
    }
    return std::nullopt;
}

std::string chatterSound(int number) {
    return "wave" + std::to_string(number);
}

std::optional<int> chatterSoundNumber(std::string_view name) {
    int number = 0;
    if (name.substr(0, 4) != "wave" || name.size() > 6 || name.size() < 5 || name[4] == '0' ||
        !wire::parseInt(name.substr(4), number) || number < 1 || number > kChatterSounds) {
        return std::nullopt;
    }
    return number;
}

namespace {

// The payload read from the left, field by field.
class Reader {
public:
    explicit Reader(std::string_view rest) : m_rest(rest) {}
    bool empty() const { return m_rest.empty(); }
    // The text before the next "+", or all that is left.
    std::string_view field() {
        const std::size_t plus = m_rest.find('+');
        const std::string_view taken = m_rest.substr(0, plus);
        m_rest = plus == std::string_view::npos ? std::string_view() : m_rest.substr(plus + 1);
        return taken;
    }
    std::string_view rest() {
        const std::string_view taken = m_rest;
        m_rest = {};
        return taken;
    }
    bool number(const Field& field, int& value) {
        if (m_rest.empty()) {
            return false;
        }
        return wire::parseInt(this->field(), value) && value >= field.low && value <= field.high;
    }

private:
    std::string_view m_rest;
};

} // namespace

std::optional<Message> read(std::string_view line, Side sender) {
    const std::size_t plus = line.find('+');
    if (plus == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<Command> command = commandNamed(line.substr(0, plus));
    if (!command) {
        return std::nullopt;
    }
    const Layout& fields =
        sender == Side::Client ? info(*command).fromClient : info(*command).fromHost;
    if (!fields.sent) {
        return std::nullopt;
    }
    Message message;
    message.m_command = *command;
    Reader reader(line.substr(plus + 1));
    std::size_t numbers = 0;
    std::size_t texts = 0;
    for (const Field& field : fields.fields) {
        switch (field.kind) {
        case Field::Kind::None:
            break;
        case Field::Kind::Number:
            if (!reader.number(field, message.m_numbers[numbers++])) {
                return std::nullopt;
            }
            break;
        case Field::Kind::Word:
            message.m_texts[texts++] = std::string(reader.field());
            break;
        case Field::Kind::Rest:
            message.m_texts[texts++] = std::string(reader.rest());
            break;
        }
    }
    if (fields.group[0].kind != Field::Kind::Number) {
        return message;
    }
    while (!reader.empty()) {
        for (const Field& field : fields.group) {
            if (field.kind != Field::Kind::Number) {
                break;
            }
            int value = 0;
            if (!reader.number(field, value)) {
                return std::nullopt;
            }
            message.m_list.push_back(value);
        }
    }
    return message;
}

} // namespace protocol
