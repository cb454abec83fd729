#pragma once
// One seat of a player's profile (154 bytes): seat 0 is the local player, seats 1-3 the
// opponents. Internet opponents' pictures are kept in the same layout ("users/<player>.avt").
#include <string>

#include "platform/record_buffer.h"

// The default personality and the two comment sets that are not comment files.
inline constexpr const char* kDefaultPersonality = "Brivo";
inline constexpr const char* kDefaultComments = "Default Personality";
inline constexpr const char* kNoComments = "No Comments";

struct SeatRecord {
    static constexpr size_t kSize = 154;

    std::string Name;      // 20 characters: personality, or the player's own name in seat 0
    std::string Avatar;    // 30 characters: picture file in Avatars/
    std::string Comments;  // 100: "Default Personality", "No Comments" or a comment file's name
    i16 Level = 0;         // 0 Average, 1 Clever, 2 Ruthless
    i16 SoundSet = 0;      // 0 the personality's own sounds, 1 custom

    void Encode(RecordBuffer& buf, size_t at = 0) const;
    void Decode(const RecordBuffer& buf, size_t at = 0);
};

// Resets a seat to the default personality.
void SeatDefaults(SeatRecord& seat);

// The caption of an ability level: "Level: Average", "Level: Clever" or "Level: Ruthless".
std::string LevelCaption(int level);
