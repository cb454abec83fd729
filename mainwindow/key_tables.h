#pragma once
// What each key of the main window stands for, as data: the plain keys, Home by modifier, the
// Ctrl keys and the Ctrl+Shift keys, the emoticon letters and the opponent's sound keys. The
// key dispatcher looks a key up here and carries the row out.
#include <string>

#include "platform/vb_types.h"

enum class KeyAct {
    MenuRow,            // menu `a` (1 Game to 4 Help), row `b`
    CycleBackground,    // the previous (Up) or next (Down) table background
    StretchBackground,  // the background picture shown whole
    RestartTurn,        // back to the start of the turn
    Emoticon,           // a letter: its emoticon beside the player, or none
    OpponentSound,      // a digit or "=": one of the opponent's sounds, index `a`
    ChatOnTop,          // the chat window activated and no longer kept on top
    HomeGreeting,       // the greeting sound and line
    AnimateCards,       // the end-of-game card animation in style `a`
    Scores,             // the scoreboard opening on tab `a`
    DeleteQuip,         // Ctrl+Delete's remark
    SystemInfo,         // the system-information box
    LabelNames,         // the labels show their names, or are cleared again
    BackgroundWindow,   // the background-picture window
    Flash,              // the first opponent's end-of-game show
    Splash,             // the splash window
    AvatarCall,         // a call on the avatar picture with no visible effect
    SaveTutorial,       // the position saved at a tutorial record
    RestoreTutorial,    // a tutorial record restored
    SampleGames,        // the sample-games mode switched
    DevMode,            // the developer mode switched (for its two owners only)
};

// When a key's command may run at all, before the command gate has its say.
enum class KeyWhen {
    Always,
    HostOrLocal,   // not on a remote of an Internet game
    LocalOnly,     // not in an Internet game
    LocalOnTurn,   // in a local game with the player on turn
    InternetOnly,  // only in an Internet game
};

struct KeyRow {
    i16 code = 0;
    KeyAct act = KeyAct::MenuRow;
    int a = 0;
    int b = 0;
    KeyWhen when = KeyWhen::Always;
};

// The row of key `code` pressed with modifier bits `shift` (1 Shift, 2 Ctrl, 4 Alt); null when
// the key has no command. Letters, digits and "=" without a modifier are rows too.
const KeyRow* FindKeyRow(i16 code, i16 shift);

// The row of key `code` with modifier bits `shift` that may run for an Internet game state
// (NetConnected, IsHost) and the player on turn; null when none may.
const KeyRow* FindAllowedKeyRow(i16 code, i16 shift, int netConnected, int isHost, int pturn);

// The key that runs row `row` of menu `menu` (1 Game to 4 Help) as a person presses it ("F11",
// "Ctrl+R"); empty when no key does.
std::string MenuRowKey(int menu, int row);

// The emoticon picture of a letter key in the Icons folder; empty for a key that hides it.
std::string EmoticonFile(i16 code);
// The opponent's sound of a digit key (1-9: 3-11, 0: 12) or "=" (13); -1 for other keys.
int OpponentSoundIndex(i16 code);

// True while `when` lets a key run, for an Internet game state (NetConnected, IsHost) and the
// player on turn.
bool KeyAllowed(KeyWhen when, int netConnected, int isHost, int pturn);
