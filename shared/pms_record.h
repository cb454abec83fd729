#pragma once
// A personality file "Data/PMS/<name>.pms": one record of 4580 bytes with the description and
// the 35 remarks, the sound file names of the fifteen sound events (default and custom) and the
// default avatar picture.
#include <array>
#include <string>

#include "platform/record_buffer.h"

constexpr int kSoundEvents = 15;

struct PmsRecord {
    static constexpr size_t kSize = 4580;

    // Line 0 the description, 1-35 the remarks; 100 characters each.
    std::array<std::string, 36> Comments{};
    // 30 characters each: 0 a number as text, 1 unused, 2e the default and 2e + 1 the custom
    // sound of event e (1-15), file names in Sounds/.
    std::array<std::string, 32> Sounds{};
    std::string DefaultAvatar;  // 20 characters

    // The sound of event e (1-15) for sound set 0 (default) or 1 (custom).
    std::string& Sound(int event, int soundSet) { return Sounds[2 * event + soundSet]; }
    const std::string& Sound(int event, int soundSet) const { return Sounds[2 * event + soundSet]; }

    void Encode(RecordBuffer& buf, size_t at = 0) const;
    void Decode(const RecordBuffer& buf, size_t at = 0);
    // Every text of the record reads back as text: a record that does not is damaged.
    bool IsReadable() const;
};
