#include "unhandlederror.h"

#include <cstdio>

namespace unhandlederror {

namespace {
std::function<void(const QString&)>& handlerSlot() {
    static std::function<void(const QString&)> slot;
    return slot;
}
} // namespace

void setHandler(std::function<void(const QString&)> handler) {
    handlerSlot() = std::move(handler);
}

void report(const QString& message) {
    if (handlerSlot()) {
        handlerSlot()(message);
    } else {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

} // namespace unhandlederror
