#pragma once
// The speed dialog's tables: the computer's speed words and the pause each sets while the
// player moves the speed bar, and the card-animation step of each position of the animation
// bar. (Loading a profile sets the pause from a table of its own.)
#include <string>

#include "engine/flow_state.h"

constexpr int kSpeedLevels = 6;
constexpr int kAnimationPositions = 11;

// "coma", "turtle", "human", "rabbit", "blink", "light"; "" outside 0-5.
std::string SpeedWord(int level);
// The computer's pause (seconds) the speed bar sets for level 0-5.
float SpeedBarPause(int level);
// The animation step of bar position 0-10.
i16 AnimationSpeedAt(int position);
// The bar position of an animation step, or -1 when the step is not one of the table's.
int AnimationPosition(int animationSpeed);

// What the two bars show when the dialog opens; an animation step of 0 first becomes 45.
struct SpeedBars {
    int speed = 0;
    int animation = 0;  // a step not in the table leaves the bar at its start (0)
};
SpeedBars OpenSpeedDialog(PlayOptions& options);
// The bars moved by the player: the settings change at once.
void SpeedBarChanged(PlayOptions& options, int level);
void AnimationBarChanged(PlayOptions& options, int position);
