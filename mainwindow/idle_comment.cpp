#include "mainwindow/idle_comment.h"

#include <cstdlib>

int IdleCommentLine(int draw) {
    switch (draw) {
        case 1:
            return 29;
        case 2:
            return 30;
        default:
            return 28;
    }
}

IdleRemark IdleComment(Game& g) {
    IdleRemark r;
    if (g.NumPlayers > 2) {
        r.avatar = g.Opp[1].Avatar;
        g.AvatarSwapped = VbTrue;
    }
    r.text = g.CompComments[static_cast<size_t>(IdleCommentLine(g.CosmeticRng.Draw1To(3)))];
    return r;
}

NoiseAnswer ChangeNoise(int soundMode) {
    switch (soundMode) {
        case 0:
            return {"YEAH!", true};
        case 1:
            return {"Let's hold it down a little guys!", false};
        default:
            return {"Ahhh... the sounds of silence...", false};
    }
}

bool SlapStaysAt(int x, int y, int slapX, int slapY) {
    return std::abs(x - slapX) <= 100 && std::abs(y - slapY) <= 100;
}
