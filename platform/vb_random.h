#pragma once
// The classic runtime's random generator: a 24-bit linear congruential sequence, in integer
// arithmetic so that a seed gives the same numbers on every machine.
#include <cstdint>

class VbRandom {
  public:
    // The next number in [0, 1).
    float Rnd();
    // A negative argument reseeds from the argument's bits and returns the first number of the
    // repeatable sequence it starts; 0 repeats the last number; a positive one is Rnd().
    float Rnd(float n);
    // Mixes `seed` into the generator's state, as the runtime's Randomize does.
    void Randomize(double seed);

    std::uint32_t state() const { return seed_; }
    void set_state(std::uint32_t s) { seed_ = s & 0xFFFFFF; }

    // Int(Rnd * n) + 1: a draw from 1..n as the game's code writes it.
    int Draw1To(int n) { return static_cast<int>(Rnd() * static_cast<float>(n)) + 1; }

  private:
    void Step() { seed_ = (seed_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu; }
    float Current() const { return static_cast<float>(seed_) / 16777216.0f; }
    std::uint32_t seed_ = 0x50000;
};
