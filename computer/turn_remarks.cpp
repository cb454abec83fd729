// The seat's voice: comment lines, personality sounds, and what the board shows.
#include "computer/computer_player.h"

void ComputerPlayer::Say(int label, const std::string& text) {
    if (label == 2) shownRemark_ = 0;
    if (sv.board) sv.board->SetMessage(label, text);
}

void ComputerPlayer::Remark(int line) {
    if (g.QuietComp || line < 0 || line >= static_cast<int>(g.CompComments.size())) return;
    Say(2, g.CompComments[static_cast<size_t>(line)]);
    shownRemark_ = line;
}

// Personality sounds play only with all sounds on.
void ComputerPlayer::PersonalitySound(int n, bool wait) {
    if (g.SoundMode != 0 || !sv.sounds || n < 0 || n >= static_cast<int>(g.CompSounds.size()))
        return;
    const std::string& path = g.CompSounds[static_cast<size_t>(n)];
    if (!path.empty()) sv.sounds->PlaySound(path, wait);
}

void ComputerPlayer::Show(PileRow row, int index, i16 id, int kind) {
    if (sv.board) sv.board->ShowCard(row, index, id, kind);
}

// One of the personality's sounds 3-6, never the one played last time.
void ComputerPlayer::RandomBlockSound() {
    if (g.SoundMode != 0) return;
    PersonalitySound(DrawAnew(4, 2, st.LastSound));
}

// A bounded number of tries keeps a personality with one choice from drawing forever.
i16 ComputerPlayer::DrawAnew(int n, int offset, i16& last) {
    int k = 0;
    for (int tries = 0; tries < 64; ++tries) {
        k = g.CosmeticRng.Draw1To(n) + offset;
        if (k != last) break;
    }
    last = static_cast<i16>(k);
    return last;
}
