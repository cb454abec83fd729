#pragma once
// A text box on the table that must stand clear of the piles and frames around it: the box is
// cut back to the largest part of it that leaves its neighbours free.
#include <vector>

struct BoxRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool Overlaps(const BoxRect& o) const {
        return left < o.Right() && o.left < Right() && top < o.Bottom() && o.top < Bottom();
    }
    bool operator==(const BoxRect&) const = default;
};

// The largest rectangle inside `box` that overlaps none of `others`, with `gap` pixels between
// it and each of them; of two as large, the wider (then the higher, then the further left).
// `box` itself when nothing overlaps it; an empty box at its corner when nothing is left.
BoxRect ClearOf(const BoxRect& box, const std::vector<BoxRect>& others, double gap);
