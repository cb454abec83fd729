#pragma once
// A personality's end-of-game show: its seven frames painted over the middle of the table,
// forward and back (or forward twice), each for its own time. The frames are picture files the
// program ships in Data/PMS; a personality without them shows nothing. The frames of the last
// personality shown stay loaded for the rest of the run.
#include <QImage>
#include <array>
#include <functional>
#include <string>

#include "board/table_layout.h"
#include "engine/game.h"
#include "platform/pause.h"

class TableView;

class FlashShow {
  public:
    explicit FlashShow(std::string appFolder) : appFolder_(std::move(appFolder)) {}

    // `name`: the winning personality; `style`: the number its sound name 0 holds. Returns when
    // the show is over, stopped, or a new game has the turn elsewhere. `loadBackground` repaints
    // the table's ground afterwards.
    void Flash(Game& g, const std::string& name, int style, TableLayout& layout, TableView& view,
               Clock& clock, EventPump& pump, const std::function<void()>& loadBackground);

    bool FlashLoaded() const { return loaded_; }
    int FramesRead() const { return framesRead_; }

  private:
    void LoadFrames(const std::string& owner);
    // Waits, handling events; false when the show must end.
    bool Wait(Game& g, double seconds, Clock& clock, EventPump& pump);

    std::string appFolder_;
    std::array<QImage, 8> frames_{};
    std::string owner_;
    bool loaded_ = false;
    int framesRead_ = 0;
};
