// Datagrams as the finders hear them from anyone on the network. Promises:
// no crash; a table read from one has names fit to show (whole UTF-8
// characters, no controls, no direction marks, within the length limit,
// unchanged by cleaning again); written out, it reads back the same.
#include "announcement.h"
#include "fuzzing.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    (void)argv;
    return 0;
}

namespace {

bool fitToShow(const std::string& name) {
    if (name.size() > announcement::kMaxName || announcement::cleanName(name) != name) {
        return false;
    }
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || byte == 0xFF) {
            return false;
        }
    }
    // No C1 control (U+0080..U+009F: C2 80..C2 9F) and no U+202A..U+202E.
    return name.find("\xE2\x80\xAE") == std::string::npos &&
           name.find("\xE2\x80\xAA") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view datagram(reinterpret_cast<const char*>(data), size);
    const auto table = announcement::parse(datagram);
    if (!table) {
        return 0;
    }
    require(fitToShow(table->table) && fitToShow(table->host));
    require(table->port >= 1 && table->port <= 65535);
    require(table->people >= 0 && table->people <= 4);
    require(table->watchers >= 0 && table->watchers <= 5);
    const auto again = announcement::parse(announcement::format(*table));
    require(again.has_value() && *again == *table);
    return 0;
}
