#include "platform/vb_random.h"

#include <cstring>

float VbRandom::Rnd() {
    Step();
    return Current();
}

float VbRandom::Rnd(float n) {
    if (n < 0) {
        std::uint32_t bits;
        std::memcpy(&bits, &n, sizeof bits);
        seed_ = (bits + (bits >> 24)) & 0xFFFFFF;
        Step();
        return Current();
    }
    if (n == 0) return Current();
    return Rnd();
}

void VbRandom::Randomize(double seed) {
    std::uint64_t bits;
    std::memcpy(&bits, &seed, sizeof bits);
    auto hi = static_cast<std::uint32_t>(bits >> 32);
    std::uint32_t mixed = (hi ^ (hi >> 16)) & 0xFFFF;
    seed_ = (seed_ & 0xFF0000FFu) | (mixed << 8);
    seed_ &= 0xFFFFFF;
}
