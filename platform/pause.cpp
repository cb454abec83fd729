#include "platform/pause.h"

#include <algorithm>
#include <chrono>

double SteadyClock::Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void Pauser::Pause(double seconds) {
    const double start = clock_.Now();
    const double end = start + seconds;
    // The pump wakes at least this often so that the stop flag and the clock are re-read.
    constexpr double kSlice = 0.015;
    for (double now = start; now < end && stop_ == VbFalse; now = clock_.Now())
        pump_.Pump(flip_ == VbFalse, std::min(kSlice, end - now));
    paused_ += std::max(0.0, clock_.Now() - start);
}
