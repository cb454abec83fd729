#include "mainwindow/counter_layout.h"

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
