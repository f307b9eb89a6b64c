#pragma once

#include <string>
#include <string_view>
#include <type_traits>

// Builds a message text: the command word, then each field after a "+".
namespace hostmessage {

inline void appendField(std::string& text, int value) {
    text += std::to_string(value);
}
inline void appendField(std::string& text, std::string_view value) {
    text += value;
}

template <typename... Fields> std::string build(std::string_view word, const Fields&... fields) {
    std::string text(word);
    ((text += '+', appendField(text, fields)), ...);
    return text;
}

// The same with the trailing "+" that many messages carry.
template <typename... Fields>
std::string buildPlus(std::string_view word, const Fields&... fields) {
    return build(word, fields...) + '+';
}

} // namespace hostmessage
