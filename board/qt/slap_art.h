#pragma once
// The slap over the opponent's picture and the two hand pointers of the avatar, drawn by the
// program: a burst with a red hand print, an open hand and a hand swinging.
#include <QImage>
#include <QSize>

QImage SlapPicture(QSize size, qreal dpr);
// 32 x 32 pointers: the open hand over the avatar (0) and the swinging hand over the slap (1).
QImage HandPointer(int which);
