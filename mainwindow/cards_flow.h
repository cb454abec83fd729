#pragma once
// The end-of-game card animation's rules: how many card backs a frame lays and where, how they
// drift from frame to frame, which back flows, and the animation's life: one at a time, started
// once and ended once, with the Deal button pressed afterwards when a new game was asked for.
#include <utility>
#include <vector>

#include "engine/game.h"
#include "mainwindow/main_window_state.h"

// The frame's pacing: a fixed rate, whatever the machine.
constexpr int kCardsFlowFrameMs = 20;

struct FlowCounts {
    int a = 0;  // rows of cards, with a margin for the upward drift
    int b = 0;  // columns of cards
    bool operator==(const FlowCounts&) const = default;
};

// `style` 0 the whole board flows; 1 and 2 a strip of cards along the rows of piles.
FlowCounts CardsFlowCounts(long boardWidth, long boardHeight, int w, int h, int style);
// Where the card picture is laid in one frame, at the drift (dx, dy): a square of
// max(a, b) + 1 cards a side (style 0), or that many along the top edge (styles 1 and 2).
std::vector<std::pair<int, int>> CardsFlowCopies(FlowCounts c, int style, int dx, int dy, int w,
                                                 int h);
// The drift of one frame: right by 2 and up by 1, wrapping after one card.
void CardsFlowStep(int& dx, int& dy, int w, int h);
// The small card back flows with small cards, and with three or four players on a screen of
// 12000 twips or less.
bool CardsFlowSmallBack(int displayMode, int numPlayers, i32 screenWidth);

// Starts an animation: false when one is running already, which then goes on alone.
bool BeginCardsFlow(Game& g, MainWindowState& w);
// The animation must end at this frame.
bool CardsFlowStopAsked(const Game& g, const MainWindowState& w);
// Ends the animation; only the first call after a start does anything. True when the Deal
// button is to be pressed now (a new game was asked for while it ran).
bool EndCardsFlow(Game& g, MainWindowState& w);
// The Deal button during the animation: the animation is asked to end and deal afterwards.
// False when no animation runs (the button deals as usual).
bool StopCardsFlowForDeal(const Game& g, MainWindowState& w);
