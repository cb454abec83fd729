#include "board/anim_steps.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr double kHalfCardWidth = 35.5;
constexpr int kHalfCardHeight = 48;

int StepSize(int distance, int speed) {
    const int step = static_cast<int>(std::nearbyint(static_cast<double>(distance) / speed));
    return step == 0 ? 1 : step;
}

// The slide's main direction runs the loop; the other moves along with each step.
void SlideMostlySideways(BoxPos from, BoxPos to, int stepX, int stepY, std::vector<BoxPos>& out) {
    BoxPos p = from;
    const bool left = from.left > to.left;
    while (left ? p.left > to.left + kHalfCardWidth : p.left < to.left + kHalfCardWidth) {
        p.left += left ? -stepX : stepX;
        if (to.top >= from.top) {
            if (p.top < to.top) p.top += stepY;
        } else if (p.top > to.top) {
            p.top -= stepY;
        }
        out.push_back(p);
    }
}

void SlideMostlyUpOrDown(BoxPos from, BoxPos to, int stepX, int stepY, std::vector<BoxPos>& out) {
    BoxPos p = from;
    const bool up = to.top <= from.top;
    while (up ? p.top > to.top : p.top < to.top - kHalfCardHeight) {
        p.top += up ? -stepY : stepY;
        p.left += p.left > to.left ? -stepX : stepX;
        out.push_back(p);
    }
}
}  // namespace

int ClampAnimationSpeed(int speed) {
    return std::clamp(speed, 2, 250);
}

std::vector<BoxPos> SlideSteps(BoxPos from, BoxPos to, int animationSpeed) {
    const int speed = ClampAnimationSpeed(animationSpeed);
    const int dx = std::abs(from.left - to.left);
    const int dy = std::abs(from.top - to.top);
    const int stepX = StepSize(dx, speed);
    const int stepY = StepSize(dy, speed);
    std::vector<BoxPos> out;
    if (dx >= dy)
        SlideMostlySideways(from, to, stepX, stepY, out);
    else
        SlideMostlyUpOrDown(from, to, stepX, stepY, out);
    return out;
}

int StepAt(double elapsedSeconds, int stepCount) {
    if (stepCount <= 0) return 0;
    const int step = static_cast<int>((elapsedSeconds + kClockSlackSeconds) / kSlideStepSeconds);
    return std::clamp(step, 0, stepCount - 1);
}

double NextFrameAt(double shownAt, int shownStep, int stepCount, double frameSeconds) {
    if (shownStep >= stepCount - 1) return stepCount * kSlideStepSeconds;
    const double next = shownAt + std::max(frameSeconds, kSlideStepSeconds);
    return std::min(next, (stepCount - 1) * kSlideStepSeconds);
}
