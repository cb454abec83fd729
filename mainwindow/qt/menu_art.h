#pragma once
// The drawn menus' own pictures: the bar with its four titles standing exactly over the bands
// that take a click, the drop-down's title strip, and the small picture that reveals the bar.
// Wood or brushed metal, as the player's menu style chooses.
#include <QImage>

// The bar at its designed size; `hotMenu` (1-4, 0 none) is drawn lit.
QImage MenuBarArt(bool wood, int hotMenu, qreal dpr);
// The strip across the top of a drop-down list.
QImage MenuTitleStrip(bool wood, int width, qreal dpr);
// The picture at the window's top-left corner that shows the bar when the pointer touches it.
QImage MenuRevealArt(bool wood, QSize size, qreal dpr);
