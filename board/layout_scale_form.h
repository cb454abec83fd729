#pragma once
// Scaling a window and its controls by a pair of factors: to fit the screen (mode 4) or one
// step larger or smaller (mode 5).
#include "board/layout_control.h"
#include "platform/vb_types.h"

struct ScaleContext {
    i32 ScreenWidth = 12000;  // twips
    i32 ScreenHeight = 9000;  // twips
    bool StartingUp = false;
    // The main window keeps its width and scales its controls by kind; other windows scale
    // whole.
    bool MainWindow = false;
    i16* DropBase = nullptr;             // set by mode 5
    i32* DefaultWindowHeight = nullptr;  // main window: its height after scaling
};

void Scale_Form(FormModel& Frm, int Mode, int Step, ScaleContext& ctx);

// The name of a control without its array index ("Label9" for "Label9_2").
std::string_view ControlBaseName(std::string_view key);
