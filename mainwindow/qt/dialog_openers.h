#pragma once
// The windows already in the program, registered with the dialog host once by the composition
// root. A window built later registers beside these.
#include <functional>

#include "engine/game.h"
#include "mainwindow/dialog_table.h"

class NetWindows;
class RecordsWindows;
class SettingsWindows;

// The saved-game dialog, the scores, the comment editor, the tips, the tutorial and the about
// box.
void RegisterRecordsWindows(DialogTable& host, RecordsWindows& windows, Game& g);
// The sign-in window; `signIn` shows it and tells whether somebody signed in.
void RegisterSignIn(DialogTable& host, std::function<bool()> signIn);
// The speed, the preferences, the house rules and the opponents setup.
void RegisterSettingsWindows(DialogTable& host, SettingsWindows& windows);
// The host's setup, the Internet players setup with its chat sound sets and the Internet score
// tables. The chat window opens with the Internet game it belongs to.
void RegisterNetWindows(DialogTable& host, NetWindows& windows);
