#pragma once
// A table without a screen for the Qt tests: a laid-out two-player table with its pictures,
// drawn boxes and view, and a clock that moves only when the board waits.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "board/model_canvas.h"
#include "board/qt/card_pictures.h"
#include "board/qt/table_view.h"
#include "board/table_layout.h"
#include "tests/qt/qt_test_app.h"

// Advances the manual clock as a pause would, counting the frames; `at` lets a test act then.
struct TestPump : EventPump {
    explicit TestPump(ManualClock& c) : clock(c) {}
    void Pump(bool, double wait) override {
        clock.Advance(wait);
        ++frames;
        if (at) at(clock.Now());
    }
    ManualClock& clock;
    int frames = 0;
    std::function<void(double)> at;
};

struct TableFixture : ::testing::Test {
    QApplication& app = TestApp();  // before any widget
    QTemporaryDir dir;
    Game g;
    BoardLooks looks;
    TableLayout layout{15360, false};
    CardPictures pics{1.0};
    ModelCanvas canvas{layout.Form()};
    TableView view{layout.Form(), canvas, pics, looks};
    ManualClock clock;
    TestPump pump{clock};

    void LayOut(int players = 2, int centers = 3) {
        g.NumPlayers = static_cast<i16>(players);
        g.NumCenters = static_cast<i16>(centers);
        layout.StartUp(g, 0);
        view.resize(int(layout.Form().Width), int(layout.Form().Height));
    }
};
