#include "board/anim_steps.h"

#include <gtest/gtest.h>

TEST(SlideSteps, SamePlaceSlidesAboutHalfACardRight) {
    const auto steps = SlideSteps({100, 50}, {100, 50}, 45);
    ASSERT_EQ(steps.size(), 36u);
    EXPECT_EQ(steps.back(), (BoxPos{136, 50}));
}

TEST(SlideSteps, FastestSpeedTakesOneOrTwoSteps) {
    // Left 400 px, up 300 px: the horizontal run leads and stops half a card short.
    const auto steps = SlideSteps({500, 400}, {100, 100}, 2);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], (BoxPos{300, 250}));
    EXPECT_EQ(steps[1], (BoxPos{100, 100}));
    EXPECT_EQ(SlideSteps({100, 100}, {100, 500}, 2).size(), 2u);  // down, stopping 48 short
}

TEST(SlideSteps, SlowestSpeedTakesUpTo250SmallSteps) {
    const auto steps = SlideSteps({10, 300}, {510, 100}, 250);
    // 500 px at 2 px a step, ending half a card past the target's left edge.
    EXPECT_EQ(steps.size(), 268u);
    EXPECT_EQ(steps.front(), (BoxPos{12, 299}));
    EXPECT_EQ(steps.back().left, 546);
    EXPECT_EQ(steps.back().top, 100);  // the vertical part stops on the target
    for (size_t i = 1; i < steps.size(); ++i) EXPECT_LE(steps[i].left - steps[i - 1].left, 2);
}

TEST(SlideSteps, MostlyVerticalMovesUpToTheTarget) {
    const auto steps = SlideSteps({200, 400}, {190, 100}, 10);
    EXPECT_EQ(steps.size(), 10u);
    EXPECT_EQ(steps.back().top, 100);
}

TEST(SlideSteps, SpeedZeroIsClampedInsteadOfDividingByZero) {
    EXPECT_EQ(ClampAnimationSpeed(0), 2);
    EXPECT_EQ(ClampAnimationSpeed(999), 250);
    EXPECT_EQ(SlideSteps({0, 0}, {400, 0}, 0).size(), SlideSteps({0, 0}, {400, 0}, 2).size());
}

TEST(SlideSteps, RealTimePacingPicksTheStepForTheElapsedTime) {
    EXPECT_EQ(StepAt(0, 10), 0);
    EXPECT_EQ(StepAt(kSlideStepSeconds * 3.5, 10), 3);
    EXPECT_EQ(StepAt(5.0, 10), 9);
}

TEST(SlideSteps, FramesComeAtTheScreensRateTheLastStepOnTimeAndTheEndAfterAllSteps) {
    struct Case {
        double shownAt;
        int shownStep;
        double frame;
        double next;
    };
    // A slide of 20 steps: 80 ms, its last step due at 76 ms.
    const Case cases[] = {
        {0.0, 0, 1 / 60.0, 1 / 60.0},  // a 60-frame screen: the next frame
        {0.07, 17, 1 / 60.0, 0.076},   // the last step comes before that frame would
        {0.076, 19, 1 / 60.0, 0.080},  // the last step shown: the end of the slide
        {0.010, 2, 0.001, 0.014},      // a screen faster than the steps: one step a frame
    };
    for (const Case& c : cases)
        EXPECT_NEAR(NextFrameAt(c.shownAt, c.shownStep, 20, c.frame), c.next, 1e-12) << c.shownAt;
    // A clock a rounding error short of the last step's time has reached it.
    EXPECT_EQ(StepAt(0.16799999999999993, 43), 42);
}
