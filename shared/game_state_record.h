#pragma once
// The whole position of a game as one 6038-byte record: rules, turn, counters, stock, used
// pile, every player's side pile, visible cards and hold piles, the center piles, the wild
// counters and a 30-character title. Saved games, the automatic saves, the move history and the
// tutorial's positions are all records of this layout. Every byte of the record is held here,
// so a record read and written back is unchanged, reserved areas and unused entries included.
#include <array>
#include <cstdint>
#include <string>

#include "platform/record_buffer.h"
#include "shared/card_types.h"

struct GameStateRecord {
    static constexpr size_t kSize = 6038;
    static constexpr int kMaxRecordCards = 208;

    i16 NoWildAce = 0;
    i16 Pturn = 0;
    i16 CurSideCount = 0;
    i16 HumanSideCount = 0;
    i16 CurSideShape = 0;
    i16 HumanSideShape = 0;
    i16 StockCount = 0;
    i16 UsedCount = 0;
    i16 HandCount = 0;
    i16 SidePileSize = 0;  // side-pile cards minus one; 0 (an empty record) plays as 19
    i16 ForcedCards = 0;
    i16 NumCenters = 0;
    i16 NumPlayers = 0;
    std::array<std::uint8_t, 840> Reserved1{};

    // (row, i): entries 1..NumCards of the stock and the used pile.
    using CardList = std::array<std::array<i16, kMaxRecordCards + 1>, 2>;
    CardList Stock{};
    CardList Used{};

    // Player 1 (the human) is index 0, opponents 1-3 are indexes 1-3.
    std::array<SidePile, 4> Side{};
    std::array<PorC, 4> Cards{};
    // Opponent o (1-3) at index o - 1.
    std::array<i16, 3> OppSideCount{};
    std::array<i16, 3> OppSideShape{};

    std::array<std::array<std::array<i16, 13>, kMaxCenters + 1>, 2> Center{};
    std::array<i16, kMaxCenters + 1> CenterCount{};

    // Opponent o (1-3) at index o - 1: (row, pile 1-4, position 1-30).
    std::array<HoldPiles, 3> OppHold{};
    // The human's cards under each hold-pile top. Pile 0 is never a pile: its rank entries
    // 1-8 carry the wild counters (see Wild).
    HoldPiles HumanHold{};
    std::array<std::uint8_t, 30> Reserved2{};
    // (pile 1-4, opponent o at o - 1): HoldPileInfo columns 1 (count) and 2 (pattern flag).
    std::array<std::array<i16, 3>, 5> OppHoldCount{};
    std::array<std::array<i16, 3>, 5> OppHoldFlag{};
    std::array<i16, 5> HumanHoldCount{};
    std::string Title;  // 30 characters

    // Wild counters n = 1..8: human WildSide, WildHand, then Opp1, Opp2, Opp3 likewise.
    i16& Wild(int n) { return HumanHold[kRank][0][n]; }
    i16 Wild(int n) const { return HumanHold[kRank][0][n]; }

    void Encode(RecordBuffer& buf, size_t at = 0) const;
    void Decode(const RecordBuffer& buf, size_t at = 0);
};

// Byte offsets of the record's fields, shared by the codec and the tests of the layout.
namespace game_record_offsets {
constexpr size_t kStock = 866, kUsed = 1702, kSide = 2538, kOppSideCount = 2970,
                 kOppSideShape = 2976, kCards = 2982, kCenter = 3158, kCenterCount = 3418,
                 kOppHold = 3428, kHumanHold = 5288, kReserved2 = 5908, kOppHoldCount = 5938,
                 kOppHoldFlag = 5968, kHumanHoldCount = 5998, kTitle = 6008;
}  // namespace game_record_offsets
