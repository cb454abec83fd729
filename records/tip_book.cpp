#include "records/tip_book.h"

#include <cmath>

#include "platform/vb_strings.h"
#include "records/text_lines.h"

std::string MissingTipsText() {
    return std::string("That the ") + kTipsFileName +
           " file was not found? \n\nCreate a text file named " + kTipsFileName +
           " using NotePad with 1 tip per line. Then place it in the same directory as the "
           "application. ";
}

bool TipBook::Load(const std::string& path) {
    auto lines = ReadTextLines(path);
    if (!lines || lines->empty()) return false;
    tips_ = std::move(*lines);
    return true;
}

void TipBook::Step(bool back) {
    const long n = Count();
    if (n == 0) return;
    if (back) {
        --index_;
        if (index_ < 1) index_ = n;
    } else {
        ++index_;
        if (index_ > n) index_ = 1;
    }
}

std::string TipBook::Text() const {
    if (index_ < 1 || index_ > Count()) return "";
    return ExpandParagraphs(tips_[static_cast<size_t>(index_ - 1)]);
}

long StoredTipNumber(SettingsStore& settings) {
    const double v =
        Val(settings.GetSetting(tip_settings::kSection, tip_settings::kTipNumber, "0"));
    // Anything a text can hold: keep it within what an index can be.
    if (!std::isfinite(v) || v < 0) return 0;
    return v > 1e9 ? 1000000000L : static_cast<long>(v);
}

void StoreTipNumber(SettingsStore& settings, long index) {
    settings.SaveSetting(tip_settings::kSection, tip_settings::kTipNumber, std::to_string(index));
}

bool ShowTipsAtStartup(SettingsStore& settings) {
    return Val(settings.GetSetting(tip_settings::kSection, tip_settings::kShowAtStartup, "1")) == 1;
}

void StoreShowTipsAtStartup(SettingsStore& settings, bool show) {
    settings.SaveSetting(tip_settings::kSection, tip_settings::kShowAtStartup, show ? "1" : "0");
}
