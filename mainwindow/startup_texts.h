#pragma once
// The texts start-up shows: the refusals, the splash window's version line, the first-start
// greeting and the welcome line of the main window.
#include <string>

namespace startup_text {
inline constexpr const char* kTitle = "Quorvane";
inline constexpr const char* kAlreadyRunning =
    "The game is already running. Check your Windows task bar to bring it up or use the Task "
    "Manager to end the game.";
inline constexpr const char* kFilesMissing = "Unable to start Quorvane!\n\nFiles are missing.";
inline constexpr const char* kColorsTitle = "256 Colors Detected";
inline constexpr const char* kColorsWelcome = "Welcome to Quorvane: Brivo & Tessik!";
inline constexpr const char* kAdjustQuestion =
    "Would you like to adjust your Color Palette setting now?";
inline constexpr const char* kAdjustTitle = "Adjust Display Properties";
inline constexpr const char* kEnjoyTitle = "Enjoy playing!";
// Records of "Data/snack.ade" the greeting shows.
inline constexpr int kColorsFirst = 1, kColorsLast = 3;
inline constexpr int kEnjoyFirst = 29, kEnjoyLast = 31;
}  // namespace startup_text

// "Version 8.4.0".
std::string SplashVersionText(int major, int minor, int revision);

// The 256-colour greeting: the welcome line, an empty line and the text of records 1 to 3.
std::string ColorsGreeting(const std::string& recordsText);

// The main window's message line after sign-in.
std::string WelcomeLine(const std::string& playerName);

// A start-up step that failed for a reason nobody foresaw.
std::string UnexpectedStartupError(const std::string& description);
