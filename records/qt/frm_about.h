#pragma once
// The about box: the program's title and version, the label texts the program ships, and the
// credits that a click on the picture shows and hides (with a sound, whatever the sound level).
#include <QDialog>
#include <string>

#include "platform/sounds.h"

class QLabel;

struct AboutParts {
    std::string appFolder;
    int major = 0;
    int minor = 0;
    int revision = 0;
    Sounds* sounds = nullptr;
};

// "Version  8. 4. 0": each number as the runtime writes it, with its leading blank.
std::string AboutVersionLine(int major, int minor, int revision);

class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAbout(AboutParts parts, QWidget* parent = nullptr);

    void picIcon_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    AboutParts parts_;
    std::string aboutCreditText_;
    QLabel* credit_ = nullptr;
    QLabel* picIcon_ = nullptr;
};
