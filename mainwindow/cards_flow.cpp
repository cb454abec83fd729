#include "mainwindow/cards_flow.h"

#include <algorithm>

FlowCounts CardsFlowCounts(long boardWidth, long boardHeight, int w, int h, int style) {
    if (w <= 0 || h <= 0) return {};
    FlowCounts c{static_cast<int>(boardHeight / h) + 1, static_cast<int>(boardWidth / w) + 1};
    if (static_cast<long>(c.b) * w - boardWidth < 69) {
        c.a += 6;
        c.b += 1;
    } else {
        c.a += style == 1 ? 3 : 5;
    }
    return c;
}

std::vector<std::pair<int, int>> CardsFlowCopies(FlowCounts c, int style, int dx, int dy, int w,
                                                 int h) {
    // The counts are of rows (a) and columns (b); both loops run to the larger, so a board
    // wider than it is high is covered to its right edge as well.
    const int n = std::max(c.a, c.b);
    std::vector<std::pair<int, int>> at;
    for (int i = 0; i <= n; ++i) {
        const int x = (i - 1) * w + dx;
        // The strip styles lay one card per column along the buffer's top edge.
        if (style != 0) {
            at.emplace_back(x, 0);
            continue;
        }
        for (int j = 0; j <= n; ++j) at.emplace_back(x, (j - 1) * h + dy);
    }
    return at;
}

void CardsFlowStep(int& dx, int& dy, int w, int h) {
    dx += 2;
    dy -= 1;
    if (dx > w) dx = 1;
    if (dx < -w) dx = -1;
    if (dy > h) dy = 1;
    if (dy < -h) dy = -1;
}

bool CardsFlowSmallBack(int displayMode, int numPlayers, i32 screenWidth) {
    const bool normalBack = displayMode < 2 && (numPlayers < 3 || screenWidth > 12000);
    return !normalBack;
}

bool BeginCardsFlow(Game& g, MainWindowState& w) {
    if (g.AnimationRunning) return false;
    w.AnimationStop = false;
    g.AnimationRunning = VbTrue;
    return true;
}

bool CardsFlowStopAsked(const Game& g, const MainWindowState& w) {
    return w.AnimationStop || g.StopFlag;
}

bool EndCardsFlow(Game& g, MainWindowState& w) {
    if (!g.AnimationRunning) return false;
    g.AnimationRunning = VbFalse;
    if (!w.DealAfterAnimation) return false;
    w.DealAfterAnimation = false;
    // A program that is closing deals no new game.
    return !g.StopFlag;
}

bool StopCardsFlowForDeal(const Game& g, MainWindowState& w) {
    if (!g.AnimationRunning) return false;
    w.AnimationStop = true;
    w.DealAfterAnimation = true;
    return true;
}
