#include "platform/cpu_speed.h"

#include <fstream>
#include <string>

#include "platform/vb_strings.h"

namespace {
constexpr int kMaxMhz = 1'000'000;
}

long ReadCpuMhz(const char* root) {
    const std::string base = root;
    std::ifstream freq(base + "/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
    long khz = 0;
    if (freq >> khz && khz > 0) return khz / 1000;
    std::ifstream info(base + "/proc/cpuinfo");
    std::string line;
    while (std::getline(info, line)) {
        if (line.rfind("cpu MHz", 0) != 0) continue;
        auto colon = line.find(':');
        if (colon != std::string::npos) return ClampToInt(Val(line.substr(colon + 1)), 0, kMaxMhz);
    }
    return 0;
}

int AnimationSpeedForMhz(long mhz) {
    if (mhz < 850) return 20;
    if (mhz < 1800) return 45;
    if (mhz < 2400) return 70;
    return 95;
}
