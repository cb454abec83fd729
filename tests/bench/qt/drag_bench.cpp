// The pointer during a drag: the time from one mouse move over the table to the dragged card
// painted at its new place, on the real main window (offscreen screen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <algorithm>

#include "board/qt/table_view.h"
#include "tests/qt/mouse_game.h"

namespace {

// Counts the table's paints, to show that each move was painted within its measured time.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_PointerMoveDuringDrag(benchmark::State& state) {
    MouseGame m(static_cast<int>(state.range(0)));
    m.g.Rng.Randomize(3);
    m.Deal();
    while (m.g.Pturn != 1 && m.GameOn()) m.Deal();
    const QPoint from = m.Middle("Picture7", 3);
    QTest::mousePress(m.view, Qt::LeftButton, {}, from);
    QApplication::processEvents();
    PaintCounter counter;
    m.view->installEventFilter(&counter);
    int i = 0;
    for (auto _ : state) {
        // Back and forth over the center row, so that each move uncovers and covers cards.
        const int dx = (i % 40) * 8 - 160, dy = -((i % 20) * 10);
        QTest::mouseMove(m.view, from + QPoint(dx, dy));
        QApplication::processEvents();  // the paint the move asked for, done now
        ++i;
    }
    state.counters["paints_per_move"] =
        benchmark::Counter(static_cast<double>(counter.paints) / std::max(i, 1));
    QTest::mouseRelease(m.view, Qt::LeftButton, {}, from);
    if (m.g.Dragging != 0) state.SkipWithError("the drag did not end");
}
BENCHMARK(BM_PointerMoveDuringDrag)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
