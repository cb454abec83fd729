#pragma once
// The reviewable text form of the tutorial's prepared positions (resources/tutorial/
// positions.txt), turned into game-state records at build time:
//
//   position 31 Tutorial 1          record number and title; a new position starts here
//   center 1: AC 2D 3H              the cards of center pile 1, from the Ace up
//   you side: 9D 8C 2S 4H           the human's side pile, bottom first: the top card is last
//   you hand: 9C JD -- TS 8C        hand slots 2 to 6; "--" leaves a slot empty
//   you hold 2: 7D QS               a hold pile, bottom first
//   brivo side: / brivo hand: / brivo hold N:   the same for the computer player
//   used: ...                       the used pile
//   stock top: 9H 2C                the next cards dealt, the first named dealt first
//
// A card is its rank (A 2-9 T or 10 J Q K) and suit (C D H S). Two decks are in play, so a card
// may be named twice. Every card not named goes into the stock, under the named top, in an
// order fixed by the record number. Blank lines and text after '#' are skipped. The built record
// must pass the game's own check of a position, so a mistake stops the build.
#include <optional>
#include <string>
#include <vector>

#include "shared/game_state_record.h"

struct PositionSource {
    int record = 0;
    std::string title;
    int firstLine = 0;  // of the "position" line
    struct Line {
        int number;
        std::string text;
    };
    std::vector<Line> lines;
};

// Splits the text into positions; nothing (with `error`) on a line outside any position.
std::optional<std::vector<PositionSource>> ParsePositions(const std::string& text,
                                                          const std::string& where,
                                                          std::string* error);

// The game-state record of one position, checked; nothing (with `error`) when it is wrong.
std::optional<GameStateRecord> BuildPosition(const PositionSource& source, const std::string& where,
                                             std::string* error);
