#pragma once
// The program's dialog host: each window registers how it is opened, once, where it is built;
// a form nobody registered tells the player it is not there yet. The table lets every window
// join the host on its own, in any order, without the callers changing.
#include <array>
#include <functional>
#include <string>

#include "engine/ports/dialog_host.h"
#include "platform/dialogs.h"

inline constexpr const char* kNotAvailableText = "This window is not available yet.";

// The form's name as the player reads it in the "not available" box.
const char* DialogFormTitle(DialogForm form);

class DialogTable : public DialogHost {
  public:
    using Opener = std::function<DialogResult(int mode, const std::string& topic)>;

    explicit DialogTable(Dialogs& dialogs) : dialogs_(dialogs) {}
    // `opener` opens `form` from now on (a second registration replaces the first).
    void Register(DialogForm form, Opener opener);
    bool Has(DialogForm form) const;

    DialogResult Open(DialogForm form, int mode, const std::string& topic) override;

  private:
    static constexpr std::size_t kForms = static_cast<std::size_t>(DialogForm::Help) + 1;
    Dialogs& dialogs_;
    std::array<Opener, kForms> openers_{};
};
