#include "mainwindow/settings_records.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "board/layout_twips.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"

bool ScoresFile::Load(std::string* error) {
    auto bytes = ReadWholeFile(path_);
    if (!bytes) {
        if (error) *error = "cannot read " + path_;
        return false;
    }
    bytes_ = std::move(*bytes);
    return true;
}

bool ScoresFile::Save(std::string* error) const {
    return WriteFileAtomically(path_, bytes_, error);
}

ScoreRecord ScoresFile::Get(long n) const {
    RecordBuffer buf(ScoreRecord::kSize);
    const size_t start = static_cast<size_t>(n - 1) * ScoreRecord::kSize;
    if (n >= 1 && start < bytes_.size()) {
        const size_t count = std::min(ScoreRecord::kSize, bytes_.size() - start);
        std::copy_n(bytes_.begin() + static_cast<long>(start), count, buf.bytes().begin());
    }
    ScoreRecord rec;
    rec.Decode(buf);
    return rec;
}

void ScoresFile::Set(long n, const ScoreRecord& rec) {
    if (n < 1) return;
    RecordBuffer buf(ScoreRecord::kSize);
    rec.Encode(buf);
    const size_t start = static_cast<size_t>(n - 1) * ScoreRecord::kSize;
    if (bytes_.size() < start + ScoreRecord::kSize) bytes_.resize(start + ScoreRecord::kSize, '\0');
    std::copy(buf.bytes().begin(), buf.bytes().end(), bytes_.begin() + static_cast<long>(start));
}

StartupSettings ReadStartupSettings(const ScoresFile& file) {
    const ScoreRecord display = file.Get(settings_rec::kDisplay);
    StartupSettings s;
    s.StoredDisplayMode = display.Numbers[2];
    s.SavedWindowFlag = display.Numbers[3];
    s.Window = file.Get(settings_rec::kWindow).Numbers;
    return s;
}

namespace {
i16 Flag(bool on) {
    return on ? 1 : 0;
}
i16 FitI16(long long value) {
    return static_cast<i16>(std::clamp<long long>(value, std::numeric_limits<i16>::min(),
                                                  std::numeric_limits<i16>::max()));
}
}  // namespace

void PutSessionSettings(ScoresFile& file, const SessionSettings& s) {
    using namespace settings_rec;
    ScoreRecord rec = file.Get(kLastLevel);
    rec.Name = Str(static_cast<long long>(s.FontColor));
    rec.Numbers[3] = s.CompLevel;
    file.Set(kLastLevel, rec);

    rec.Name = s.ShownAvatarName;
    rec.Numbers = {s.NoLoseAnimation, s.FontBackdrop, 0, s.FaceDeck};
    file.Set(kLooks, rec);
    rec.Name = s.PlayerName;
    rec.Numbers = {s.BackgroundChoice, s.SpeedLevel, s.SoundMode, s.FaceDeck};
    file.Set(kPlayer, rec);

    rec.Name = Str(static_cast<long long>(s.DeckColor));
    rec.Numbers = {s.BackStyle, Flag(s.StatusBarVisible), Flag(s.AvatarVisible),
                   Flag(s.MoveFileOpen)};
    file.Set(kBackStyle, rec);
    rec.Name = Str(static_cast<long long>(s.MatColor));
    // The font size goes in as the nearest whole number, halves to the even one.
    rec.Numbers[0] = FitI16(std::llrint(s.MessageFontSize));
    rec.Numbers[1] = s.NoWinAnimation;
    rec.Numbers[3] = s.PersonalityIndex;
    file.Set(kMat, rec);

    rec = file.Get(kRules);
    rec.Name = Str(static_cast<long long>(s.AnimationSpeed));
    rec.Numbers = {s.SidePileSize, s.ForcedCards, s.ShuffleSeparately, s.NoWildAce};
    file.Set(kRules, rec);
}

void PutWindowSettings(ScoresFile& file, int displayMode, const WindowPlace& place) {
    using namespace settings_rec;
    ScoreRecord display = file.Get(kDisplay);
    display.Numbers[2] = FitI16(displayMode + kDisplayBase);
    display.Numbers[3] = kSavedWindow;
    file.Set(kDisplay, display);

    ScoreRecord window;
    if (place.Normal)
        window.Numbers = {TwipsForRecord(place.Height), TwipsForRecord(place.Width),
                          TwipsForRecord(place.Left), TwipsForRecord(place.Top)};
    else
        window.Numbers = {kMaximised, 0, 0, 0};
    file.Set(kWindow, window);
}
