#include "engine/personality.h"

#include "engine/shared_helpers.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "platform/vb_strings.h"
#include "shared/comment_record.h"
#include "shared/record_io.h"

namespace {

// The real path of `folder`/`fileName` when the name is safe and the file is there.
std::optional<std::string> FindInFolder(const std::string& appFolder, const std::string& folder,
                                        const std::string& fileName) {
    if (!IsPlainFileName(fileName)) return std::nullopt;
    const std::string dir = JoinPath(appFolder, folder);
    auto real = FindNoCase(dir, fileName);
    if (!real) return std::nullopt;
    return JoinPath(dir, *real);
}

// A text field that was never written starts with NUL; it counts as empty like a blank one.
bool IsBlank(const std::string& field) {
    const std::string t = Trim(field);
    return t.empty() || t[0] == '\0';
}

bool IsCommentFileName(const std::string& set) {
    return set != kNoComments && set != kDefaultComments;
}

bool PersonalityMissing(const std::string& appFolder, const std::string& name) {
    return !HasBadFileChars(name) && IsPlainFileName(name + ".pms") &&
           !FindNoCase(JoinPath(appFolder, "Data/PMS"), name + ".pms");
}

// Loads the personality file of opp.Name, or the default one. A missing file is noted in
// `warning`; a damaged one was named to the player at start-up.
void ReadOrDefault(const std::string& appFolder, OpponentRecord& opp, PmsRecord& pms,
                   std::string& warning) {
    if (ReadPersonalityFile(appFolder, opp.Name, pms)) return;
    if (PersonalityMissing(appFolder, opp.Name) && opp.Name != kDefaultPersonality)
        warning = "The personality file Data/PMS/" + opp.Name + ".pms is missing, so " +
                  kDefaultPersonality + " plays in " + opp.Name + "'s place.";
    opp.Name = kDefaultPersonality;
    if (ReadPersonalityFile(appFolder, opp.Name, pms)) return;
    if (PersonalityMissing(appFolder, opp.Name))
        warning = "The personality files were not found in Data/PMS. " + opp.Name +
                  " will play without remarks or sounds.";
}

// The seat's comment file can be spoken from: there and whole. A missing one is noted in
// `warning` (a damaged one was named to the player at start-up).
bool CommentFileUsable(const std::string& appFolder, const std::string& set, std::string& warning) {
    const auto path = CommentFilePath(appFolder, set);
    if (path) return ReadCommentLines(*path).has_value();
    if (!HasBadFileChars(set))
        warning = "The comment file users/" + set +
                  ".cmt is missing, so the personality's own remarks are used.";
    return false;
}

void LoadSounds(Game& g, OpponentRecord& opp, const PmsRecord& pms, int mode) {
    const int set = opp.SoundSet == 1 ? 1 : 0;
    for (int e = 1; e <= kSoundEvents; ++e) {
        opp.Sounds[e] = SoundPath(g.AppFolder, pms.Sound(e, set));
        if (mode == 1) g.CompSounds[e] = opp.Sounds[e];
    }
    opp.Sounds[0] = Str(Val(pms.Sounds[0]));
}

void LoadRemarks(Game& g, const PmsRecord& pms, int mode) {
    if (mode == 1) {
        for (int i = 1; i <= 35; ++i)
            g.CompComments[i] = (g.QuietComp && i < 34) ? std::string() : pms.Comments[i];
        return;
    }
    if (g.QuietComp) return;
    for (int i = 1; i <= 27; ++i) g.CompComments[i] = pms.Comments[i];
}

}  // namespace

void SeatToOpp(Game& g, int opp, SeatRecord& s) {
    if (opp < 1 || opp > 3) return;
    if (IsBlank(s.Name)) SeatDefaults(s);
    OpponentRecord& r = g.Opp[opp];
    r.Name = Trim(s.Name);
    r.Level = s.Level;
    r.Avatar = Trim(s.Avatar);
    r.SoundSet = s.SoundSet;
    r.CommentFile = Trim(s.Comments);
}

bool ReadPersonalityFile(const std::string& appFolder, const std::string& name, PmsRecord& out) {
    if (HasBadFileChars(name)) return false;
    auto path = FindInFolder(appFolder, "Data/PMS", name + ".pms");
    return path && ReadPmsFile(*path, out);
}

bool ReadPmsFile(const std::string& path, PmsRecord& out) {
    const auto bytes = ReadFileRange(path, 0, PmsRecord::kSize);
    if (!bytes || bytes->size() != PmsRecord::kSize) return false;
    RecordBuffer buf(PmsRecord::kSize);
    std::copy(bytes->begin(), bytes->end(), buf.bytes().begin());
    PmsRecord read;
    read.Decode(buf);
    if (!read.IsReadable()) return false;
    out = read;
    return true;
}

std::string SoundPath(const std::string& appFolder, const std::string& name) {
    if (auto path = FindInFolder(appFolder, "Sounds", Trim(name))) return *path;
    return JoinPath(appFolder, "Data/empty.wav");
}

std::string LoadPersonality(Game& g, int opp, int mode, BoardPort* board) {
    if (opp < 1 || opp > 3) return "";
    OpponentRecord& r = g.Opp[opp];
    std::string warning;
    if (IsCommentFileName(r.CommentFile) && !CommentFileUsable(g.AppFolder, r.CommentFile, warning))
        r.CommentFile = kDefaultComments;

    PmsRecord pms;  // an unreadable default personality plays with neutral, empty remarks
    std::string lost;
    ReadOrDefault(g.AppFolder, r, pms, lost);
    if (!lost.empty()) warning += (warning.empty() ? "" : "\n\n") + lost;

    LoadSounds(g, r, pms, mode);
    const std::string ownAvatar = Trim(pms.DefaultAvatar);
    if (IsBlank(r.Avatar)) r.Avatar = ownAvatar;
    g.DefaultAvatar = ownAvatar;
    g.QuietComp = VbBool(r.CommentFile == kNoComments);

    if (mode == 1 && board && !r.Avatar.empty()) board->LoadAvatar(r.Avatar);
    LoadRemarks(g, pms, mode);
    if (r.CommentFile != kDefaultComments && !g.QuietComp) LoadCmtFile(g, r.CommentFile);

    const int last = mode == 1 ? 35 : 33;
    for (int i = 1; i <= last; ++i) r.Comments[i] = g.CompComments[i];
    return warning;
}

std::string ApplyOpponentSeats(Game& g, std::array<SeatRecord, 4>& seats, BoardPort* board) {
    std::string warning;
    for (int seat = 1; seat <= 3; ++seat) {
        SeatToOpp(g, seat, seats[seat]);
        const std::string w = LoadPersonality(g, seat, seat, board);
        if (!w.empty() && warning.find(w) == std::string::npos)
            warning += (warning.empty() ? "" : "\n\n") + w;
    }
    return warning;
}

bool LoadCmtFile(Game& g, const std::string& name) {
    auto path = CommentFilePath(g.AppFolder, name);
    if (!path) return false;
    const auto lines = ReadCommentLines(*path);
    if (!lines) return false;  // all lines or none
    for (int i = 1; i <= CommentRecord::kCommentFileLines; ++i) g.CompComments[i] = (*lines)[i];
    return true;
}

bool LoadPmsComments(Game& g, const std::string& name) {
    PmsRecord pms;
    if (!ReadPersonalityFile(g.AppFolder, name, pms) &&
        !ReadPersonalityFile(g.AppFolder, kDefaultPersonality, pms))
        return false;
    for (int i = 1; i <= 20; ++i) g.CompComments[i] = pms.Comments[i];
    return true;
}
