#include "net/number_cards.h"

namespace net {

namespace {
constexpr i16 kLastNumberDesign = 5;
constexpr i16 kFirstNumberDeck = 1;
}  // namespace

bool SwitchToNumberCards(i16& faceDeck, Dialogs& dialogs) {
    if (faceDeck <= kLastNumberDesign) return false;
    dialogs.MsgBox("Unable to use picture playing cards!\nSwitching to number cards!",
                   mb::Exclamation, "Quorvane");
    faceDeck = kFirstNumberDeck;
    return true;
}

}  // namespace net
