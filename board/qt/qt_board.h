#pragma once
// The board the game's logic draws on, in the Qt shell: cards into the layout's boxes, slides
// paced by the clock, the message labels, redraws, re-layouts, the avatar and the table
// background, all shown by the table view.
#include <functional>
#include <optional>
#include <string>

#include "board/anim_steps.h"
#include "board/model_canvas.h"
#include "board/table_draw.h"
#include "board/table_layout.h"
#include "engine/game.h"
#include "engine/ports/board_port.h"
#include "platform/dialogs.h"
#include "platform/hook_check.h"
#include "platform/pause.h"
#include "platform/sounds.h"

class CardPictures;
class TableView;

// What a layout step asks of the window beyond the table's drawing, done by whoever owns it.
struct LayoutFollowers {
    std::function<void()> showRulesCaption;  // the rules in force into the rules labels
    std::function<void()> wildUpdate;        // the status bar's wild-card panel
    std::function<void()> stopIdleTimer;     // Timer1 off
    std::function<void()> unloadCounter;     // the card-counter window closes
    // The table takes the window's inside size again after a layout for the default size: a
    // window that keeps its own size (maximised, or sized by the player) would otherwise show a
    // table laid out and painted shorter than itself, over whatever stood there before.
    std::function<void()> takeWindowSize;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("LayoutFollowers")
            .Need("showRulesCaption", showRulesCaption)
            .Need("wildUpdate", wildUpdate)
            .Need("stopIdleTimer", stopIdleTimer)
            .Need("unloadCounter", unloadCounter)
            .Need("takeWindowSize", takeWindowSize);
    }
};

struct QtBoardParts {
    Game& game;
    TableLayout& layout;
    BoardLooks& looks;
    CardPictures& pictures;
    TableView& view;
    Clock& clock;
    EventPump& pump;
    Sounds* sounds = nullptr;
    Dialogs* dialogs = nullptr;
    std::string appFolder;
    // Puts the layout's labels and buttons onto their widgets: a re-laid table shows its names
    // and messages where its piles now stand.
    std::function<void()> showWidgets;
};

class QtBoard : public BoardPort {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        followers_.NeedHooks(check);
        check.In("QtBoardParts").Need("showWidgets", parts_.showWidgets);
    }
    QtBoard(QtBoardParts parts, ModelCanvas& canvas);

    void ShowCard(PileRow row, int index, i16 cardId, int kind) override;
    void HideCard(PileRow row, int index) override;
    void SetMessage(int index, const std::string& text) override;
    void SetStatusNotice(const std::string& text, bool visible) override;
    void DrawTable() override;
    void ResetTable() override;
    void SetupLayout(int oldPlayers, int oldCenters) override;
    void MoveCardAnim(PileRow fromRow, int fromIdx, PileRow toRow, int toIdx) override;
    void PutMoverOnStock() override;
    void Peek() override;
    void EnableHumanPiles(bool flag, int fromPile, int toPile) override;
    void EnablePlayerPiles(bool flag) override;
    void EnableItem(PileRow row, int index) override;
    void LoadAvatar(const std::string& fileName) override;
    void SetWildLabel(int center, const std::string& text) override;
    void SetRulesLabels(const std::string& rules, const std::string& level) override;
    i32 ScreenWidth() const override { return parts_.layout.ScreenWidth; }
    int DisplayMode() const override { return parts_.layout.DisplayMode; }

    // The table background: picture BackgroundIndex of the backgrounds folder, or the plain mat
    // colour for any index that names no picture (and for a picture that does not load).
    void LoadBackground();
    // Steps the background (32 or 40 forward, anything else back); the first time a profile
    // does it, the keys are explained first.
    void CycleBackground(int keyCode);

    DrawInputs Inputs() const;

    void SetLayoutFollowers(LayoutFollowers followers) { followers_ = std::move(followers); }
    // Does what the layout steps since the last call asked: clearing, drawing and the
    // background here, the rest through the followers.
    void FollowLayoutRequests();
    // The same, but for the table's drawing, which the caller does itself right after.
    void FollowWindowRequests();

  private:
    void Refresh();
    void ShowLabel(const std::string& key, const ControlGeom& label);
    void FitInfoLabel(ControlGeom& label);
    void ShowWildLabels();
    void FollowOutside(const LayoutRequests& r);
    void PrepareSlide(PileRow fromRow, int fromIdx, bool moverTravels);
    void Slide(ControlGeom& box, const std::vector<BoxPos>& steps);
    void Uncover(PileRow row, int index);
    const ControlGeom* CoverOver(PileRow row, int index) const;

    QtBoardParts parts_;
    ModelCanvas& canvas_;
    LayoutFollowers followers_;
    // The card uncovered on a human hold pile while its top card slides away.
    i16 uncovered_ = 0;
    // The pile the spare card covers after a slide, until that pile is drawn again.
    struct Box {
        PileRow row;
        int index;
    };
    std::optional<Box> covered_;
};
