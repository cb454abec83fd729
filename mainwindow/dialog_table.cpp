#include "mainwindow/dialog_table.h"

namespace {
std::size_t IndexOf(DialogForm form) {
    return static_cast<std::size_t>(form);
}
}  // namespace

const char* DialogFormTitle(DialogForm form) {
    switch (form) {
        case DialogForm::Save:
            return "Saved Games";
        case DialogForm::ScoreStat:
            return "Scores and Stats";
        case DialogForm::Options:
            return "Preferences";
        case DialogForm::Rules:
            return "House Rules";
        case DialogForm::Multi:
            return "Opponents Setup";
        case DialogForm::Speed:
            return "Speed";
        case DialogForm::Custom:
            return "Customize Comments";
        case DialogForm::Tip:
            return "Daily Tips";
        case DialogForm::Tutorial:
            return "Tutorial";
        case DialogForm::About:
            return "About";
        case DialogForm::Welcome:
            return "Change/New Player";
        case DialogForm::Players:
            return "Internet Game";
        case DialogForm::Chat:
            return "Chat";
        case DialogForm::RulesNET:
            return "Host Setup and Rules";
        case DialogForm::MultiNET:
            return "Internet Players Setup";
        case DialogForm::Sounds:
            return "Chat Sounds";
        case DialogForm::ScoresNet:
            return "Internet Game Scores";
        case DialogForm::Help:
            return "Help";
    }
    return "Quorvane";
}

void DialogTable::Register(DialogForm form, Opener opener) {
    if (IndexOf(form) < kForms) openers_[IndexOf(form)] = std::move(opener);
}

bool DialogTable::Has(DialogForm form) const {
    return IndexOf(form) < kForms && static_cast<bool>(openers_[IndexOf(form)]);
}

DialogResult DialogTable::Open(DialogForm form, int mode, const std::string& topic) {
    if (Has(form)) {
        // A copy: the opener may register again while its window is open.
        const Opener opener = openers_[IndexOf(form)];
        return opener(mode, topic);
    }
    dialogs_.MsgBox(kNotAvailableText, mb::Information, DialogFormTitle(form));
    DialogResult r;
    r.Available = false;
    r.CancelFlag = true;
    return r;
}
