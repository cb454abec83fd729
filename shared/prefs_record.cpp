#include "shared/prefs_record.h"

#include "shared/record_io.h"

namespace {

// The seventeen 16-bit settings from offset 22 onwards, in their stored order.
template <class Prefs>
auto Settings(Prefs& p) {
    return std::array{&p.AnimationSpeed, &p.SoundMode,  &p.CardSoundSet,     &p.FaceDeck,
                      &p.BackStyle,      &p.HoldLeft,   &p.HoldTop,          &p.FontBackdrop,
                      &p.StatusBar,      &p.IntroMusic, &p.PlaceholderStyle, &p.MenuStyle,
                      &p.SmallDisplay,   &p.ShowAvatar, &p.AutoSave,         &p.NoLoseAnimation,
                      &p.NoWinAnimation};
}

constexpr size_t kBestRun = 64;
constexpr size_t kSeats = 130;

}  // namespace

void PrefsRecord::Encode(RecordBuffer& buf, size_t at) const {
    buf.SetI32(at + 0, FontColor);
    buf.SetI32(at + 4, MatColor);
    buf.SetI32(at + 8, DeckColor);
    const i16 head[] = {NumPlayers, NumCenters, FontSize, BackgroundChoice, SpeedLevel};
    PutI16s(buf, at + 12, 2, head);
    size_t off = at + 22;
    for (const i16* v : Settings(*this)) buf.SetI16(off, *v), off += 2;
    PutI16s(buf, at + 56, 2, Rules);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j) buf.SetI16(at + kBestRun + 2 * (i + 4 * j), BestRun[i][j]);
    PutI16s(buf, at + 88, 2, GamesPlayed);
    PutI16s(buf, at + 102, 2, GamesWon);
    PutI16s(buf, at + 116, 2, MarginTotal);
    for (size_t s = 0; s < Seats.size(); ++s)
        Seats[s].Encode(buf, at + kSeats + s * SeatRecord::kSize);
    buf.SetI16(at + 746, StretchBackground);
    PutBytes(buf, at + 748, Reserved);
}

void PrefsRecord::Decode(const RecordBuffer& buf, size_t at) {
    FontColor = buf.GetI32(at + 0);
    MatColor = buf.GetI32(at + 4);
    DeckColor = buf.GetI32(at + 8);
    i16* head[] = {&NumPlayers, &NumCenters, &FontSize, &BackgroundChoice, &SpeedLevel};
    for (size_t k = 0; k < 5; ++k) *head[k] = buf.GetI16(at + 12 + 2 * k);
    size_t off = at + 22;
    for (i16* v : Settings(*this)) *v = buf.GetI16(off), off += 2;
    GetI16s(buf, at + 56, 2, Rules);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j) BestRun[i][j] = buf.GetI16(at + kBestRun + 2 * (i + 4 * j));
    GetI16s(buf, at + 88, 2, GamesPlayed);
    GetI16s(buf, at + 102, 2, GamesWon);
    GetI16s(buf, at + 116, 2, MarginTotal);
    for (size_t s = 0; s < Seats.size(); ++s)
        Seats[s].Decode(buf, at + kSeats + s * SeatRecord::kSize);
    StretchBackground = buf.GetI16(at + 746);
    GetBytes(buf, at + 748, Reserved);
}
