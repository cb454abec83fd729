#pragma once
// The path of a sliding card: the positions its box takes on the way from its pile towards the
// target pile, one per step. A move takes about AnimationSpeed steps and stops about half a card
// short of the target; the caller draws the card at the target afterwards.
#include <vector>

struct BoxPos {
    int left = 0;
    int top = 0;
    bool operator==(const BoxPos&) const = default;
};

// The speeds the speed dialog offers run from 2 to 250; anything else (0 from an old profile
// would divide by zero) is brought into that range.
int ClampAnimationSpeed(int speed);

// Every position after each step, the start excluded.
std::vector<BoxPos> SlideSteps(BoxPos from, BoxPos to, int animationSpeed);

// Steps are paced by the clock: each takes this long, so a speed looks the same on every machine.
constexpr double kSlideStepSeconds = 0.004;
// A clock that moves by exactly the time waited can land a rounding error short of a moment:
// times this close to it count as reaching it.
constexpr double kClockSlackSeconds = 1e-9;
// The step to show `elapsed` seconds into a slide of `stepCount` steps (0-based, at most the last).
int StepAt(double elapsedSeconds, int stepCount);
// Seconds into a slide at which it next shows a frame, after showing step `shownStep` at
// `shownAt`: a display frame later (a screen shows no more), but the last step as soon as its
// time comes, so the card still reaches the end of its path when it did; once the last step
// shows, the end of the slide, which takes `stepCount` steps' time whatever the frame rate.
double NextFrameAt(double shownAt, int shownStep, int stepCount, double frameSeconds);
