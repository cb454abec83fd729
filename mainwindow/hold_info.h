#pragma once
// What the hold-cards window shows when the player asks about cards that cannot be seen: the
// cards under a hold pile's top, under a side pile's top or in the stock, at most the ten
// nearest the top, nearest first; and what a right press on an opponent's row asks for.
#include <array>
#include <string>

#include "engine/game.h"

// The window's caption and its ten boxes (index 1-10; 0 shows the empty-pile picture).
struct HoldView {
    std::string caption;
    std::array<i16, 11> cards{};
};

// The pile the window is asked about (InfoSlot): 0 the stock, 1 a side pile, 7-10 a hold pile.
constexpr int kInfoStock = 0;
constexpr int kInfoSide = 1;

// The human's hold pile of slot 7-10.
HoldView HumanHoldView(const Game& g, int slot);
// An opponent's hold pile of slot 7-10: its cards and hold-pile counts, the top included.
HoldView OppHoldView(const HoldPiles& hold, const HoldInfo& info, int slot,
                     const std::string& owner);
// A side pile of `count` cards, bottom to top: the cards under its top.
HoldView SideView(const SidePile& side, int count);
// The stock, its top first.
HoldView StockView(const Game& g);

// A right press on opponent `opp`'s (1-3) box `slot`.
struct PileInfoAnswer {
    enum class Kind { Nothing, Message, Window };
    Kind kind = Kind::Nothing;
    std::string message;  // for Label9(1)
    HoldView view;
};
PileInfoAnswer ShowPileInfo(const Game& g, int opp, int slot);
