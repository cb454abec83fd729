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
// The step to show `elapsed` seconds into a slide of `stepCount` steps (0-based, at most the last).
int StepAt(double elapsedSeconds, int stepCount);
