#pragma once
// A 38-byte score record: a name and four numbers. "Data/scores.ran" keeps machine-wide
// settings and the computer players' best runs in it; the Internet score files keep one row per
// opponent (games played, games won, margin total, the file's position marker).
#include <array>
#include <string>

#include "platform/record_buffer.h"

struct ScoreRecord {
    static constexpr size_t kSize = 38;

    std::string Name;              // 30 characters
    std::array<i16, 4> Numbers{};  // first to fourth number

    void Encode(RecordBuffer& buf, size_t at = 0) const;
    void Decode(const RecordBuffer& buf, size_t at = 0);
};
