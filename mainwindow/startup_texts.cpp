#include "mainwindow/startup_texts.h"

std::string SplashVersionText(int major, int minor, int revision) {
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string ColorsGreeting(const std::string& recordsText) {
    return std::string(startup_text::kColorsWelcome) + "\n\n" + recordsText;
}

std::string WelcomeLine(const std::string& playerName) {
    return "\nWelcome " + playerName + " to Brivo's World";
}

std::string UnexpectedStartupError(const std::string& description) {
    return "Unexpected error while setting up Quorvane!\n" + description;
}
