#pragma once
// Puts the table's computed layout onto real widgets: each control of the model is a child of
// the table widget whose object name is the control's key ("Picture7_3", "cmdDeal"), placed at
// absolute pixel positions. Widgets the table lacks are made on the way; widgets of controls
// the model has unloaded are removed.
#include <QWidget>
#include <functional>
#include <string>

#include "board/layout_control.h"

// Makes the widget for a control the table does not have yet; the applier names and places it.
using TableWidgetFactory =
    std::function<QWidget*(const std::string& key, const ControlGeom& c, QWidget* table)>;

// A label for labels, a button for command buttons, a plain frame for piles, pictures and
// shapes.
QWidget* MakeDefaultTableWidget(const std::string& key, const ControlGeom& c, QWidget* table);

void ApplyLayout(const FormModel& model, QWidget* table,
                 const TableWidgetFactory& make = MakeDefaultTableWidget);

// The dynamic property naming the picture a widget shows ("EmptyPic", "imgCenterV"); the card
// drawing reads it.
inline constexpr const char* kPictureProperty = "tablePicture";
