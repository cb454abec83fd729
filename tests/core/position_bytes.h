#pragma once
// The whole position as the bytes of its snapshot record, so that tests can compare complete
// positions at once.
#include <cstdint>
#include <vector>

#include "engine/game.h"
#include "engine/snapshot_codec.h"

inline std::vector<std::uint8_t> PositionBytes(const Game& g) {
    GameStateRecord rec;
    GameToRecord(g, rec);
    RecordBuffer buf(GameStateRecord::kSize);
    rec.Encode(buf);
    return {buf.bytes().begin(), buf.bytes().end()};
}
