#include "board/clear_box.h"

#include <algorithm>
#include <tuple>

namespace {

// The neighbours that reach into the box, grown by the gap.
std::vector<BoxRect> InTheWay(const BoxRect& box, const std::vector<BoxRect>& others, double gap) {
    std::vector<BoxRect> near;
    for (const BoxRect& o : others) {
        const BoxRect grown{o.left - gap, o.top - gap, o.width + 2 * gap, o.height + 2 * gap};
        if (o.width > 0 && o.height > 0 && box.Overlaps(grown)) near.push_back(grown);
    }
    return near;
}

// The box's own edges and every neighbour edge inside it, along one axis.
std::vector<double> Cuts(double from, double to, const std::vector<BoxRect>& near, bool across) {
    std::vector<double> cuts{from, to};
    for (const BoxRect& o : near)
        for (double edge : across ? std::vector<double>{o.left, o.Right()}
                                  : std::vector<double>{o.top, o.Bottom()})
            if (edge > from && edge < to) cuts.push_back(edge);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

bool Free(const BoxRect& r, const std::vector<BoxRect>& near) {
    return std::none_of(near.begin(), near.end(), [&r](const BoxRect& o) { return r.Overlaps(o); });
}

// Larger area first, then wider, then higher, then further left.
auto Rank(const BoxRect& r) {
    return std::make_tuple(r.width * r.height, r.width, -r.top, -r.left);
}

}  // namespace

BoxRect ClearOf(const BoxRect& box, const std::vector<BoxRect>& others, double gap) {
    const std::vector<BoxRect> near = InTheWay(box, others, gap);
    if (near.empty()) return box;
    const std::vector<double> xs = Cuts(box.left, box.Right(), near, true);
    const std::vector<double> ys = Cuts(box.top, box.Bottom(), near, false);
    BoxRect best{box.left, box.top, 0, 0};
    for (size_t l = 0; l < xs.size(); ++l)
        for (size_t r = l + 1; r < xs.size(); ++r)
            for (size_t t = 0; t < ys.size(); ++t)
                for (size_t b = t + 1; b < ys.size(); ++b) {
                    const BoxRect c{xs[l], ys[t], xs[r] - xs[l], ys[b] - ys[t]};
                    if (Rank(c) > Rank(best) && Free(c, near)) best = c;
                }
    return best;
}
