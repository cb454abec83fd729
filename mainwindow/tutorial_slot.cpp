#include "mainwindow/tutorial_slot.h"

#include "platform/vb_strings.h"

std::optional<int> TutorialSlot(const std::string& typed) {
    const std::string t = Trim(typed);
    if (t.empty() || t.size() > 3) return std::nullopt;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < kFirstTutorialSlot || n > kLastTutorialSlot) return std::nullopt;
    return n;
}
