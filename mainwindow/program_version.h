#pragma once
// The program's version, as the splash window and the about box show it.
inline constexpr int kVersionMajor = 8;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 0;
