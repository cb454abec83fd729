#pragma once
// The end-of-game card animation on the table: card backs drift over the board (or along the
// rows of piles) frame by frame on a steady timer until something asks it to stop; then the
// table comes back and, when a new game was asked for meanwhile, the Deal button is pressed.
// The call that starts it returns at once; a second call while it runs starts nothing.
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "board/board_looks.h"
#include "board/qt/anim_buffers.h"
#include "engine/game.h"
#include "mainwindow/cards_flow.h"
#include "mainwindow/main_window_state.h"

class BoardShell;
class FrmBrivo;

struct CardsFlowParts {
    Game& game;
    MainWindowState& state;
    BoardShell& board;
    const BoardLooks& looks;
    FrmBrivo& window;
    Dialogs* dialogs = nullptr;
    // The Deal button's handler, pressed when the animation ends with a new game asked for.
    std::function<void()> pressDeal;
};

class CardsFlowView : public QObject {
    Q_OBJECT
  public:
    explicit CardsFlowView(CardsFlowParts parts);
    ~CardsFlowView() override;

    void AnimateCardsFlow(int displayStyle);
    bool Running() const { return timer_.isActive(); }
    int FramesShown() const { return frames_; }

  private:
    void Frame();
    void Finish();
    bool LoadCardPicture();
    void HideLabels();
    void ShowLabels();
    std::string TempPicturePath() const;

    CardsFlowParts p_;
    QTimer timer_;
    AnimBuffers buffers_;
    MemBitmap card_;
    // The board beneath the flowing cards, as it was when the animation started.
    QImage base_;
    FlowCounts counts_;
    int style_ = 0;
    int w_ = 0, h_ = 0, dx_ = 0, dy_ = 0;
    int frames_ = 0;
    // The labels over the table that the flowing cards cover, shown again at the end.
    std::vector<std::string> hiddenLabels_;
};
