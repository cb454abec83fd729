#include "board/qt/card_looks_setup.h"

#include "board/qt/card_pictures.h"
#include "board/qt/cls_dll.h"

DeckChoice ApplyCardLooks(const BoardLooks& looks, CardPictures& pictures, ClsDll& dll) {
    DeckChoice c = UsableDeckChoice(looks.FaceDeck, looks.BackStyle, dll.GetDecksQuantity(),
                                    dll.GetBacksQuantity());
    if (c.faceDeck <= 5) {
        pictures.LoadFaceDeck(c.faceDeck);
    } else {
        if (!dll.GetCardFaces(c.faceDeck, pictures)) c.faceDeck = 6;
        pictures.MakeCardFiles();
    }
    pictures.SetPlainBack(looks.DeckColor);
    if (!dll.GetCardBacks(c.backStyle, pictures)) c.backStyle = 0;
    pictures.SetPlaceholderStyle(looks.PlaceholderStyle != VbFalse);
    return c;
}
