#pragma once

#include <QString>

#include <functional>

// Where an error that escapes an event handler ends up. Event handlers run
// inside the Qt event loop, which must never see an exception, so each event
// entry point catches and reports here. The game shows a message box; the
// headless host writes to stderr.
namespace unhandlederror {

void setHandler(std::function<void(const QString&)> handler);
void report(const QString& message);

// Runs an event handler, turning an escaping exception into a report.
template <typename F> void guard(F&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        report(QString::fromUtf8(e.what()));
    }
}

} // namespace unhandlederror
