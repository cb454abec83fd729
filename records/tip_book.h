#pragma once
// The tips of the day: the tips file, the number of the tip shown and the steps between tips,
// and the two settings the tips window keeps.
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace tip_settings {
inline constexpr const char* kSection = "Options9";
inline constexpr const char* kShowAtStartup = "Show Tips at Startup";
inline constexpr const char* kTipNumber = "Tip Number";
}  // namespace tip_settings

inline constexpr const char* kTipsFileName = "TIPOFDAY.TXT";

// Shown in place of a tip when the tips file is missing (or holds no tip).
std::string MissingTipsText();

class TipBook {
  public:
    // Reads the tips file; false when it is missing or holds no tip.
    bool Load(const std::string& path);
    void SetTips(std::vector<std::string> tips) { tips_ = std::move(tips); }

    // The stored number of the tip shown last. A number below 0 (a damaged setting) counts as
    // none shown yet.
    void SetIndex(long stored) { index_ = stored < 0 ? 0 : stored; }
    long Index() const { return index_; }
    int Count() const { return static_cast<int>(tips_.size()); }

    // One tip forward (after the last comes the first) or back (before the first the last).
    void Step(bool back);
    // The current tip with its paragraph breaks; empty when there is none.
    std::string Text() const;

  private:
    std::vector<std::string> tips_;
    long index_ = 0;
};

// The tip number kept between openings of the window (0 when missing or not a number).
long StoredTipNumber(SettingsStore& settings);
void StoreTipNumber(SettingsStore& settings, long index);
// Whether the tips window opens at start-up: a missing value reads as yes.
bool ShowTipsAtStartup(SettingsStore& settings);
void StoreShowTipsAtStartup(SettingsStore& settings, bool show);
