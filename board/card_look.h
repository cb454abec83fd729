#pragma once
// What one card box shows for a card and a kind: a number face, a full-size or small face of the
// face sheet, a large or small back, or a large or small empty-pile placeholder, with the box's
// border and background colour and the card sound to play. The rules depend on the box's row,
// the number of players, who is on turn and the display mode, so that opponents' rows shrink to
// small cards in three- and four-player games while the human's stay full size.
#include <string>

#include "board/board_looks.h"
#include "engine/ports/board_port.h"

enum class CardPicture {
    NumberFace,
    SheetFace,
    SmallFace,
    LargeBack,
    SmallBack,
    LargeEmpty,
    SmallEmpty
};
enum class BoxColour { Keep, White, Deck };

struct CardLook {
    CardPicture picture = CardPicture::LargeBack;
    int face = 0;         // NumberFace: rank 1-13; SheetFace and SmallFace: card 1-52
    bool border = false;  // switch the single border on (left as it was otherwise)
    BoxColour colour = BoxColour::Keep;
    int sound = 0;  // 1-5 the card sound to play, 0 none

    bool operator==(const CardLook&) const = default;
};

// Everything besides the box and the card that decides the look.
struct CardDrawContext {
    int faceDeck = 6;
    int backStyle = 0;
    int displayMode = 0;      // 0-1 normal cards, 2-3 small cards
    int screenWidth = 15360;  // twips
    bool largeFonts = false;
    int numPlayers = 2;
    int pturn = 0;
    int soundMode = 0;     // 2: silent
    int cardSoundSet = 0;  // 1 metallic, else wooden
};

CardLook DecideCardLook(PileRow row, int index, int card, int kind, const CardDrawContext& ctx);

// The file in the Data folder of card sound `kind` (1-5) of a sound set; empty for other kinds.
std::string CardSoundFile(int kind, int cardSoundSet);

// The message shown when a card cannot be drawn into a box (error 9: no such box).
std::string ShowCardProblem(int errorNumber, const std::string& description,
                            const std::string& boxName, int index, int card);
