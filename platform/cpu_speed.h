#pragma once
// The processor's clock, read from what Linux reports, and the animation speed it suggests.

// The highest clock of the first processor in MHz (cpufreq, else /proc/cpuinfo); 0 when unknown.
// `root` lets tests point the reads at a fake tree.
long ReadCpuMhz(const char* root = "");

// Animation speed by clock: below 850 MHz 20, below 1800 45, below 2400 70, else 95.
int AnimationSpeedForMhz(long mhz);
