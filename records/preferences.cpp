#include "records/preferences.h"

#include <algorithm>
#include <array>

#include "platform/vb_strings.h"

namespace {
constexpr std::array<const char*, 6> kDesigns{"", "Tessik", "Artsy", "Shout", "Brivo's", "Viking"};
constexpr i16 kBuiltInDeck = 6;
constexpr i16 kDefaultFontSize = 12;
}  // namespace

std::vector<std::string> DeckListEntries(int installedDecks) {
    std::vector<std::string> entries;
    for (int n = 1; n <= installedDecks + 1; ++n) entries.push_back("Deck " + Str(n));
    entries.emplace_back("Select Deck");
    return entries;
}

std::string NumberDesignCaption(int design) {
    return design >= 1 && design <= 5 ? kDesigns[design] : "";
}

Preferences::Preferences(PreferenceValues applied, int installedDecks, int installedBacks,
                         bool lowColour, std::function<i32(int)> backColour)
    : applied_(applied),
      decks_(std::max(0, installedDecks)),
      backs_(std::max(0, installedBacks)),
      lowColour_(lowColour),
      backColour_(std::move(backColour)) {
    p_.NewFaceDeck = applied_.FaceDeck;
    ShowPage(PrefsPage::Cards);
}

i32 Preferences::ColourOfBack(int style) const {
    if (style <= 0) return applied_.DeckColor;
    return backColour_ ? backColour_(style - 1) : applied_.DeckColor;
}

void Preferences::ShowPage(PrefsPage page) {
    page_ = page;
    const PreferenceValues& a = applied_;
    switch (page) {
        case PrefsPage::Cards:
            break;  // the deck last shown stays in the samples
        case PrefsPage::Backs:
            p_.NewBackStyle = static_cast<i16>(std::clamp<int>(a.BackStyle, 0, backs_));
            p_.backColour = ColourOfBack(p_.NewBackStyle);
            p_.deckMat = a.MatColor;
            break;
        case PrefsPage::Font:
            p_.fontMat = a.MatColor;
            p_.fontColour = a.FontColor;
            p_.fontSize = a.FontSize;
            p_.backdrop = a.FontBackdrop;
            break;
        case PrefsPage::Sounds:
            p_.cardSound = a.SoundMode == 2 ? 2 : (a.CardSoundSet == 1 ? 1 : 0);
            p_.menu = a.MenuStyle != 0 ? 1 : 0;
            p_.noIntro = a.NoIntro;
            p_.placeholder = a.PlaceholderStyle ? 0 : 1;
            break;
    }
    applyEnabled_ = false;
}

void Preferences::ShowDeckSample(int whichDeck) {
    if (whichDeck < 1 || whichDeck > kBuiltInDeck + decks_) return;
    p_.NewFaceDeck = static_cast<i16>(whichDeck);
    applyEnabled_ = whichDeck != applied_.FaceDeck;
}

int Preferences::DeckListIndex() const {
    return p_.NewFaceDeck >= kBuiltInDeck ? p_.NewFaceDeck - kBuiltInDeck : decks_ + 1;
}

int Preferences::NumberDesign() const {
    return p_.NewFaceDeck >= 1 && p_.NewFaceDeck < kBuiltInDeck ? p_.NewFaceDeck : 0;
}

void Preferences::BackScrolled(int v) {
    v = std::clamp(v, 0, backs_);
    if (v >= 1) p_.backColour = ColourOfBack(v);
    p_.NewBackStyle = static_cast<i16>(v);
    applyEnabled_ = true;
}

void Preferences::PlainBackClicked() {
    if (p_.NewBackStyle != 0) return;
    p_.backColour = PlainDefault();
    BackScrolled(0);
}

// Proposes the first installed back (the plain one without any), a dark green mat and the
// default font.
void Preferences::ResetSampleClicked() {
    if (backs_ > 0) {
        BackScrolled(1);
    } else {
        p_.backColour = PlainDefault();
        BackScrolled(0);
    }
    p_.deckMat = kDefaultMatColour;
    p_.fontSize = kDefaultFontSize;
    p_.fontColour = 0;
    applyEnabled_ = true;
}

void Preferences::DeckColourChosen(i32 colour) {
    p_.backColour = colour;
    applyEnabled_ = true;
}

void Preferences::DeckMatChosen(i32 colour) {
    p_.deckMat = colour;
    applyEnabled_ = true;
}

void Preferences::BackdropTicked(bool on) {
    p_.backdrop = on;
    applyEnabled_ = true;
}

void Preferences::FontSizeStep(int delta) {
    p_.fontSize =
        static_cast<i16>(std::clamp<int>(p_.fontSize + delta, kMinFontSize, kMaxFontSize));
    applyEnabled_ = true;
}

void Preferences::RestoreFont() {
    p_.fontSize = kDefaultFontSize;
    p_.fontColour = 0;
    applyEnabled_ = true;
}

void Preferences::FontColourChosen(i32 colour) {
    p_.fontColour = colour;
    applyEnabled_ = true;
}

void Preferences::FontMatChosen(i32 colour) {
    p_.fontMat = colour;
    applyEnabled_ = true;
}

void Preferences::CardSoundChosen(int choice) {
    if (choice < 0 || choice > 2) return;
    p_.cardSound = choice;
    if (choice != applied_.CardSoundSet) applyEnabled_ = true;
}

void Preferences::MenuChosen(int choice) {
    p_.menu = choice == 1 ? 1 : 0;
    applyEnabled_ = true;
}

void Preferences::IntroTicked(bool noIntro) {
    p_.noIntro = noIntro;
    applyEnabled_ = true;
}

void Preferences::PlaceholderChosen(int choice) {
    p_.placeholder = choice == 1 ? 1 : 0;
    applyEnabled_ = true;
}

void Preferences::ApplyCards(PreferenceEffects& fx) {
    PreferenceValues& a = applied_;
    if (p_.NewFaceDeck == a.FaceDeck) return;
    fx.message = "To change backgrounds, use the Up/Down Arrow keys.";
    fx.hideSidePiles = true;
    a.FaceDeck = p_.NewFaceDeck;
    fx.cardFaces = true;
    // The table's pile colour that goes with the first installed back.
    if (a.BackStyle == 1) {
        if (a.FaceDeck == 6 || a.FaceDeck == 8) a.DeckColor = kDeckColorHighColour;
        if (a.FaceDeck == 9) a.DeckColor = kGreyDeckColour;
        fx.cardBacks = true;
    }
    // The faces changed whether or not the Apply button still showed it.
    fx.redraw = true;
}

void Preferences::ApplyBacks(PreferenceEffects& fx) {
    PreferenceValues& a = applied_;
    a.BackStyle = p_.NewBackStyle;
    a.MatColor = p_.deckMat;
    if (a.BackStyle == 1 && (a.FaceDeck == 6 || a.FaceDeck == 8))
        a.DeckColor = kDeckColorHighColour;
    else if (a.BackStyle == 1 && a.FaceDeck == 7)
        a.DeckColor = kGreyDeckColour;
    else
        a.DeckColor = p_.backColour;
    fx.cardBacks = true;
}

PreferenceEffects Preferences::Apply() {
    PreferenceEffects fx;
    PreferenceValues& a = applied_;
    switch (page_) {
        case PrefsPage::Cards:
            ApplyCards(fx);
            break;
        case PrefsPage::Backs:
            ApplyBacks(fx);
            break;
        case PrefsPage::Font:
            a.MatColor = p_.fontMat;
            a.FontColor = p_.fontColour;
            a.FontSize = p_.fontSize;
            a.FontBackdrop = p_.backdrop;
            fx.labels = true;
            break;
        case PrefsPage::Sounds:
            if (p_.cardSound == 2)
                a.SoundMode = 2;
            else
                a.CardSoundSet = static_cast<i16>(p_.cardSound);
            a.MenuStyle = static_cast<i16>(p_.menu);
            a.NoIntro = p_.noIntro;
            a.PlaceholderStyle = p_.placeholder == 0;
            fx.skins = true;
            break;
    }
    if (applyEnabled_) fx.redraw = true;
    applyEnabled_ = false;
    return fx;
}
