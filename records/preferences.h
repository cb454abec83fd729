#pragma once
// The preferences dialog without its window: the four pages' pending choices, each page loaded
// from the applied settings whenever it is shown, and Apply, which commits the page on view and
// says what the table has to show again. Colours are the profile's (0xBBGGRR).
#include <functional>
#include <string>
#include <vector>

#include "platform/vb_types.h"
#include "records/working_prefs.h"

// The applied settings the dialog reads and changes: the profile's working values.
using PreferenceValues = WorkingPrefs;

// What the table has to do after an Apply.
struct PreferenceEffects {
    bool cardFaces = false;      // the face source changed: number images or the new deck's faces
    bool hideSidePiles = false;  // before the first deal the two side-pile boxes go
    bool cardBacks = false;      // backs, their colour and the hold-pile picture
    bool labels = false;         // label colours, the message font size and backdrop
    bool skins = false;          // placeholders, center area, drawn menus, hold and chat skins
    bool redraw = false;
    std::string message;  // for the message label, when not empty
};

enum class PrefsPage { Cards = 0, Backs = 1, Font = 2, Sounds = 3 };

// The controls' pending choices.
struct PreferencesPending {
    i16 NewFaceDeck = 6;
    i16 NewBackStyle = 0;
    i32 backColour = 0;  // the back preview's colour (the plain back's, or the deck back's)
    i32 deckMat = 0;     // page 2's mat sample
    i32 fontMat = 0;     // page 3's mat sample
    i32 fontColour = 0;  // page 3's font samples
    i16 fontSize = 12;
    bool backdrop = false;
    int cardSound = 0;  // 0 wood, 1 metallic, 2 no game sounds
    int menu = 0;       // 0 wood, 1 metallic
    bool noIntro = false;
    int placeholder = 0;  // 0 wood, 1 metallic
};

// Page 1's list of picture decks: "Deck  1" the built-in one, then one entry per installed
// deck, then "Select Deck" (shown while a number design is chosen). Entry k is face deck 6 + k.
std::vector<std::string> DeckListEntries(int installedDecks);
// The number designs' captions, 1-5.
std::string NumberDesignCaption(int design);

// A colour as the profile keeps it (0xBBGGRR) and as the table draws it (0xRRGGBB).
constexpr unsigned RgbOfVbColour(i32 c) {
    const auto u = static_cast<unsigned>(c);
    return ((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF);
}
constexpr i32 VbColourOfRgb(unsigned rgb) {
    return static_cast<i32>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// The pile colour that goes with some installed backs, and the mat's default.
constexpr i32 kGreyDeckColour = 0xC0C0C0;
constexpr i32 kDefaultMatColour = 0x8000;
constexpr i16 kMinFontSize = 6, kMaxFontSize = 36;

class Preferences {
  public:
    // `backColour(i)` is the colour that goes with installed back i (0-based).
    Preferences(PreferenceValues applied, int installedDecks, int installedBacks, bool lowColour,
                std::function<i32(int)> backColour);

    // Brings a page to view: its controls start again from the applied settings (page 1 from the
    // deck last shown); Apply is disabled.
    void ShowPage(PrefsPage page);
    PrefsPage page() const { return page_; }

    // Page 1: a deck of the list (entry index) or a number design (1-5) is shown in the samples.
    void ShowDeckSample(int whichDeck);
    // The list entry to show (the "Select Deck" entry for a number design) and the number design
    // selected (0 none).
    int DeckListIndex() const;
    int NumberDesign() const;

    // Page 2.
    void BackScrolled(int v);
    void PlainBackClicked();
    void ResetSampleClicked();
    void DeckColourChosen(i32 colour);
    void DeckMatChosen(i32 colour);
    // Page 3.
    void BackdropTicked(bool on);
    void FontSizeStep(int delta);
    void RestoreFont();
    void FontColourChosen(i32 colour);
    void FontMatChosen(i32 colour);
    // Page 4.
    void CardSoundChosen(int choice);
    void MenuChosen(int choice);
    void IntroTicked(bool noIntro);
    void PlaceholderChosen(int choice);

    // Commits the page on view and says what the table has to do.
    PreferenceEffects Apply();

    const PreferenceValues& applied() const { return applied_; }
    const PreferencesPending& pending() const { return p_; }
    bool applyEnabled() const { return applyEnabled_; }
    int installedDecks() const { return decks_; }
    int installedBacks() const { return backs_; }

  private:
    i32 PlainDefault() const { return lowColour_ ? kDeckColorLowColour : kDeckColorHighColour; }
    i32 ColourOfBack(int style) const;
    void ApplyCards(PreferenceEffects& fx);
    void ApplyBacks(PreferenceEffects& fx);

    PreferenceValues applied_;
    PreferencesPending p_;
    int decks_;
    int backs_;
    bool lowColour_;
    std::function<i32(int)> backColour_;
    PrefsPage page_ = PrefsPage::Cards;
    bool applyEnabled_ = false;
};
