#include "board/card_look.h"

#include "board/card_geometry.h"
#include "platform/vb_strings.h"

namespace {
bool NormalDisplay(const CardDrawContext& c) {
    return c.displayMode < 2;
}

CardLook FaceLook(PileRow row, int index, int card, const CardDrawContext& c) {
    if (c.faceDeck <= 5)
        return {CardPicture::NumberFace, RankForDrawing(card), true, BoxColour::White, 0};
    // A 640-pixel screen with large fonts has no room for full-size faces anywhere.
    const bool fullSizeAllowed = (row != PileRow::HoldWindow && NormalDisplay(c) &&
                                  !(c.screenWidth == 9600 && c.largeFonts)) ||
                                 row == PileRow::Sample;
    const bool fullSizeRow = row == PileRow::Human || c.numPlayers == 2 || row == PileRow::Center ||
                             row == PileRow::Sample ||
                             (row == PileRow::Opp1 && c.pturn == 1 && index == 0);
    const CardPicture p =
        fullSizeAllowed && fullSizeRow ? CardPicture::SheetFace : CardPicture::SmallFace;
    return {p, ReducedCard(card), false, BoxColour::Keep, 0};
}

CardLook EmptyLook(PileRow row, const CardDrawContext& c) {
    const bool large =
        NormalDisplay(c) && (c.numPlayers == 2 || row == PileRow::Human || c.pturn == 1);
    return {large ? CardPicture::LargeEmpty : CardPicture::SmallEmpty, 0, false, BoxColour::Keep,
            0};
}

CardLook BackLook(PileRow row, const CardDrawContext& c) {
    const bool large = NormalDisplay(c) && (c.numPlayers == 2 || row == PileRow::Human);
    const bool plain = c.backStyle == 0;
    return {large ? CardPicture::LargeBack : CardPicture::SmallBack, 0, plain,
            plain ? BoxColour::Deck : BoxColour::Keep, 0};
}
}  // namespace

CardLook DecideCardLook(PileRow row, int index, int card, int kind, const CardDrawContext& ctx) {
    CardLook look;
    if (card != 0)
        look = FaceLook(row, index, card, ctx);
    else if (kind == card_kind::kEmptyPile)
        look = EmptyLook(row, ctx);
    else
        look = BackLook(row, ctx);
    if (kind >= 1 && kind <= 5 && ctx.soundMode != 2) look.sound = kind;
    return look;
}

std::string CardSoundFile(int kind, int cardSoundSet) {
    static const char* const kMetal[] = {"~113.tmp", "~112.tmp", "~111.tmp", "~115.tmp",
                                         "~114.tmp"};
    static const char* const kWood[] = {"~118.tmp", "~117.tmp", "~116.tmp", "~120.tmp", "~119.tmp"};
    if (kind < 1 || kind > 5) return "";
    return cardSoundSet == 1 ? kMetal[kind - 1] : kWood[kind - 1];
}

std::string ShowCardProblem(int errorNumber, const std::string& description,
                            const std::string& boxName, int index, int card) {
    return "Houston, we have a problem:\nError " + Str(errorNumber) + "\n: " + description +
           "\nObject is: " + boxName + "\nToPicNum: " + Str(index) + "  FromPicNum: " + Str(card) +
           "  adjusted (From): " + Str(card == 0 ? 0 : ReducedCard(card));
}
