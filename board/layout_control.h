#pragma once
// A window's controls as plain data: where each one stands, its size, whether it is loaded,
// shown and enabled, and its texts. The table's layout procedures compute into this model, so
// that tests can read a whole layout without a window and a thin toolkit layer applies it.
#include <map>
#include <string>
#include <string_view>

// What kind of control a name stands for; scaling treats the kinds differently.
enum class ControlKind {
    PictureBox,
    Image,
    Label,
    Shape,
    CommandButton,
    StatusBar,
    ComboBox,
    TextBox,
    Line,
    Menu,
    Other,
};

struct ControlGeom {
    ControlKind Kind = ControlKind::Other;
    // Pixels of the window's client area; positions may carry fractions (depth shapes step 2.25).
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string Caption;
    std::string ToolTip;
    // The name of the picture the control shows (a card back, a center-area picture); the card
    // drawing maps it to the art.
    std::string Picture;
    double FontSize = 8;
    bool Stretch = false;  // an image drawn at the control's size rather than its own
    bool Front = false;    // kept above the controls it overlaps

    bool operator==(const ControlGeom&) const = default;
};

// The key of a control: its name, and for an element of a control array "_" and the index
// ("Picture7_3"). Widgets carry the same key as their object name.
std::string ControlKey(std::string_view name, int index = -1);

struct FormModel {
    std::string Name;
    // The window itself, in pixels.
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    int WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    double FontSize = 8;
    // The loaded controls, by key; unloading removes the entry.
    std::map<std::string, ControlGeom> Controls;

    bool IsLoaded(std::string_view name, int index = -1) const;
    // Throws std::out_of_range for a control that is not loaded, as the toolkit would fail.
    ControlGeom& At(std::string_view name, int index = -1);
    const ControlGeom& At(std::string_view name, int index = -1) const;
    // Loads an element as a copy of `from`, hidden, as a run-time element of an array starts.
    ControlGeom& Load(std::string_view name, int index, const ControlGeom& from);
    void Unload(std::string_view name, int index = -1);
};
