#include <gtest/gtest.h>
#include "board/qt/board_shell.h"
#include "board/qt/cls_dll.h"
#include "board/qt/card_looks_setup.h"
#include "tests/qt/qt_test_app.h"
TEST(Scratch2, DISABLED_Deck) {
    TestApp();
    CardPictures pics(1.0);
    QImage before = pics.Sheet();
    BoardLooks looks;
    looks.FaceDeck = 8;
    ClsDll dll = ClsDll::Installed();
    DeckChoice c = ApplyCardLooks(looks, pics, dll);
    printf("choice %d %d same=%d decks=%d\n", c.faceDeck, c.backStyle, int(pics.Sheet() == before), dll.GetDecksQuantity());
}
