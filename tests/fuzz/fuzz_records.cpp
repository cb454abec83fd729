// The record decoders of the game-state, profile, score and high-score files: any bytes decode;
// a game-state record is written back byte for byte as it was read, and one that passes the
// checks restores with every card in one place; any other record, once written, reads back as
// the same record. A profile, once corrected, has every counting or choosing field in range and
// needs no second correction.
#include <algorithm>

#include "engine/snapshot_codec.h"
#include "fuzz_support.h"
#include "platform/record_buffer.h"
#include "records/high_score_record.h"
#include "records/score_record.h"
#include "records/working_prefs.h"

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

bool In(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

void CheckCorrected(PrefsRecord rec) {
    const PrefsEnvironment env{"/nonexistent-quorvane", false, 19200, 14400};
    CorrectProfile(rec, env);
    const WorkingPrefs w = WorkingFromRecord(rec);
    bool ok = In(w.NumPlayers, 2, 4) && In(w.NumCenters, 3, 4) &&
              (w.NumPlayers == 2 || w.NumCenters == 4) && In(w.FontSize, 6, 36) &&
              In(w.SpeedLevel, 0, 5) && In(w.SoundMode, 0, 2) && In(w.CardSoundSet, 0, 1) &&
              w.FaceDeck >= 0 && w.BackStyle >= 0 && w.BackgroundChoice >= 0 &&
              In(w.ForcedCards, 0, 7) && w.AnimationSpeed > 0 && w.DeckColor != 0 &&
              In(w.HoldLeft, 0, env.screenWidthTw - 1) && In(w.HoldTop, 0, env.screenHeightTw - 1);
    for (int s = 1; s <= 3; ++s)
        ok = ok && !rec.Seats[s].Name.empty() && In(rec.Seats[s].Level, 0, 2) &&
             In(rec.Seats[s].SoundSet, 0, 1);
    if (!ok) fuzz::Fail("a corrected profile holds a value out of range");
    if (!CorrectProfile(rec, env).empty()) fuzz::Fail("a corrected profile is corrected again");
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
        CheckCorrected(rec);
    } else if (kind == 2) {
        ScoreRecord rec;
        RoundTrip(data, size, ScoreRecord::kSize, rec, 0);
    } else {
        HighScoreRecord rec;
        RoundTrip(data, size, HighScoreRecord::kSize, rec, 0);
    }
    return 0;
}
