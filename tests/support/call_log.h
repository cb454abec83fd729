#pragma once
// The calls a headless game made to the outside, one line each, for tests to read.
#include <string>
#include <vector>

struct CallLog {
    std::vector<std::string> lines;
    bool enabled = true;  // long self-play runs switch it off

    void Add(std::string line) {
        if (enabled) lines.push_back(std::move(line));
    }
    bool Contains(const std::string& fragment) const {
        for (const auto& l : lines)
            if (l.find(fragment) != std::string::npos) return true;
        return false;
    }
    void Clear() { lines.clear(); }
};
