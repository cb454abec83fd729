#pragma once
// What the game's logic asks of the table on screen: drawing cards into the pile boxes, sliding
// cards between piles, the message labels, redraws and re-layouts. The board is only a view:
// every change of the game's state happens in the core before the board is asked to show it.
#include <string>

#include "platform/vb_types.h"

// The rows of card boxes: 7 the human's (Picture7), 1-3 the opponents' (Picture1-Picture3; box 0
// of row 1 is the spare card that covers a source or travels during a deal), 0 the center row
// (PicCenter: 0 the stock, 1-4 the centers), 8 the hold-cards window's row (Picture8), 9 the
// preferences dialog's samples (FilePic).
enum class PileRow {
    Center = 0,
    Opp1 = 1,
    Opp2 = 2,
    Opp3 = 3,
    Human = 7,
    HoldWindow = 8,
    Sample = 9
};

// The kind passed with a card: 0 draws silently, 1-5 draw and play that card sound, and with
// card 0 kEmptyPile draws the empty-pile placeholder (any other kind with card 0 is a back).
namespace card_kind {
constexpr int kSilent = 0;
constexpr int kTurnUp = 1;       // a card turned up or shown (flips, peeking)
constexpr int kToCenter = 2;     // laid on a center pile
constexpr int kDealToOpp = 3;    // dealt to an opponent
constexpr int kToHold = 4;       // discarded onto a hold pile
constexpr int kDealToHuman = 5;  // dealt to the human
constexpr int kEmptyPile = 88;
}  // namespace card_kind

class BoardPort {
  public:
    virtual ~BoardPort() = default;
    // Draws card `cardId` (0: a back, or with kEmptyPile the placeholder) into box `index` of
    // `row`, makes the box visible and plays the card sound of `kind`.
    virtual void ShowCard(PileRow row, int index, i16 cardId, int kind) = 0;
    // Hides a box (an emptied hand slot).
    virtual void HideCard(PileRow row, int index) = 0;
    // Label9(index): 0 notices, 1 play notices and announcements, 2 the opponent's remark.
    virtual void SetMessage(int index, const std::string& text) = 0;
    virtual void DrawTable() = 0;
    virtual void ResetTable() = 0;
    // Re-lays the table for the current NumPlayers/NumCenters; the old values are passed.
    virtual void SetupLayout(int oldPlayers, int oldCenters) = 0;

    // Slides the card of box (fromRow, fromIdx) towards box (toRow, toIdx) and puts the source
    // box back, hidden. Draws nothing at the target: the caller shows the card there.
    virtual void MoveCardAnim(PileRow fromRow, int fromIdx, PileRow toRow, int toIdx) = 0;
    // Puts the spare card (row 1, box 0) face down on the stock, ready to travel in a deal.
    virtual void PutMoverOnStock() = 0;
    // Shows the opponents' hands face up while the game's Peeking flag is set, else face down.
    virtual void Peek() = 0;
    // The human's boxes fromPile..toPile (0-10) take the mouse when `flag` and the slot holds a
    // card; empty slots never do.
    virtual void EnableHumanPiles(bool flag, int fromPile, int toPile) = 0;
    // All ten of the human's boxes; while the tutorial runs the hold piles stay enabled.
    virtual void EnablePlayerPiles(bool flag) = 0;
    virtual void EnableItem(PileRow row, int index) = 0;
    // Shows an avatar picture of the Avatars folder, fitted to the avatar box.
    virtual void LoadAvatar(const std::string& fileName) = 0;
    // The label over center pile `center` that tells the value a wild King on top stands for
    // (also the pile's tool tip); empty text hides it.
    virtual void SetWildLabel(int center, const std::string& text) = 0;
    // The rules caption and the level (or decks) caption of the main window.
    virtual void SetRulesLabels(const std::string& rules, const std::string& level) {
        (void)rules;
        (void)level;
    }
    // The status notice over the table's left side (the Internet game's waits and hints); empty
    // text or `visible` false hides it.
    virtual void SetStatusNotice(const std::string& text, bool visible) {
        (void)text;
        (void)visible;
    }
    // The level caption alone, as each computer seat of a game of three or four takes its turn.
    virtual void SetLevelLabel(const std::string& level) { (void)level; }
    // The screen's width in twips and the display mode (0-3; 2 and 3 small cards): a narrow
    // screen gets the short rules caption.
    virtual i32 ScreenWidth() const { return 19200; }
    virtual int DisplayMode() const { return 0; }
};
