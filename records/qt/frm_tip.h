#pragma once
// "Quorvane Tip of the Day": one tip at a time from the tips file, Next and Previous wrapping
// around, and the box that decides whether the window opens at start-up. The window is not
// modal and stays above the main window; the number of the tip shown is kept for next time.
#include <QDialog>
#include <functional>
#include <string>

#include "platform/settings_store.h"
#include "records/tip_book.h"

class QCheckBox;
class QLabel;
class QPushButton;

struct TipParts {
    std::string appFolder;
    SettingsStore* settings = nullptr;
    // The start-up switch as start-up read it.
    bool showAtStartup = true;
    // Opens the help; without it the Help button is hidden.
    std::function<void()> showHelp;
};

class FrmTip : public QDialog {
    Q_OBJECT
  public:
    explicit FrmTip(TipParts parts, QWidget* parent = nullptr);

    long tipIndex() const { return book_.Index(); }

    // However the window goes (OK, Esc, the close box), the tip shown is kept for next time.
    void done(int result) override;

  private:
    void StepTip(bool back);
    void DisplayCurrentTip();

    TipParts parts_;
    TipBook book_;
    bool tipsLoaded_ = false;
    QLabel* lblTipText_ = nullptr;
    QCheckBox* chkLoadTipsAtStartup_ = nullptr;
};
