#include "records/tutorial_script.h"

#include <array>

#include "platform/vb_strings.h"
#include "records/text_lines.h"

namespace {

char CharAt(std::string_view s, size_t i) {
    return i < s.size() ? s[i] : ' ';
}

// Two characters read as a number the way the runtime's Val reads them: "07", " 7" and "7x" are
// 7, "x7" is 0.
int TwoDigits(std::string_view s, size_t at) {
    if (at >= s.size()) return 0;
    const double v = Val(s.substr(at, 2));
    return v > 0 && v < 100 ? static_cast<int>(v) : 0;
}

constexpr std::array<TutorialBackRange, 8> kBackRanges{{{6, 8, 31},
                                                        {10, 11, 32},
                                                        {12, 14, 33},
                                                        {16, 17, 34},
                                                        {18, 19, 35},
                                                        {20, 21, 36},
                                                        {22, 28, 37},
                                                        {29, 32, 38}}};

}  // namespace

TutorialStepLine ParseTutorialLine(std::string_view line) {
    const std::string expanded = ExpandParagraphs(line);
    const size_t p = expanded.find('<');
    if (p == std::string::npos) return {expanded, std::nullopt};
    const std::string_view d = std::string_view(expanded).substr(p);
    TutorialDirective dir;
    dir.L1 = CharAt(d, 1);
    dir.N1 = TwoDigits(d, 3);
    dir.L2 = CharAt(d, 5);
    dir.N2 = TwoDigits(d, 7);
    return {expanded.substr(0, p), dir};
}

std::optional<TutorialBackRange> TutorialBackRangeOf(int step) {
    for (const TutorialBackRange& r : kBackRanges)
        if (step >= r.first && step <= r.last) return r;
    return std::nullopt;
}
