#pragma once
// Message boxes on QMessageBox, with the buttons and icons the style bits ask for.
#include "platform/dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    int MsgBox(const std::string& text, int style, const std::string& title) override;

  private:
    QWidget* parent_;
};
