#include "shared/game_state_record.h"

#include "shared/record_io.h"

namespace {

namespace off = game_record_offsets;

// Calls f(offset, value&) for every 16-bit field of the record, in layout order; the one walk
// serves both directions so that they can never disagree.
template <class Rec, class F>
void EachField(Rec& r, size_t at, F&& f) {
    const auto scalars = std::array{
        &r.NoWildAce,      &r.Pturn,      &r.CurSideCount, &r.HumanSideCount, &r.CurSideShape,
        &r.HumanSideShape, &r.StockCount, &r.UsedCount,    &r.HandCount,      &r.SidePileSize,
        &r.ForcedCards,    &r.NumCenters, &r.NumPlayers};
    for (size_t k = 0; k < scalars.size(); ++k) f(at + 2 * k, *scalars[k]);
    for (int i = 0; i <= GameStateRecord::kMaxRecordCards; ++i)
        for (int c = 0; c < 2; ++c) {
            f(at + off::kStock + 4 * i + 2 * c, r.Stock[c][i]);
            f(at + off::kUsed + 4 * i + 2 * c, r.Used[c][i]);
        }
    for (int who = 0; who < 4; ++who)
        for (int j = 0; j <= kMaxSidePile; ++j)
            for (int c = 0; c < 2; ++c)
                f(at + off::kSide + 108 * who + 4 * j + 2 * c, r.Side[who][c][j]);
    for (int o = 0; o < 3; ++o) {
        f(at + off::kOppSideCount + 2 * o, r.OppSideCount[o]);
        f(at + off::kOppSideShape + 2 * o, r.OppSideShape[o]);
    }
    for (int who = 0; who < 4; ++who)
        for (int s = 0; s <= 10; ++s)
            for (int c = 0; c < 2; ++c)
                f(at + off::kCards + 44 * who + 4 * s + 2 * c, r.Cards[who][c][s]);
    for (int k = 0; k <= kMaxCenters; ++k) {
        for (int n = 0; n <= 12; ++n)
            for (int c = 0; c < 2; ++c)
                f(at + off::kCenter + 2 * c + 4 * k + 20 * n, r.Center[c][k][n]);
        f(at + off::kCenterCount + 2 * k, r.CenterCount[k]);
    }
    for (int p = 0; p <= 4; ++p)
        for (int n = 0; n <= kHoldCapacity; ++n)
            for (int c = 0; c < 2; ++c) {
                for (int o = 0; o < 3; ++o)
                    f(at + off::kOppHold + 2 * o + 6 * c + 12 * p + 60 * n, r.OppHold[o][c][p][n]);
                f(at + off::kHumanHold + 2 * c + 4 * p + 20 * n, r.HumanHold[c][p][n]);
            }
    for (int p = 0; p <= 4; ++p) {
        for (int o = 0; o < 3; ++o) {
            f(at + off::kOppHoldCount + 2 * o + 6 * p, r.OppHoldCount[p][o]);
            f(at + off::kOppHoldFlag + 2 * o + 6 * p, r.OppHoldFlag[p][o]);
        }
        f(at + off::kHumanHoldCount + 2 * p, r.HumanHoldCount[p]);
    }
}

}  // namespace

void GameStateRecord::Encode(RecordBuffer& buf, size_t at) const {
    EachField(*this, at, [&](size_t o, const i16& v) { buf.SetI16(o, v); });
    PutBytes(buf, at + 26, Reserved1);
    PutBytes(buf, at + off::kReserved2, Reserved2);
    buf.SetText(at + off::kTitle, 30, Title);
}

void GameStateRecord::Decode(const RecordBuffer& buf, size_t at) {
    EachField(*this, at, [&](size_t o, i16& v) { v = buf.GetI16(o); });
    GetBytes(buf, at + 26, Reserved1);
    GetBytes(buf, at + off::kReserved2, Reserved2);
    Title = buf.GetText(at + off::kTitle, 30);
}
