#pragma once
// The table's background picture in a window of its own, beside the game (Ctrl+F9).
#include <QImage>
#include <string>

#include "board/board_looks.h"

class QWidget;

// The table's background picture, null while the plain mat shows.
QImage TableBackgroundPicture(const BoardLooks& looks, const std::string& appFolder);

// Opens a new, non-modal window showing `picture`, or a line saying that the plain mat is in
// use when there is no picture. The window deletes itself when closed.
QWidget* ShowBackgroundWindow(const QImage& picture, QWidget* parent);
