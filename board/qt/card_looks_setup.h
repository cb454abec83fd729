#pragma once
// Makes the card pictures follow the player's choices, at profile start-up and after the
// preferences change: the face source (number design, built-in sheet or an installed deck), the
// back, the plain back's colour and the placeholder style.
#include "board/board_looks.h"
#include "board/deck_catalog.h"

class CardPictures;
class ClsDll;

// Returns the face style and back in effect: a deck or back that this machine does not have (or
// cannot render) gives the built-in sheet (6) and the plain back (0) for this run. Put them into
// the looks the table draws with; the profile keeps the player's choice for another machine.
DeckChoice ApplyCardLooks(const BoardLooks& looks, CardPictures& pictures, ClsDll& dll);
