#pragma once
// The developer's label aid (Ctrl+F10): the first press shows every label of a window and names
// each empty one after its control ("Label9 1"); the next press takes back what the first did,
// so the table stands as before. What the game changed meanwhile stays as the game left it.
#include <map>
#include <string>

#include "board/layout_control.h"

class LabelNames {
  public:
    // Shows the names, or takes them away again.
    void Toggle(FormModel& form);
    bool Shown() const { return shown_; }

  private:
    void Show(FormModel& form);
    void Hide(FormModel& form);

    // A control the aid showed or named: how it stood before, and what the aid left in it.
    struct Changed {
        bool wasVisible = true;
        std::string captionBefore;
        std::string captionAfter;
        std::string picture;
    };
    std::map<std::string, Changed> changed_;
    bool shown_ = false;
};
