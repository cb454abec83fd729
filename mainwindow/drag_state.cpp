#include "mainwindow/drag_state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kHomeStep = 60;

i16 Between(i16 a, i16 b, float t) {
    return static_cast<i16>(
        std::floor(static_cast<float>(b - a) * t + static_cast<float>(a) + 0.5f));
}
}  // namespace

PixelPoint InterpolatePoint(i16 x1, i16 y1, i16 x2, i16 y2, float t) {
    return {Between(x1, x2, t), Between(y1, y2, t)};
}

std::vector<PixelPoint> HomePath(i16 curX, i16 curY, i16 homeX, i16 homeY) {
    const int dist = std::max(std::abs(curX - homeX), std::abs(curY - homeY));
    std::vector<PixelPoint> path;
    for (int i = 0; dist > 0 && i <= dist; i += kHomeStep)
        path.push_back(InterpolatePoint(curX, curY, homeX, homeY,
                                        static_cast<float>(i) / static_cast<float>(dist)));
    path.push_back({homeX, homeY});
    return path;
}
