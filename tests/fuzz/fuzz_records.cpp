// The record decoders of the game-state, profile, score and high-score files: any bytes decode;
// a game-state record is written back byte for byte as it was read, and one that passes the
// checks restores with every card in one place; any other record, once written, reads back as
// the same record.
#include <algorithm>

#include "engine/snapshot_codec.h"
#include "fuzz_support.h"
#include "platform/record_buffer.h"
#include "records/game_state_record.h"
#include "records/high_score_record.h"
#include "records/prefs_record.h"
#include "records/score_record.h"

namespace {

// Decodes the bytes; the first `exact` of them must be written back unchanged, and what is written
// must read back as the same record. (A title never written, all NULs, is written back blank.)
template <typename Record>
void RoundTrip(const std::uint8_t* data, std::size_t size, std::size_t length, Record& rec,
               std::size_t exact) {
    RecordBuffer in(length);
    std::copy_n(data, std::min(size, length), in.bytes().begin());
    rec.Decode(in);
    RecordBuffer out(length);
    rec.Encode(out);
    if (!std::equal(in.bytes().begin(), in.bytes().begin() + static_cast<std::ptrdiff_t>(exact),
                    out.bytes().begin()))
        fuzz::Fail("a record is not written back as it was read");
    Record again;
    again.Decode(out);
    RecordBuffer second(length);
    again.Encode(second);
    if (!std::equal(out.bytes().begin(), out.bytes().end(), second.bytes().begin()))
        fuzz::Fail("a record written does not read back as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int kind = data[0] % 4;
    ++data;
    --size;
    if (kind == 0) {
        GameStateRecord rec;
        RoundTrip(data, size, GameStateRecord::kSize, rec, game_record_offsets::kTitle);
        if (ValidateRecord(rec).empty()) {
            Game g;
            RecordToState(rec, g);
            if (!CheckConservation(g).empty()) fuzz::Fail("a checked saved game lost a card");
        }
    } else if (kind == 1) {
        PrefsRecord rec;
        RoundTrip(data, size, PrefsRecord::kSize, rec, 0);
    } else if (kind == 2) {
        ScoreRecord rec;
        RoundTrip(data, size, ScoreRecord::kSize, rec, 0);
    } else {
        HighScoreRecord rec;
        RoundTrip(data, size, HighScoreRecord::kSize, rec, 0);
    }
    return 0;
}
