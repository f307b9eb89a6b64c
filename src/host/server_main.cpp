// hearts-server: a table host with no local player. Connection 1, the first
// to arrive, holds the host player's rights (start a game, remove players).
#include "random.h"
#include "routeropener.h"
#include "tserver.h"
#include "unhandlederror.h"
#include "wiremessage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QSysInfo>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}

void logLine(const QString& line) {
    std::fprintf(stderr, "hearts-server: %s\n", line.toLocal8Bit().constData());
}

bool readInt(const QCommandLineParser& parser, const QString& name, int low, int& value) {
    if (!parser.isSet(name)) {
        return true;
    }
    if (!wire::parseInt(parser.value(name).toStdString(), value) || value < low) {
        logLine(QStringLiteral("--%1 needs a whole number of at least %2").arg(name).arg(low));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hearts-server"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(HostGame::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Hosts a table of Hearts with no local player. Players join with\n"
                       "'hearts <name> <this host's address> false'; the first connection holds\n"
                       "the host player's rights: it starts games and may remove players.\n"
                       "Computer players take every empty seat."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("TCP port to listen on (default 7772)."),
         QStringLiteral("N")},
        {QStringLiteral("seed"),
         QStringLiteral("Seed of the random generator, to replay a game (default: the clock)."),
         QStringLiteral("N")},
        {QStringLiteral("bot-speed"),
         QStringLiteral("Delay of a computer player's card in ms (default 1000)."),
         QStringLiteral("MS")},
        {QStringLiteral("pause-ms"),
         QStringLiteral("Length of one pause tick between tricks and rounds in ms (default 1000)."),
         QStringLiteral("MS")},
        {QStringLiteral("table"),
         QStringLiteral("Name of the table that players see (default: hearts-server on <host>)."),
         QStringLiteral("NAME")},
        {QStringLiteral("login-timeout"),
         QStringLiteral("Close a connection that has not logged in after this many seconds "
                        "(default 20; 0: never)."),
         QStringLiteral("SECONDS")},
        {QStringLiteral("turn-timeout"),
         QStringLiteral("With two or more people seated, the computer moves for a person who "
                        "has not moved in this many seconds (default 60; 0: never)."),
         QStringLiteral("SECONDS")},
        {QStringLiteral("levels"),
         QStringLiteral("How the computer plays seats 1-4 when it has them: four of classic or "
                        "strong, separated by commas (default classic,classic,classic,classic)."),
         QStringLiteral("L1,L2,L3,L4")},
        {QStringLiteral("house-rules"),
         QStringLiteral("House rules of every game at this table, separated by commas: jack "
                        "(the jack of diamonds takes 10 off), queen (the queen of spades breaks "
                        "hearts), subtract (the moon takes 26 off the shooter), nohold (no hand "
                        "without passing); none for the standard game. Without it a game "
                        "plays the rules its starter asks for."),
         QStringLiteral("R1,R2,...")},
        {QStringLiteral("allow-hints"),
         QStringLiteral("Let the players ask for hints (the card the Strong computer player "
                        "would play in their place).")},
        {QStringLiteral("open-router"),
         QStringLiteral("Ask the home router (UPnP IGD, else NAT-PMP) to forward the table's "
                        "port to this computer while the table runs, so that friends on other "
                        "networks can join; the mapping is removed when the server stops.")},
        {QStringLiteral("no-announce"),
         QStringLiteral("Do not announce the table on the local network.")},
        {QStringLiteral("announce-port"),
         QStringLiteral("UDP port the table is announced to (default 7772)."), QStringLiteral("N")},
    });
    parser.process(app);

    int port = protocol::kPort;
    int botSpeed = 1000;
    int pauseMs = 1000;
    int announcePort = announcement::kPort;
    int loginTimeout = 20;
    int turnTimeout = 60;
    if (!readInt(parser, QStringLiteral("port"), 0, port) || port > 65535 ||
        !readInt(parser, QStringLiteral("announce-port"), 1, announcePort) ||
        !readInt(parser, QStringLiteral("login-timeout"), 0, loginTimeout) ||
        !readInt(parser, QStringLiteral("turn-timeout"), 0, turnTimeout) || loginTimeout > 86400 ||
        turnTimeout > 86400 || announcePort > 65535 ||
        !readInt(parser, QStringLiteral("bot-speed"), 0, botSpeed) ||
        !readInt(parser, QStringLiteral("pause-ms"), 0, pauseMs)) {
        return 2;
    }
    HostGame::Levels levels{};
    if (parser.isSet(QStringLiteral("levels"))) {
        const QStringList names = parser.value(QStringLiteral("levels")).split(QLatin1Char(','));
        bool ok = names.size() == hearts::kSeats;
        for (int seat = 1; ok && seat <= hearts::kSeats; ++seat) {
            const auto level = hearts::levelNamed(names[seat - 1].trimmed().toStdString());
            ok = level.has_value();
            levels[static_cast<std::size_t>(seat)] = level.value_or(hearts::Level::Classic);
        }
        if (!ok) {
            logLine(QStringLiteral("--levels needs four of classic or strong, such as "
                                   "strong,classic,classic,classic"));
            return 2;
        }
    }
    std::optional<hearts::HouseRules> tableRules;
    if (parser.isSet(QStringLiteral("house-rules"))) {
        tableRules =
            hearts::houseRulesNamed(parser.value(QStringLiteral("house-rules")).toStdString());
        if (!tableRules) {
            logLine(QStringLiteral("--house-rules needs names from jack, queen, subtract, nohold "
                                   "or none, such as jack,queen"));
            return 2;
        }
    }
    std::uint32_t seed = processrandom::clockSeed();
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        seed = parser.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok) {
            logLine(QStringLiteral("--seed needs a whole number from 0 to 4294967295"));
            return 2;
        }
    }
    processrandom::setSeed(seed);

    unhandlederror::setHandler(logLine);

    TServer::Options options;
    options.port = QString::number(port);
    options.pauseMs = pauseMs;
    options.headless = true;
    options.loginTimeoutMs = loginTimeout * 1000;
    options.turnTimeoutMs = turnTimeout * 1000;
    TServer server(options);
    server.botSpeed = [&botSpeed] { return botSpeed; };
    server.onBotSpeedRequest = [&botSpeed](int ms) {
        if (ms >= 0) {
            botSpeed = ms;
        }
    };
    server.setLevels(levels);
    server.setTableRules(tableRules);
    server.setHintsAllowed(parser.isSet(QStringLiteral("allow-hints")));
    server.onLog = logLine;
    server.onInternalError = logLine;

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        logLine(QStringLiteral("cannot set up signal handling"));
        return 1;
    }
    QSocketNotifier signalNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] {
        logLine(QStringLiteral("stopping"));
        QCoreApplication::quit();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    try {
        server.startListening();
    } catch (const ESockException& e) {
        logLine(QStringLiteral("cannot listen on port %1: %2").arg(port).arg(e.what()));
        return 1;
    }
    QStringList levelNames;
    for (int seat = 1; seat <= hearts::kSeats; ++seat) {
        levelNames << QString::fromLatin1(
            hearts::levelName(levels[static_cast<std::size_t>(seat)]));
    }
    logLine(QStringLiteral("computer players: ") + levelNames.join(QStringLiteral(", ")));
    if (tableRules) {
        const std::string sentence = hearts::houseRulesSentence(*tableRules, false);
        logLine(QString::fromStdString(sentence.empty() ? "standard rules" : sentence));
    }
    logLine(QStringLiteral("listening on port %1, seed %2")
                .arg(server.listeningPort())
                .arg(processrandom::seed()));
    if (!parser.isSet(QStringLiteral("no-announce"))) {
        const QString table =
            parser.isSet(QStringLiteral("table"))
                ? parser.value(QStringLiteral("table"))
                : QStringLiteral("hearts-server on ") + QSysInfo::machineHostName();
        TableAnnouncer::Options announce;
        announce.port = static_cast<quint16>(announcePort);
        server.startAnnouncing(table, announce);
        logLine(QStringLiteral("announcing \"%1\" on UDP port %2").arg(table).arg(announcePort));
    }
    RouterOpener opener;
    if (parser.isSet(QStringLiteral("open-router"))) {
        QObject::connect(&opener, &RouterOpener::opened, [](const router::Mapping& mapping) {
            logLine(QString::fromStdString(router::sentence(mapping)));
        });
        logLine(
            QStringLiteral("asking the router to open TCP port %1").arg(server.listeningPort()));
        opener.open(server.listeningPort(), QStringLiteral("Hearts table"));
    }
    const int result = QCoreApplication::exec();
    if (opener.mapping().outcome == router::Outcome::Mapped || opener.busy()) {
        opener.close();
        logLine(QStringLiteral("the router's port is closed again"));
    }
    return result;
}
