#include "records/working_prefs.h"

#include <algorithm>

#include "platform/file_util.h"
#include "records/sign_in.h"
#include "shared/comment_record.h"

namespace {

// Records the correction of one field.
class Corrector {
  public:
    explicit Corrector(std::vector<std::string>& changed) : changed_(changed) {}

    template <class T>
    void Set(T& field, T value, const char* name) {
        if (field == value) return;
        field = value;
        changed_.push_back(name);
    }
    // Keeps a value inside lo..hi, else takes `fallback`.
    void Range(i16& field, int lo, int hi, i16 fallback, const char* name) {
        if (field < lo || field > hi) Set(field, fallback, name);
    }
    // A stored truth value reads as True whenever it is not 0; it is kept as -1.
    void Truth(i16& field, const char* name) { Set(field, VbBool(field != 0), name); }
    void Note(const char* name) { changed_.push_back(name); }

  private:
    std::vector<std::string>& changed_;
};

bool OneOf(i16 v, std::initializer_list<i16> values) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

void CorrectTable(PrefsRecord& p, Corrector& fix) {
    fix.Range(p.NumPlayers, 2, 4, 2, "players");
    fix.Range(p.NumCenters, 3, 4, 4, "centers");
    // More than two players always play on four center piles.
    if (p.NumPlayers > 2) fix.Set(p.NumCenters, i16{4}, "centers");
    if (!OneOf(p.Rules[0], {9, 14, 19, 25})) fix.Set(p.Rules[0], i16{19}, "SidePileSize");
    fix.Range(p.Rules[1], 0, 7, 0, "ForcedCards");
    fix.Truth(p.Rules[2], "ShuffleSeparately");
    fix.Truth(p.Rules[3], "NoWildAce");
}

void CorrectLooks(PrefsRecord& p, const PrefsEnvironment& env, Corrector& fix) {
    if (p.DeckColor == 0)
        fix.Set(p.DeckColor, env.lowColour ? kDeckColorLowColour : kDeckColorHighColour,
                "DeckColor");
    fix.Range(p.FontSize, 6, 36, 12, "FontSize");
    if (p.BackgroundChoice < 0) fix.Set(p.BackgroundChoice, i16{0}, "BackgroundChoice");
    fix.Range(p.SpeedLevel, 0, 5, 2, "SpeedLevel");
    if (std::find(std::begin(kAnimationSpeeds), std::end(kAnimationSpeeds), p.AnimationSpeed) ==
        std::end(kAnimationSpeeds))
        fix.Set(p.AnimationSpeed, i16{45}, "AnimationSpeed");
    fix.Range(p.SoundMode, 0, 2, 0, "SoundMode");
    fix.Range(p.CardSoundSet, 0, 1, 0, "CardSoundSet");
    // A deck or back beyond those installed here is kept: the board shows the built-in ones for
    // this run, and the choice comes back on a machine that has the deck.
    if (p.FaceDeck < 0) fix.Set(p.FaceDeck, i16{6}, "FaceDeck");
    if (p.BackStyle < 0) fix.Set(p.BackStyle, i16{0}, "BackStyle");
    if (p.MenuStyle != 0) fix.Set(p.MenuStyle, VbTrue, "MenuStyle");
}

void CorrectHoldWindow(PrefsRecord& p, const PrefsEnvironment& env, Corrector& fix) {
    if (env.screenWidthTw <= 0 || env.screenHeightTw <= 0) return;
    const bool placed = p.HoldLeft >= 0 && p.HoldTop >= 0 && p.HoldLeft < env.screenWidthTw &&
                        p.HoldTop < env.screenHeightTw && !(p.HoldLeft == 100 && p.HoldTop == 100);
    if (placed) return;
    fix.Set(p.HoldLeft, kHoldDefaultLeft, "HoldLeft");
    fix.Set(p.HoldTop, kHoldDefaultTop, "HoldTop");
}

void CorrectSeats(PrefsRecord& p, const PrefsEnvironment& env, Corrector& fix) {
    SeatRecord& me = p.Seats[0];
    if (!NameIsText(me.Name)) fix.Set(me.Name, std::string(), "Name");
    if (me.Comments != kNoComments && me.Comments != kDefaultComments &&
        !CommentFilePath(env.appFolder, me.Comments))
        fix.Set(me.Comments, std::string(kDefaultComments), "Comments");
    if (!me.Avatar.empty()) {
        const bool there = IsPlainFileName(me.Avatar) &&
                           FileExists(JoinPath(env.appFolder, "Avatars/" + me.Avatar));
        if (!there) fix.Set(me.Avatar, std::string(), "Avatar");
    }
    for (int s = 1; s <= 3; ++s) {
        SeatRecord& seat = p.Seats[s];
        if (seat.Name.empty()) {
            SeatDefaults(seat);
            fix.Note("seat");
            continue;
        }
        fix.Range(seat.Level, 0, 2, 0, "Level");
        fix.Range(seat.SoundSet, 0, 1, 0, "SoundSet");
    }
}

}  // namespace

std::vector<std::string> CorrectProfile(PrefsRecord& p, const PrefsEnvironment& env) {
    std::vector<std::string> changed;
    Corrector fix(changed);
    CorrectTable(p, fix);
    CorrectLooks(p, env, fix);
    CorrectHoldWindow(p, env, fix);
    CorrectSeats(p, env, fix);
    return changed;
}

WorkingPrefs WorkingFromRecord(const PrefsRecord& p) {
    WorkingPrefs w;
    w.PlayerName = p.Seats[0].Name;
    w.PlayerAvatar = p.Seats[0].Avatar;
    w.FontColor = p.FontColor;
    w.MatColor = p.MatColor;
    w.DeckColor = p.DeckColor;
    w.NumPlayers = p.NumPlayers;
    w.NumCenters = p.NumCenters;
    w.FontSize = p.FontSize;
    w.BackgroundChoice = p.BackgroundChoice;
    w.SpeedLevel = p.SpeedLevel;
    w.AnimationSpeed = p.AnimationSpeed;
    w.SoundMode = p.SoundMode;
    w.CardSoundSet = p.CardSoundSet;
    w.FaceDeck = p.FaceDeck;
    w.BackStyle = p.BackStyle;
    w.HoldLeft = p.HoldLeft;
    w.HoldTop = p.HoldTop;
    w.FontBackdrop = p.FontBackdrop != 0;
    // These three are on only when stored as True (-1).
    w.StatusBar = p.StatusBar == VbTrue;
    w.ShowAvatar = p.ShowAvatar == VbTrue;
    w.AutoSave = p.AutoSave == VbTrue;
    // Each player's own choice: a stored 0 means no intro music, anything else plays it.
    w.NoIntro = p.IntroMusic == 0;
    w.PlaceholderStyle = p.PlaceholderStyle != 0;
    w.MenuStyle = p.MenuStyle != 0 ? 1 : 0;
    w.SmallDisplay = p.SmallDisplay != 0;
    w.NoLoseAnimation = p.NoLoseAnimation != 0;
    w.NoWinAnimation = p.NoWinAnimation != 0;
    w.SidePileSize = p.Rules[0];
    w.ForcedCards = p.Rules[1];
    w.ShuffleSeparately = p.Rules[2] != 0;
    w.NoWildAce = p.Rules[3] != 0;
    w.StretchBackground = p.StretchBackground != 0;
    return w;
}

void StoreWorking(const WorkingPrefs& w, PrefsRecord& p) {
    p.Seats[0].Name = w.PlayerName;
    p.Seats[0].Avatar = w.PlayerAvatar;
    p.FontColor = w.FontColor;
    p.MatColor = w.MatColor;
    p.DeckColor = w.DeckColor;
    p.NumPlayers = w.NumPlayers;
    p.NumCenters = w.NumCenters;
    p.FontSize = w.FontSize;
    p.BackgroundChoice = w.BackgroundChoice;
    p.SpeedLevel = w.SpeedLevel;
    p.AnimationSpeed = w.AnimationSpeed;
    p.SoundMode = w.SoundMode;
    p.CardSoundSet = w.CardSoundSet;
    p.FaceDeck = w.FaceDeck;
    p.BackStyle = w.BackStyle;
    p.HoldLeft = w.HoldLeft;
    p.HoldTop = w.HoldTop;
    p.FontBackdrop = VbBool(w.FontBackdrop);
    p.StatusBar = VbBool(w.StatusBar);
    p.ShowAvatar = VbBool(w.ShowAvatar);
    p.AutoSave = VbBool(w.AutoSave);
    p.IntroMusic = VbBool(!w.NoIntro);
    p.PlaceholderStyle = VbBool(w.PlaceholderStyle);
    p.MenuStyle = VbBool(w.MenuStyle != 0);
    p.SmallDisplay = VbBool(w.SmallDisplay);
    p.NoLoseAnimation = VbBool(w.NoLoseAnimation);
    p.NoWinAnimation = VbBool(w.NoWinAnimation);
    p.Rules = {w.SidePileSize, w.ForcedCards, VbBool(w.ShuffleSeparately), VbBool(w.NoWildAce)};
    p.StretchBackground = VbBool(w.StretchBackground);
}

float MovePauseFor(int speedLevel, float current) {
    static constexpr float kPauses[] = {0.9f, 0.6f, 0.4f, 0.2f, 0.05f, 0.0f};
    if (speedLevel < 0 || speedLevel > 5) return current;
    return kPauses[speedLevel];
}
