#pragma once
// Message boxes on QMessageBox, with the buttons and icons the style bits ask for; the input box,
// the file choosers and the colour chooser on Qt's own dialogs.
#include "platform/dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    int MsgBox(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& folder,
                                              const std::string& filter) override;
    std::optional<i32> ChooseColor(i32 initial) override;

  private:
    QWidget* parent_;
};
