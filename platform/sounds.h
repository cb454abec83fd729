#pragma once
// Sound playback by file name. A machine without sound, or a missing file, plays nothing and
// never fails the game.
#include <string>

class Sounds {
  public:
    virtual ~Sounds() = default;
    // Plays the file; `wait` true returns only when it has finished.
    virtual void PlaySound(const std::string& path, bool wait) = 0;
    // The system's warning beep.
    virtual void Beep() = 0;
};
