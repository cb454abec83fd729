#pragma once
// The opponent's small reactions at the table: the remark after the player has let a turn sit
// idle, the answer to a new sound level, and when the slap picture goes away again.
#include <string>

#include "engine/game.h"

// The remark chosen by a draw of 1 to 3: 1 gives comment line 29, 2 line 30, 3 line 28.
int IdleCommentLine(int draw);

// One idle remark: with more than two players the first opponent speaks, so its picture is
// shown (and AvatarSwapped set, so the player's own comes back at their next press). Returns
// the remark for Label9(2) and the avatar to show (empty: keep the one shown).
struct IdleRemark {
    std::string text;
    std::string avatar;
};
IdleRemark IdleComment(Game& g);

// The acknowledgement of the sound level now in SoundMode: the message and whether the
// personality's sound 13 plays before its sound 2 (which always plays).
struct NoiseAnswer {
    std::string text;
    bool cheer = false;
};
NoiseAnswer ChangeNoise(int soundMode);

// The slap picture goes once the pointer, moving over it, is more than 100 units from the
// point last clicked on the avatar.
bool SlapStaysAt(int x, int y, int slapX, int slapY);
