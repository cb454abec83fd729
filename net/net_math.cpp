#include "net/net_math.h"

#include <algorithm>

namespace net {

namespace {
i16 Saturated(int v) {
    return static_cast<i16>(std::clamp(v, -32768, 32767));
}
}  // namespace

void DoTheNETMath(Game& g, i16 margin, bool thisOneWon) {
    g.LastMargin = margin;
    g.GamesPlayedTally = Saturated(g.GamesPlayedTally + 1);
    if (thisOneWon) {
        g.GamesWonTally = Saturated(g.GamesWonTally + 1);
        g.MarginTally = Saturated(g.MarginTally + margin);
    } else {
        g.MarginTally = Saturated(g.MarginTally - margin);
    }
}

}  // namespace net
