#pragma once
// The record numbers the hidden tutorial-position keys may save to and restore from: the
// tutorial's own positions begin at 31, after the player's slots and the automatic saves, and
// the store is not to grow without bound from one typed number.
#include <optional>
#include <string>

inline constexpr int kFirstTutorialSlot = 31;
inline constexpr int kLastTutorialSlot = 50;

// The record number typed, when it is a whole number from 31 to 50 (blanks around it allowed).
std::optional<int> TutorialSlot(const std::string& typed);
