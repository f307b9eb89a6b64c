// hearts-tables: listens for the tables that hosting copies of Hearts and
// hearts-server announce on the local network and prints them, one per line:
// address, port, table, host, people, watchers, in game (tab-separated).
#include "tablediscovery.h"
#include "wiremessage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hearts-tables"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the Hearts tables announced on the local network: address, port,\n"
        "table, host, people seated, watchers, in game (yes or no), tab-separated."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("wait"),
         QStringLiteral("Seconds to listen before printing (default 3; tables announce every 2)."),
         QStringLiteral("SECONDS")},
        {QStringLiteral("port"),
         QStringLiteral("UDP port the announcements come to (default %1).")
             .arg(announcement::kPort),
         QStringLiteral("N")},
    });
    parser.process(app);
    int waitSeconds = 3;
    int port = announcement::kPort;
    if ((parser.isSet(QStringLiteral("wait")) &&
         (!wire::parseInt(parser.value(QStringLiteral("wait")).toStdString(), waitSeconds) ||
          waitSeconds < 0 || waitSeconds > 3600)) ||
        (parser.isSet(QStringLiteral("port")) &&
         (!wire::parseInt(parser.value(QStringLiteral("port")).toStdString(), port) || port < 1 ||
          port > 65535))) {
        std::fprintf(stderr, "hearts-tables: --wait takes 0 to 3600 seconds, --port 1 to 65535\n");
        return 2;
    }
    TableFinder::Options options;
    options.port = static_cast<quint16>(port);
    TableFinder finder(options);
    QString error;
    if (!finder.start(&error)) {
        std::fprintf(stderr, "hearts-tables: cannot listen on UDP port %d: %s\n", port,
                     error.toLocal8Bit().constData());
        return 1;
    }
    QTimer::singleShot(waitSeconds * 1000, &app, [&finder] {
        for (const TableFinder::Found& found : finder.tables()) {
            const announcement::Table& t = found.table;
            std::printf("%s\t%d\t%s\t%s\t%d\t%d\t%s\n",
                        found.address.toString().toUtf8().constData(), t.port, t.table.c_str(),
                        t.host.c_str(), t.people, t.watchers, t.inGame ? "yes" : "no");
        }
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
