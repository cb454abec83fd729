#include "board/flash_sequence.h"

std::vector<FlashStep> FlashSteps(int style) {
    std::vector<FlashStep> steps;
    int frame = 0;
    bool forward = true;
    while (steps.size() < 14) {
        double seconds = 0.25;
        if (forward) {
            ++frame;
            if (frame == 1) seconds = 0.45;
            if (frame == kFlashFrames) {
                forward = false;
                seconds = 0.75;
            }
        } else {
            --frame;
            if (frame == 0) break;
        }
        steps.push_back({frame, seconds});
        // Style 1 runs forward again instead of turning back.
        if (style == 1 && !forward) {
            frame = 0;
            forward = true;
        }
    }
    return steps;
}

std::string FlashFramesOwner(const std::string& personality) {
    return personality == "Pellor" ? "Ruun" : personality;
}

std::string FlashFrameFile(const std::string& owner, int n) {
    return owner + std::to_string(n) + ".png";
}
