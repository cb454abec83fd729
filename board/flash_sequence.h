#pragma once
// The frames of a personality's end-of-game show: seven pictures shown forward then back (or
// forward twice for style 1), each for its own time, at a place that depends on the table.
#include <string>
#include <vector>

struct FlashStep {
    int frame = 0;       // 1-7
    double seconds = 0;  // how long it stays
    bool operator==(const FlashStep&) const = default;
};

constexpr int kFlashFrames = 7;

std::vector<FlashStep> FlashSteps(int style);

// The personality whose frames a show uses: Pellor shares Ruun's.
std::string FlashFramesOwner(const std::string& personality);

// The frame file of a personality in Data/PMS, n 1-7.
std::string FlashFrameFile(const std::string& owner, int n);
