#pragma once
// Sounds on Qt Multimedia. Without an audio device, or with a missing file, it stays silent.
#include <QObject>
#include <memory>
#include <vector>

#include "platform/sounds.h"

class QSoundEffect;

class QtSounds : public QObject, public Sounds {
    Q_OBJECT
  public:
    QtSounds();
    ~QtSounds() override;
    void PlaySound(const std::string& path, bool wait) override;
    void Beep() override;

  private:
    std::vector<std::unique_ptr<QSoundEffect>> playing_;
    bool haveDevice_ = false;
};
