#pragma once
// The two materials of the game's skins, placeholders, frames and menu bar: wood and brushed
// metal, drawn the same every time (no randomness between runs).
#include <QPainter>
#include <QRectF>

void PaintWood(QPainter& p, const QRectF& r, bool dark = false);
void PaintMetal(QPainter& p, const QRectF& r);
// A bevel: light along the top and left, dark along the bottom and right.
void PaintBevel(QPainter& p, const QRectF& r, qreal width, bool raised = true);
// An image of `w` x `h` logical pixels at `dpr` device pixels each, cleared to transparent.
QImage BlankImage(int w, int h, qreal dpr);
