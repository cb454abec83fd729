#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "mainwindow/qt/frm_brivo.h"
#include "platform/pause.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_settings_store.h"

namespace {
QApplication& App() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
}  // namespace

TEST(Shell, PauseKeepsEventsFlowingAndEndsWhenAnEventRaisesTheStopFlag) {
    App();
    SteadyClock clock;
    QtEventPump pump;
    i16 stop = VbFalse, flip = VbFalse;
    Pauser pauser(clock, pump, stop, flip);
    QTimer::singleShot(50, [&] { stop = VbTrue; });
    const double start = clock.Now();
    pauser.Pause(30);
    EXPECT_EQ(stop, VbTrue);
    EXPECT_LT(clock.Now() - start, 2.0);
}

TEST(Shell, SettingsSurviveANewStore) {
    App();
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    {
        QtSettingsStore store;
        store.SaveSetting("Options9", "Tip Number", "4");
    }
    QtSettingsStore again;
    EXPECT_EQ(again.GetSetting("Options9", "Tip Number", "0"), "4");
    EXPECT_EQ(again.GetSetting("Options9", "Show Tips at Startup", "1"), "1");
}
