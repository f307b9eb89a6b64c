// soak: plays many seeded computer games on the real hearts-server while
// another client keeps connecting, chattering and leaving at random (by
// goodbye and by reset), and prints what the table did: games finished,
// rounds whose points were not 26 (or a moon), and the server's memory at
// the start and at the end.
//
// With --levels it passes the computer players' levels to the server, and
// with --no-churn no guest comes: the points of seat 1 then measure a level.
//
//   build/bench/soak [--games N] [--server PATH] [--seed S] [--levels L1,L2,L3,L4]
//                    [--no-churn]
#include "wiremessage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <sys/socket.h>

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

long rssKilobytes(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // Files of /proc have no size: read them whole.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

// A connection that speaks wire messages.
class Peer {
public:
    explicit Peer(std::function<void(const std::string&)> onMessage)
        : m_onMessage(std::move(onMessage)) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            std::vector<std::string> lines;
            m_framer.feed(socket.readAll().toStdString(), lines);
            for (const std::string& line : lines) {
                m_onMessage(line);
            }
        });
    }
    void send(const std::string& text) {
        const std::string bytes = wire::frame(text);
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QTcpSocket socket;

private:
    wire::Framer m_framer;
    std::function<void(const std::string&)> m_onMessage;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Soaks hearts-server with games and churn."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("games"), QStringLiteral("Games to play (default 1000)."),
         QStringLiteral("N"), QStringLiteral("1000")},
        {QStringLiteral("server"), QStringLiteral("The hearts-server to soak."),
         QStringLiteral("PATH"),
         QCoreApplication::applicationDirPath() + QStringLiteral("/../src/host/hearts-server")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the game (default 1)."),
         QStringLiteral("S"), QStringLiteral("1")},
        {QStringLiteral("levels"),
         QStringLiteral("The computer players' levels, passed to the server."),
         QStringLiteral("L1,L2,L3,L4"), QStringLiteral("classic,classic,classic,classic")},
        {QStringLiteral("no-churn"), QStringLiteral("No guest comes and goes.")},
    });
    parser.process(app);
    const int games = parser.value(QStringLiteral("games")).toInt();

    const quint16 port = freePort();
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    server.start(parser.value(QStringLiteral("server")),
                 {"--port", QString::number(port), "--seed", parser.value(QStringLiteral("seed")),
                  "--bot-speed", "0", "--pause-ms", "0", "--no-announce", "--turn-timeout", "0",
                  "--levels", parser.value(QStringLiteral("levels"))});
    if (!server.waitForStarted(5000)) {
        std::fprintf(stderr, "soak: cannot start %s\n",
                     qPrintable(parser.value(QStringLiteral("server"))));
        return 1;
    }
    // Whatever the server logs is drained, not kept.
    QObject::connect(&server, &QProcess::readyReadStandardError,
                     [&server] { server.readAllStandardError(); });

    int finished = 0;
    int rounds = 0;
    int badRounds = 0;
    int moons = 0;
    long seatOnePoints = 0;
    long rssStart = -1;
    QElapsedTimer clock;
    clock.start();

    Peer controller([&](const std::string& line) {
        const wire::CommandLine message = wire::splitCommand(line);
        if (message.word == "CMD_sendlogininfo") {
            controller.send("CMD_logininfo+1+1.0.9+Soak");
            controller.send("CMD_startgame+Soak+100+0+");
            controller.send("CMD_justwatch+1+1");
        } else if (message.word == "CMD_endround") {
            wire::Fields fields(message.payload);
            const int moon = fields.number();
            int sum = 0;
            while (!fields.empty()) {
                const int seat = fields.listNumber();
                const int points = fields.listNumber();
                fields.listNumber();
                sum += points;
                seatOnePoints += seat == 1 ? points : 0;
            }
            ++rounds;
            moons += moon != 0 ? 1 : 0;
            badRounds += (moon == 0 && sum != 26) || (moon != 0 && sum != 78) ? 1 : 0;
        } else if (message.word == "CMD_winner") {
            ++finished;
            if (finished == 1) {
                rssStart = rssKilobytes(server.processId());
            }
            if (finished % 100 == 0) {
                std::printf("%d games, %.0f s\n", finished, clock.elapsed() / 1000.0);
                std::fflush(stdout);
            }
            if (finished >= games) {
                QCoreApplication::quit();
                return;
            }
            controller.send("CMD_startgame+Soak+100+0+");
            controller.send("CMD_justwatch+1+1");
        }
    });
    controller.socket.connectToHost(QHostAddress::LocalHost, port);
    // The server may need a moment to listen.
    QTimer retry;
    QObject::connect(&retry, &QTimer::timeout, [&] {
        if (controller.socket.state() == QAbstractSocket::UnconnectedState) {
            controller.socket.connectToHost(QHostAddress::LocalHost, port);
        } else if (controller.socket.state() == QAbstractSocket::ConnectedState) {
            retry.stop();
        }
    });
    retry.start(100);

    // The churn: every little while a guest comes, maybe logs in and talks,
    // and goes by goodbye or by reset.
    std::unique_ptr<Peer> guest;
    int churns = 0;
    QTimer churn;
    QObject::connect(&churn, &QTimer::timeout, [&] {
        QRandomGenerator* random = QRandomGenerator::global();
        if (guest != nullptr) {
            if (random->bounded(2) == 0) {
                const linger abrupt{1, 0};
                ::setsockopt(static_cast<int>(guest->socket.socketDescriptor()), SOL_SOCKET,
                             SO_LINGER, &abrupt, sizeof abrupt);
            }
            guest->socket.close();
            guest.reset();
            ++churns;
            return;
        }
        guest = std::make_unique<Peer>([&](const std::string& line) {
            const wire::CommandLine message = wire::splitCommand(line);
            if (message.word == "CMD_sendlogininfo" &&
                QRandomGenerator::global()->bounded(4) != 0) {
                const std::string number = message.payload;
                guest->send("CMD_logininfo+" + number + "+1.0.9+Guest");
                guest->send("CMD_chat+" + number + "+hello|clRed");
                guest->send("CMD_playcard+" + number + "+1+");
            }
        });
        guest->socket.connectToHost(QHostAddress::LocalHost, port);
    });
    if (!parser.isSet(QStringLiteral("no-churn"))) {
        churn.start(37);
    }

    QCoreApplication::exec();
    const long rssEnd = rssKilobytes(server.processId());
    server.kill();
    server.waitForFinished();
    std::printf("games finished: %d in %.0f s\n", finished, clock.elapsed() / 1000.0);
    std::printf("rounds: %d, of which moons: %d, with points other than 26 (or a moon): %d\n",
                rounds, moons, badRounds);
    std::printf("seat 1 (%s): %ld points in %d rounds, %.3f a round\n",
                qPrintable(parser.value(QStringLiteral("levels")).section(QLatin1Char(','), 0, 0)),
                seatOnePoints, rounds,
                rounds > 0 ? static_cast<double>(seatOnePoints) / rounds : 0.0);
    std::printf("guests that came and went: %d\n", churns);
    std::printf("server memory (RSS): %ld kB after the first game, %ld kB at the end\n", rssStart,
                rssEnd);
    return finished == games && badRounds == 0 ? 0 : 1;
}
