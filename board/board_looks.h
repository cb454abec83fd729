#pragma once
// The player's choices for how the table looks: card faces, backs, colours, the skin style and
// the table background. The profile fills them; the board reads them when it draws.
#include <string>
#include <vector>

#include "platform/vb_types.h"

// Colours are 0xRRGGBB.
using Rgb = unsigned int;

struct BoardLooks {
    i16 FaceDeck = 6;               // 0-5 number designs, 6 the built-in sheet, 7+ installed decks
    i16 BackStyle = 0;              // 0 the plain back on DeckColor, n >= 1 installed back n - 1
    Rgb DeckColor = 0x1F4E9C;       // the plain back and the pile backgrounds
    Rgb MatColor = 0x1E6B34;        // the table when no picture is shown
    i16 CardSoundSet = 0;           // 0 wooden card sounds, 1 metallic
    i16 PlaceholderStyle = VbTrue;  // True wood, False metallic (placeholders and skins)
    i16 MenuStyle = VbTrue;         // the drawn menu bar: True wood, False metallic

    // BackgroundFiles[1..BackgroundCount] are the pictures of the backgrounds folder;
    // BackgroundIndex BackgroundCount + 1 is the plain mat colour.
    std::vector<std::string> BackgroundFiles{""};
    i16 BackgroundCount = 0;
    i16 BackgroundIndex = 0;
    i16 BackgroundChoice = 0;  // kept in the profile; 0: never chosen
    i16 StretchBackground = VbFalse;
};
