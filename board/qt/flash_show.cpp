#include "board/qt/flash_show.h"

#include "board/flash_place.h"
#include "board/flash_sequence.h"
#include "board/qt/table_view.h"
#include "engine/shared_helpers.h"
#include "platform/file_util.h"

void FlashShow::LoadFrames(const std::string& owner) {
    if (loaded_ && owner_ == owner) return;  // a second show reads nothing
    owner_ = owner;
    for (auto& f : frames_) f = QImage();
    // Only a name that can stand in a file name reaches the folder.
    if (!HasBadFileChars(owner))
        for (int n = 1; n <= kFlashFrames; ++n) {
            frames_[n].load(QString::fromStdString(
                JoinPath(appFolder_, "Data/PMS/" + FlashFrameFile(owner, n))));
            ++framesRead_;
        }
    loaded_ = true;
}

bool FlashShow::Wait(Game& g, double seconds, Clock& clock, EventPump& pump) {
    const double end = clock.Now() + seconds;
    while (clock.Now() < end) {
        if (FlashInterrupted(g)) return false;
        pump.Pump(true, std::min(0.02, end - clock.Now()));
    }
    return !FlashInterrupted(g);
}

void FlashShow::Flash(Game& g, const std::string& name, int style, TableLayout& layout,
                      TableView& view, Clock& clock, EventPump& pump,
                      const std::function<void()>& loadBackground) {
    LoadFrames(FlashFramesOwner(name));
    const FlashPlace place = FlashPosition(layout.Form(), g.NumPlayers, g.NumCenters);
    FormModel& form = layout.Form();
    const bool hide =
        !place.hiddenName.empty() && form.IsLoaded(place.hiddenName, place.hiddenIndex);
    if (hide) form.At(place.hiddenName, place.hiddenIndex).Visible = false;
    for (const FlashStep& step : FlashSteps(style)) {
        if (g.StopFlag) return;  // the program is closing: leave the table as it is
        view.SetOverlay(frames_[step.frame], QPointF(place.x, place.y));
        if (!Wait(g, step.seconds, clock, pump)) break;
    }
    view.ClearOverlay();
    if (g.StopFlag) return;
    Wait(g, 0.2, clock, pump);
    if (loadBackground) loadBackground();
    for (const auto& [box, index] : {std::pair{"Picture7", 1}, std::pair{"PicCenter", 1}})
        if (form.IsLoaded(box, index)) form.At(box, index).Visible = true;
    view.update();
}
