// Cards in motion on a 1920x1080 table: tricks played and swept while the
// program's own clock draws them. Prints the frames drawn while cards
// move, the frames dropped (a gap of more than 1.5 frames at 60 a second),
// the processor time the motion took, and the processor time of the idle
// table. Runs on the screen it is given (DISPLAY, or the offscreen one).
//   build/bench/motion_bench [--tricks N] [--frames DIR]
// --frames DIR draws the first trick's cards and its sweep into
// DIR/frame-NNN.png every 50 ms while they move, and measures nothing.
#include "board.h"
#include "boardlayout.h"
#include "tablemotion.h"
#include "tablestate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Notes when the table is drawn.
class PaintClock : public QObject {
public:
    explicit PaintClock(QElapsedTimer& clock) : m_clock(clock) {}
    std::vector<qint64> paints; // ms
protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            paints.push_back(m_clock.elapsed());
        }
        return false;
    }

private:
    QElapsedTimer& m_clock;
};

// A host line: the fields joined by "+", with the closing "+" when asked.
std::string line(std::initializer_list<std::string> fields, bool closed) {
    std::string text;
    for (const std::string& field : fields) {
        text.append(text.empty() ? "" : "+").append(field);
    }
    return closed ? text.append("+") : text;
}

void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Sleeps in the event loop until nothing moves, looking every 5 ms.
void waitUntilStill(const Board& board) {
    QEventLoop loop;
    QTimer look;
    look.setInterval(5);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (!board.motion().moving() && !board.handMoving()) {
            loop.quit();
        }
    });
    look.start();
    loop.exec();
}

// Draws the table into the folder every 50 ms until nothing moves.
void captureWhileMoving(Board& board, const QString& folder, int& frame) {
    do {
        board.grab().save(
            QStringLiteral("%1/frame-%2.png").arg(folder).arg(frame++, 3, 10, QLatin1Char('0')));
        pause(50);
    } while (board.motion().moving());
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int tricks = 13;
    QString frames;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--tricks") {
            tricks = std::clamp(std::atoi(argv[i + 1]), 1, 13);
        } else if (std::string(argv[i]) == "--frames") {
            frames = QString::fromLocal8Bit(argv[i + 1]);
        }
    }

    TableState state;
    state.setPlayerName("Me");
    QWidget window;
    window.resize(1920, 1080);
    Board board(state, &window);
    const qreal scale = std::min(1916.0 / boardlayout::kTableWidth, 1076.0 / board.kHeight);
    board.setScale(scale, static_cast<int>(1920 / scale));
    board.setMotionDuration(TableMotion::durationFor(1000));
    window.show();

    struct Refresh : TableEvents {
        Board* board = nullptr;
        void changed() override { board->refresh(); }
    } events;
    events.board = &board;
    state.setEvents(&events);
    for (const char* line : {"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me",
                             "CMD_startgame+Me+100+0+", "CMD_startround+1+"}) {
        state.apply(line);
    }
    // Each seat holds one suit: seat s the cards 13(s-1)+1 .. 13s.
    std::string mine = "CMD_mycards+1";
    for (int slot = 1; slot <= 13; ++slot) {
        mine.append("+").append(std::to_string(slot)).append("+").append(std::to_string(slot));
    }
    state.apply(mine);
    waitUntilStill(board);
    pause(300);

    if (!frames.isEmpty()) {
        int frame = 0;
        for (int seat = 2; seat <= 4; ++seat) {
            state.apply(line(
                {"CMD_heplayed", std::to_string(seat), std::to_string(13 * (seat - 1) + 1), "12"},
                true));
            captureWhileMoving(board, frames, frame);
        }
        state.apply(line({"CMD_heplayed", "1", "1", "12"}, true));
        captureWhileMoving(board, frames, frame);
        state.apply(line({"CMD_tooktrick", "4", "1"}, true));
        state.apply(line({"CMD_nextplayer", "4", "0"}, true));
        captureWhileMoving(board, frames, frame);
        std::printf("%d frames in %s\n", frame, qPrintable(frames));
        return 0;
    }

    QElapsedTimer clock;
    clock.start();
    PaintClock paintClock(clock);
    board.installEventFilter(&paintClock);
    qint64 movingMs = 0;
    std::size_t movingFrames = 0;
    int dropped = 0;
    const double cpuBefore = processSeconds();
    for (int trick = 0; trick < tricks; ++trick) {
        const int left = 12 - trick;
        for (int seat = 1; seat <= 4; ++seat) {
            const int card = 13 * (seat - 1) + trick + 1;
            paintClock.paints.clear();
            const qint64 start = clock.elapsed();
            state.apply(line(
                {"CMD_heplayed", std::to_string(seat), std::to_string(card), std::to_string(left)},
                true));
            waitUntilStill(board);
            movingMs += clock.elapsed() - start;
            movingFrames += paintClock.paints.size();
            for (std::size_t i = 1; i < paintClock.paints.size(); ++i) {
                dropped += paintClock.paints[i] - paintClock.paints[i - 1] > 25 ? 1 : 0;
            }
        }
        state.apply(line({"CMD_tooktrick", "1", std::to_string(trick + 1)}, true));
        paintClock.paints.clear();
        const qint64 start = clock.elapsed();
        state.apply("CMD_nextplayer+1+0+");
        waitUntilStill(board);
        movingMs += clock.elapsed() - start;
        movingFrames += paintClock.paints.size();
        for (std::size_t i = 1; i < paintClock.paints.size(); ++i) {
            dropped += paintClock.paints[i] - paintClock.paints[i - 1] > 25 ? 1 : 0;
        }
    }
    const double cpuMoving = processSeconds() - cpuBefore;

    // The table at rest: nothing drawn, no clock.
    paintClock.paints.clear();
    const double idleBefore = processSeconds();
    QElapsedTimer idle;
    idle.start();
    QTimer::singleShot(2000, &app, &QApplication::quit);
    QApplication::exec();
    const double cpuIdle = processSeconds() - idleBefore;

    std::printf("platform %s, table %dx%d at scale %.2f, %d ms a flight\n",
                qPrintable(QGuiApplication::platformName()), board.width(), board.height(), scale,
                board.motion().duration());
    std::printf("moving: %lld ms over %d tricks, %zu frames (%.1f a second), %d dropped\n",
                static_cast<long long>(movingMs), tricks, movingFrames,
                movingMs > 0 ? 1000.0 * static_cast<double>(movingFrames) / movingMs : 0.0,
                dropped);
    std::printf("processor while moving: %.0f ms (%.0f %% of one core)\n", cpuMoving * 1000,
                movingMs > 0 ? 100.0 * cpuMoving * 1000 / static_cast<double>(movingMs) : 0.0);
    std::printf("idle: %lld ms, %zu frames, processor %.1f ms (%.2f %%)\n",
                static_cast<long long>(idle.elapsed()), paintClock.paints.size(), cpuIdle * 1000,
                100.0 * cpuIdle * 1000 / std::max<qint64>(1, idle.elapsed()));
    return 0;
}
