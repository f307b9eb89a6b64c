// Figures of the host: whole computer games through the rules alone, and
// messages that TServer takes from a loopback client when its tick is not
// the limit.
#include "hostgame.h"
#include "protocol.h"
#include "random.h"
#include "tserver.h"
#include "wiremessage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>

#include <benchmark/benchmark.h>

namespace {

// Counts messages and fires timers at once: no sockets, no delays.
class CountingEvents : public HostEvents {
public:
    void send(int, const std::string&) override { ++messages; }
    void closeConnection(int) override {}
    void timerChanged(Timer) override {}
    int botSpeedMs() override { return 0; }
    void internalError(const std::string&) override { ++errors; }
    long messages = 0;
    long errors = 0;
};

void BM_ComputerGames(benchmark::State& state) {
    processrandom::setSeed(1);
    long rounds = 0;
    for (auto _ : state) {
        CountingEvents events;
        HostGame game(events);
        game.startGame("Bench", 100, false);
        while (game.gamestarted()) {
            if (game.computertimer().enabled) {
                game.computertimerTimer();
            } else if (game.timer1().enabled) {
                game.timer1Timer();
            } else {
                state.SkipWithError("the game stopped");
                break;
            }
        }
        rounds += game.roundnum();
        benchmark::DoNotOptimize(events.messages);
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["rounds/game"] =
        static_cast<double>(rounds) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ComputerGames)->Unit(benchmark::kMicrosecond);

void BM_TServerIntake(benchmark::State& state) {
    TServer::Options options;
    options.port = QStringLiteral("0");
    options.socktimerMs = 0;
    TServer server(options);
    server.startListening();
    QTcpSocket client;
    client.connectToHost(QStringLiteral("127.0.0.1"), server.listeningPort());
    QByteArray received;
    // Waits until one of the texts arrives; false after ten seconds.
    auto waitFor = [&](std::initializer_list<QByteArray> texts) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            received += client.readAll();
            for (const QByteArray& text : texts) {
                if (received.contains(text)) {
                    return true;
                }
            }
        }
        return false;
    };
    if (!waitFor({"CMD_sendlogininfo+1"})) {
        state.SkipWithError("no login request");
        return;
    }
    client.write(QByteArray::fromStdString(wire::frame(
        protocol::build(protocol::Command::Logininfo, 1, protocol::kVersion, "Bench"))));
    if (!waitFor({"CMD_newplayerinfo+1+Bench"})) {
        state.SkipWithError("no login");
        return;
    }

    const int batch = static_cast<int>(state.range(0));
    // Messages the host takes without answering (fewer than a connection may
    // have waiting), then "I am playing", which the host answers at any
    // time: the answer means the whole batch was taken.
    QByteArray quiet;
    for (int i = 0; i < batch - 1; ++i) {
        quiet += QByteArray::fromStdString(
            wire::frame(protocol::build(protocol::Command::Botspeed, 1, 1000)));
    }
    const std::string marker = protocol::build(protocol::Command::Justwatch, 1,
                                               protocol::modeText(protocol::WatchMode::Play));
    const QByteArray answer = QByteArray::fromStdString(protocol::build(
        protocol::Command::Justwatching, 1, protocol::modeText(protocol::WatchMode::Play)));
    for (auto _ : state) {
        received.clear();
        client.write(quiet + QByteArray::fromStdString(wire::frame(marker)));
        if (!waitFor({answer})) {
            state.SkipWithError("the host did not answer");
            break;
        }
    }
    state.counters["messages/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * batch), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TServerIntake)->Arg(250)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
