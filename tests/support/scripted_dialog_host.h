#pragma once
// The dialog host of the tests: every window opened is noted, and what the player decided comes
// from a script (in order; then `fallback`), or from `respond` when a test answers by form.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/ports/dialog_host.h"

class ScriptedDialogHost : public DialogHost {
  public:
    struct Opened {
        DialogForm form;
        int mode;
        std::string topic;
    };

    DialogResult Open(DialogForm form, int mode, const std::string& topic) override {
        opened.push_back({form, mode, topic});
        if (respond) return respond(form, mode, topic);
        if (results.empty()) return fallback;
        DialogResult r = std::move(results.front());
        results.pop_front();
        return r;
    }

    int Count(DialogForm form) const {
        int n = 0;
        for (const Opened& o : opened) n += o.form == form ? 1 : 0;
        return n;
    }

    std::vector<Opened> opened;
    std::deque<DialogResult> results;
    DialogResult fallback{};
    std::function<DialogResult(DialogForm, int, const std::string&)> respond;
};
