// The speed dialog's two tables and what opening and moving the bars do to the settings.
#include "records/speed_settings.h"

#include <gtest/gtest.h>

TEST(SpeedSettings, TheSpeedBarSetsItsOwnPauses) {
    const struct {
        int level;
        const char* word;
        float pause;
    } rows[] = {{0, "coma", 0.7f},   {1, "turtle", 0.5f}, {2, "human", 0.3f},
                {3, "rabbit", 0.2f}, {4, "blink", 0.05f}, {5, "light", 0.02f}};
    for (const auto& r : rows) {
        PlayOptions o;
        o.MovePause = 9;
        SpeedBarChanged(o, r.level);
        EXPECT_EQ(o.SpeedLevel, r.level);
        EXPECT_FLOAT_EQ(o.MovePause, r.pause) << r.word;
        EXPECT_EQ(SpeedWord(r.level), r.word);
    }
    PlayOptions o;
    SpeedBarChanged(o, 6);  // off the bar: nothing changes
    EXPECT_EQ(o.SpeedLevel, 2);
}

TEST(SpeedSettings, TheAnimationBarSteps) {
    const i16 steps[] = {2, 10, 20, 45, 70, 95, 120, 150, 180, 220, 250};
    for (int pos = 0; pos < 11; ++pos) {
        PlayOptions o;
        AnimationBarChanged(o, pos);
        EXPECT_EQ(o.AnimationSpeed, steps[pos]);
        EXPECT_EQ(AnimationPosition(steps[pos]), pos);
    }
    EXPECT_EQ(AnimationPosition(33), -1);
}

TEST(SpeedSettings, OpeningShowsTheSettingsAndMendsOnlyAMissingAnimationStep) {
    PlayOptions o;
    o.SpeedLevel = 4;
    o.MovePause = 0.05f;
    o.AnimationSpeed = 0;
    SpeedBars bars = OpenSpeedDialog(o);
    EXPECT_EQ(bars.speed, 4);
    EXPECT_EQ(bars.animation, 3);
    EXPECT_EQ(o.AnimationSpeed, 45);
    EXPECT_FLOAT_EQ(o.MovePause, 0.05f);

    o.AnimationSpeed = 33;  // not a step of the bar: kept until the bar is moved
    bars = OpenSpeedDialog(o);
    EXPECT_EQ(bars.animation, 0);
    EXPECT_EQ(o.AnimationSpeed, 33);
}
