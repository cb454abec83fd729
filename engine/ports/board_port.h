#pragma once
// What the game's logic asks of the table on screen: drawing cards into the pile boxes, the
// message labels, redraws and re-layouts. The board is only a view: every change of the game's
// state happens in the core before the board is asked to show it.
#include <string>

#include "platform/vb_types.h"

// The pile rows: 7 the human's (Picture7), 1-3 the opponents' (Picture1-Picture3), 0 the
// center row (PicCenter: 0 the stock, 1-4 the centers).
enum class PileRow { Center = 0, Opp1 = 1, Opp2 = 2, Opp3 = 3, Human = 7 };

// What a card box shows.
enum class CardKind { Face = 0, Back = 1, Empty = 2, SmallFace = 3 };

class BoardPort {
public:
    virtual ~BoardPort() = default;
    virtual void ShowCard(PileRow row, int index, i16 cardId, CardKind kind) = 0;
    // Label9(index): 0 notices, 1 play notices and announcements, 2 the opponent's remark.
    virtual void SetMessage(int index, const std::string& text) = 0;
    virtual void DrawTable() = 0;
    virtual void ResetTable() = 0;
    // Re-lays the table for the current NumPlayers/NumCenters; the old values are passed.
    virtual void SetupLayout(int oldPlayers, int oldCenters) = 0;
    // The label over center pile `center` that tells the value a wild King on top stands for
    // (also the pile's tool tip); empty text hides it.
    virtual void SetWildLabel(int center, const std::string& text) = 0;
};
