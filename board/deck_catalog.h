#pragma once
// The card decks the desktop has installed, which the game offers as deck styles from 7 on and
// backs from 1 on: KDE's SVG decks (a folder per deck with an index.desktop naming its SVG file)
// and GNOME's (one SVG file per deck). Finding them reads only folder listings and small text
// files; the pictures are rendered when a deck is chosen.
#include <string>
#include <vector>

enum class DeckNaming { Kde, Gnome };

struct InstalledDeck {
    std::string name;
    std::string svgPath;
    DeckNaming naming = DeckNaming::Kde;
};

// Where Debian installs them.
std::vector<std::string> DefaultKdeDeckFolders();
std::vector<std::string> DefaultGnomeDeckFolders();

// KDE decks in folder order, then GNOME decks, each sorted by name.
std::vector<InstalledDeck> FindInstalledDecks(const std::vector<std::string>& kdeFolders,
                                              const std::vector<std::string>& gnomeFolders);

// The SVG element of card 1-52 (suits in the face sheet's order: clubs, diamonds, hearts,
// spades; ranks Ace to King) and of the back.
std::string CardElementId(DeckNaming naming, int card);
std::string BackElementId(DeckNaming naming);

// The deck style and back a profile can use on this machine: a style or back of a deck that is
// not installed falls back to the built-in sheet (6) and the plain back (0) for this run; the
// profile keeps its choice for a machine that has the deck.
struct DeckChoice {
    int faceDeck = 6;
    int backStyle = 0;
    bool operator==(const DeckChoice&) const = default;
};
DeckChoice UsableDeckChoice(int faceDeck, int backStyle, int deckCount, int backCount);
