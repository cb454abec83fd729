#include "records/speed_settings.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<const char*, kSpeedLevels> kWords{"coma",   "turtle", "human",
                                                       "rabbit", "blink",  "light"};
constexpr std::array<float, kSpeedLevels> kPauses{0.7f, 0.5f, 0.3f, 0.2f, 0.05f, 0.02f};
constexpr std::array<i16, kAnimationPositions> kSteps{2,   10,  20,  45,  70, 95,
                                                      120, 150, 180, 220, 250};
constexpr i16 kDefaultAnimationSpeed = 45;

bool InRange(int i, int count) {
    return i >= 0 && i < count;
}
}  // namespace

std::string SpeedWord(int level) {
    return InRange(level, kSpeedLevels) ? kWords[level] : "";
}

float SpeedBarPause(int level) {
    return InRange(level, kSpeedLevels) ? kPauses[level] : kPauses[2];
}

i16 AnimationSpeedAt(int position) {
    return InRange(position, kAnimationPositions) ? kSteps[position] : kDefaultAnimationSpeed;
}

int AnimationPosition(int animationSpeed) {
    for (int i = 0; i < kAnimationPositions; ++i)
        if (kSteps[i] == animationSpeed) return i;
    return -1;
}

SpeedBars OpenSpeedDialog(PlayOptions& options) {
    if (options.AnimationSpeed == 0) options.AnimationSpeed = kDefaultAnimationSpeed;
    SpeedBars bars;
    bars.speed = InRange(options.SpeedLevel, kSpeedLevels) ? options.SpeedLevel : 0;
    bars.animation = std::max(0, AnimationPosition(options.AnimationSpeed));
    return bars;
}

void SpeedBarChanged(PlayOptions& options, int level) {
    if (!InRange(level, kSpeedLevels)) return;
    options.SpeedLevel = static_cast<i16>(level);
    options.MovePause = kPauses[level];
}

void AnimationBarChanged(PlayOptions& options, int position) {
    if (!InRange(position, kAnimationPositions)) return;
    options.AnimationSpeed = kSteps[position];
}
