// Chat lines as the host relays them, into the chat view: line codes,
// colours, smilies and links. Promise: no crash, and a link opens only a
// web page.
#include "chatview.h"
#include "fuzzing.h"
#include "qtapplication.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

namespace {
std::unique_ptr<ChatView> g_view;
int g_lines = 0;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    (void)argc;
    (void)argv;
    startApplication<QApplication>();
    g_view = std::make_unique<ChatView>();
    g_view->openUrl = [](const QString& url) {
        require(url.startsWith(QLatin1String("http://")) ||
                url.startsWith(QLatin1String("https://")));
    };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    g_view->addlinetochat(line, size > 0 ? data[0] : 0);
    // Every link of the view is clicked.
    for (QTextBlock block = g_view->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor()) {
                emit g_view->anchorClicked(QUrl(format.anchorHref()));
            }
        }
    }
    if (++g_lines % 200 == 0) {
        g_view->clearMainChat();
    }
    return 0;
}
