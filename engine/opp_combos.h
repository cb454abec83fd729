#pragma once
// What the opponent-setup windows list and select: the comment sets and the personalities, and
// the comment set a seat shows. The windows only display these lists.
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/ports/records_port.h"

struct OppCombos {
    // "Default Personality", the comment files, then "No Comments".
    std::vector<std::string> CboComment;
    std::vector<std::string> CboOpponent;  // personality names
    // The personality shown: an entry of CboOpponent, or OpponentText when it is -1.
    int OpponentIndex = 0;
    std::string OpponentText;
};

// `PersonalityIndex` is brought back into range (0 when it names no entry). In an Internet game
// with a comment file named by the peer, that name is shown instead of an entry.
OppCombos FillOppCombos(const std::vector<std::string>& commentFiles,
                        const std::vector<std::string>& personalities, i16& PersonalityIndex,
                        bool localGame, const std::string& NetCommentFile);

struct SeatCommentChoice {
    int index = 0;  // the CboComment entry to select, or -1: show `text` unchanged
    std::string text;
    bool profileWriteFailed = false;
};

// The comment set of a profile seat as the list shows it. A seat whose comment file has gone is
// reset to "Default Personality" and the profile is written back.
SeatCommentChoice SyncSeatComment(Game& g, SeatRecord& seat, const OppCombos& combos,
                                  RecordsPort* records);
