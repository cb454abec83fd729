#pragma once
// "Speed Settings": the computer's playing speed and the card-animation speed, each on a scroll
// bar. Moving a bar changes the setting at once; the profile keeps it when it is next written.
#include <QDialog>

#include "engine/flow_state.h"

class QLabel;
class QScrollBar;

class FrmSpeed : public QDialog {
    Q_OBJECT
  public:
    FrmSpeed(PlayOptions& options, QWidget* parent = nullptr);

  private:
    void ShowSpeed(int level);
    void ShowAnimation(int position);

    PlayOptions& options_;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* lblAni_ = nullptr;
};
