#pragma once
// Everything the main window needs of the table, put together once: the layout model, the card
// pictures, the drawn boxes, the table widget, the board the game draws through, the end-of-game
// show and the hold-cards window.
#include <memory>
#include <string>

#include "board/board_looks.h"
#include "board/deck_catalog.h"
#include "board/model_canvas.h"
#include "board/qt/card_pictures.h"
#include "board/qt/flash_show.h"
#include "board/qt/qt_board.h"
#include "board/table_layout.h"

class TableView;
class QWidget;

struct BoardShellParts {
    Game& game;
    BoardLooks& looks;
    i32 screenWidthTwips = 15360;
    bool largeFonts = false;
    Clock& clock;
    EventPump& pump;
    Sounds* sounds = nullptr;
    Dialogs* dialogs = nullptr;
    std::string appFolder;
};

class BoardShell {
  public:
    BoardShell(BoardShellParts parts, QWidget* parent);
    ~BoardShell();

    // Start-up: the first layout for the game's counts and the saved display mode, the card
    // pictures for the looks (installed decks and the built-in fallback), the background and a
    // first drawing of the table. Returns the face style and back in effect.
    DeckChoice StartUp(int savedDisplayMode);
    // Puts the model's labels and buttons (and transparent boxes that take the mouse) onto
    // widgets over the painted table.
    void ApplyWidgets();

    TableLayout layout;
    CardPictures pictures;
    ModelCanvas canvas{layout.Form()};
    TableView* view = nullptr;
    std::unique_ptr<QtBoard> board;
    FlashShow flash;

  private:
    BoardShellParts parts_;
};
