#pragma once
// What an Apply of the preferences changes on the table: the working values go where the
// program keeps them, and the pictures, labels and skins the applied page touched are made and
// drawn again.
#include "records/preferences.h"

class BoardShell;
class WindowProfileTarget;
struct BoardLooks;
struct Game;

struct PreferencesApplyParts {
    Game& game;
    BoardShell& board;
    BoardLooks& looks;
    WindowProfileTarget& target;
};

void ApplyPreferences(const PreferencesApplyParts& p, const PreferenceValues& values,
                      const PreferenceEffects& effects);
