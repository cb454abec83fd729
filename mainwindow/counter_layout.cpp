#include "mainwindow/counter_layout.h"

#include <sstream>
#include <string_view>
#include <vector>

namespace {
// Where each value of the header ends: under it stands that value's count.
std::vector<size_t> HeaderColumns() {
    std::vector<size_t> ends;
    const std::string_view header = kCounterHeader;
    for (size_t i = 0; i < header.size(); ++i)
        if (header[i] != ' ' && (i + 1 == header.size() || header[i + 1] == ' ')) ends.push_back(i);
    return ends;
}
}  // namespace

CounterLayout LayOutCounter(int numPlayers, const CounterDesign& d) {
    CounterLayout l;
    l.Picture0Top = d.GridTop;
    l.Picture0Height = d.GridLines * d.LineHeight;
    l.WindowHeight = d.Height;
    l.GridHeight = l.Picture0Height;
    if (numPlayers < 3) return l;
    // A third deck adds half a grid, a fourth a whole one.
    const int extra = numPlayers >= 4 ? l.Picture0Height : l.Picture0Height / 2;
    l.WindowHeight += extra;
    l.GridHeight += extra + d.PictureGap;
    l.Picture1 = true;
    l.Picture1Top = l.Picture0Top + l.Picture0Height + d.PictureGap;
    l.Picture1Height = extra;
    return l;
}

std::string AlignCounterGrid(const std::string& grid) {
    static const std::vector<size_t> columns = HeaderColumns();
    std::string out;
    std::istringstream lines(grid);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream cells(line);
        std::string aligned, cell;
        for (size_t c = 0; c < columns.size() && cells >> cell; ++c) {
            // A count wider than its heading still keeps a blank from the one before it.
            const size_t start = columns[c] + 1 >= cell.size() ? columns[c] + 1 - cell.size() : 0;
            const size_t pad = start > aligned.size() ? start - aligned.size() : !aligned.empty();
            aligned.append(pad, ' ');
            aligned += cell;
        }
        if (aligned.empty()) continue;
        if (!out.empty()) out += '\n';
        out += aligned;
    }
    return out;
}
