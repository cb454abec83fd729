#pragma once
// "Online Personality Sounds": the player ticks up to three personalities whose chat sounds the
// chat window then offers; Update copies their sounds into the Sounds folder.
#include <QDialog>
#include <string>
#include <vector>

#include "net/chat_sound_sets.h"

class QLabel;
class QListWidget;

class FrmSounds : public QDialog {
    Q_OBJECT
  public:
    FrmSounds(const std::string& appFolder, const std::vector<PersonalityEntry>& personalities,
              ChatSoundSet& chosen, Dialogs& dialogs, QWidget* parent = nullptr);

  private:
    ChatSoundSets sets_;
    QListWidget* lstSounds_ = nullptr;
    QLabel* lblDescription_ = nullptr;
};
