#pragma once
// The card boxes of the main window as the drawing leaves them: positions, sizes and visibility
// live in the layout's form model, and this adds what each box shows (its look, border and
// background colour) and the table's colours. The Qt table paints from both.
#include <functional>
#include <map>
#include <string>

#include "board/box_canvas.h"
#include "board/layout_control.h"

struct BoxFace {
    CardLook look;
    bool painted = false;  // nothing drawn yet: the box shows its designed picture
    bool border = false;
    BoxColour colour = BoxColour::Keep;
};

// The control array a row's boxes belong to ("Picture7", "PicCenter", ...).
std::string RowName(PileRow row);

class ModelCanvas : public BoxCanvas {
  public:
    explicit ModelCanvas(FormModel& form) : form_(form) {}

    void Paint(PileRow row, int index, const CardLook& look) override;
    void SetBorder(PileRow row, int index, bool on) override;
    void SetVisible(PileRow row, int index, bool on) override;
    void BringToFront(PileRow row, int index) override;
    void PlaySound(const std::string& dataFile) override;
    void SetWildLabel(int center, const std::string& text) override;
    void SetDepthColour(Rgb colour) override { depthColour = colour; }
    void HideHoldImage() override;
    void SetHoldImageFrame(bool on) override { holdImageFrame = on; }
    void SetTableColour(Rgb colour) override {
        tableColour = colour;
        tableColourSet = true;
    }

    // What was last drawn into box `key` ("Picture7_3"); nullptr before anything was. The box
    // shows it while the layout names no picture for the box.
    const BoxFace* FaceOf(const std::string& key) const;
    void Forget(const std::string& key) { faces_.erase(key); }
    bool Has(PileRow row, int index) const;

    // Card sounds go here (a file name in the Data folder).
    std::function<void(const std::string&)> playSound;
    Rgb depthColour = 0x1F4E9C;
    Rgb tableColour = 0;
    bool tableColourSet = false;
    bool holdImageFrame = true;

  private:
    ControlGeom* Box(PileRow row, int index);

    FormModel& form_;
    std::map<std::string, BoxFace> faces_;
};
