// A card sliding across the real table as a deal moves it, from the stock to an opponent's hand:
// the time of one frame (the paint of what the card left and entered), and the frames a slide
// shows, on the offscreen screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>

#include "board/qt/table_view.h"
#include "tests/qt/mouse_game.h"

namespace {

// A wait that takes no time but paints what the wait would have let the screen show.
struct PaintingPump : EventPump {
    explicit PaintingPump(ManualClock& c) : clock(c) {}
    void Pump(bool, double wait) override {
        clock.Advance(wait);
        QApplication::processEvents();
        ++frames;
    }
    ManualClock& clock;
    long frames = 0;
};

void BM_DealSlideFrame(benchmark::State& state) {
    MouseGame m(static_cast<int>(state.range(0)));
    m.g.Rng.Randomize(3);
    m.Deal();
    ManualClock clock;
    PaintingPump pump(clock);
    BoardShell& s = *m.shell;
    QtBoard board(QtBoardParts{m.g, s.layout, m.looks, s.pictures, *m.view, clock, pump, nullptr,
                               nullptr, m.g.AppFolder, [&s] { s.ApplyWidgets(); }},
                  s.canvas);
    m.g.AnimationSpeed = 45;
    QApplication::processEvents();
    pump.frames = 0;
    double seconds = 0;
    for (auto _ : state) {
        board.PutMoverOnStock();
        m.g.Dealing = VbTrue;
        const auto start = std::chrono::steady_clock::now();
        board.MoveCardAnim(PileRow::Opp1, 0, PileRow::Opp1, 2);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        m.g.Dealing = VbFalse;
    }
    state.counters["frames_per_slide"] =
        benchmark::Counter(static_cast<double>(pump.frames) / state.iterations());
    state.counters["ms_per_frame"] = benchmark::Counter(1000 * seconds / std::max(pump.frames, 1L));
}
BENCHMARK(BM_DealSlideFrame)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
