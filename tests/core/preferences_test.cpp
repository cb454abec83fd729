// The preferences dialog's pages: what each shows, what its Apply commits, and that a page
// left without Apply keeps nothing.
#include "records/preferences.h"

#include <gtest/gtest.h>

namespace {
using Entries = std::vector<std::string>;

// Installed backs 0, 1, 2 have the colours 0x10, 0x20, 0x30.
Preferences Dialog(PreferenceValues v = {}, int decks = 3, bool lowColour = false) {
    return Preferences(v, decks, decks, lowColour, [](int i) { return 0x10 * (i + 1); });
}

TEST(Preferences, TheDeckListCountsTheInstalledDecks) {
    EXPECT_EQ(DeckListEntries(0), (Entries{"Deck  1", "Select Deck"}));
    EXPECT_EQ(DeckListEntries(2), (Entries{"Deck  1", "Deck  2", "Deck  3", "Select Deck"}));
    Preferences d = Dialog();
    EXPECT_EQ(d.DeckListIndex(), 0);
    d.ShowDeckSample(3);
    EXPECT_EQ(d.DeckListIndex(), 4);  // "Select Deck"
    EXPECT_EQ(d.NumberDesign(), 3);
    EXPECT_EQ(NumberDesignCaption(4), "Brivo's");
}

TEST(Preferences, ADeckIsAppliedOnlyFromItsOwnPage) {
    Preferences d = Dialog();
    d.ShowDeckSample(8);
    EXPECT_TRUE(d.applyEnabled());
    d.ShowPage(PrefsPage::Font);  // page 1's choice is only shown, not applied
    PreferenceEffects fx = d.Apply();
    EXPECT_FALSE(fx.cardFaces);
    EXPECT_EQ(d.applied().FaceDeck, 6);

    d.ShowPage(PrefsPage::Cards);  // the deck last shown is still in the samples
    EXPECT_EQ(d.pending().NewFaceDeck, 8);
    EXPECT_FALSE(d.applyEnabled());
    fx = d.Apply();  // as OK does
    EXPECT_TRUE(fx.cardFaces);
    EXPECT_TRUE(fx.redraw);
    EXPECT_TRUE(fx.hideSidePiles);
    EXPECT_EQ(fx.message, "To change backgrounds, use the Up/Down Arrow keys.");
    EXPECT_EQ(d.applied().FaceDeck, 8);
}

TEST(Preferences, TheSameDeckAgainChangesNothing) {
    Preferences d = Dialog();
    d.ShowDeckSample(6);
    EXPECT_FALSE(d.applyEnabled());
    const PreferenceEffects fx = d.Apply();
    EXPECT_FALSE(fx.cardFaces || fx.redraw || fx.cardBacks);
}

TEST(Preferences, AnUnappliedBackIsDroppedByAnotherPage) {
    PreferenceValues v;
    v.FontSize = 14;
    Preferences d = Dialog(v);
    d.ShowPage(PrefsPage::Backs);
    d.BackScrolled(3);
    EXPECT_EQ(d.pending().backColour, 0x30);
    d.ShowPage(PrefsPage::Font);
    d.FontSizeStep(1);
    const PreferenceEffects fx = d.Apply();
    EXPECT_TRUE(fx.labels);
    EXPECT_FALSE(fx.cardBacks);
    EXPECT_EQ(d.applied().BackStyle, 0);
    EXPECT_EQ(d.applied().FontSize, 15);
}

TEST(Preferences, ABackTakesItsColourExceptTheFirstOneWithTheOldDecks) {
    const struct {
        i16 faceDeck;
        int back;
        i32 deckColor;
    } rows[] = {{10, 2, 0x20},    {10, 1, 0x10},    {6, 1, 0xC0E0FF},
                {8, 1, 0xC0E0FF}, {7, 1, 0xC0C0C0}, {7, 0, 0x123456}};
    for (const auto& r : rows) {
        PreferenceValues v;
        v.FaceDeck = r.faceDeck;
        v.DeckColor = 0x123456;
        Preferences d = Dialog(v, 5);
        d.ShowPage(PrefsPage::Backs);
        d.BackScrolled(r.back);
        d.DeckMatChosen(0x4455);
        EXPECT_TRUE(d.Apply().cardBacks);
        EXPECT_EQ(d.applied().BackStyle, r.back);
        EXPECT_EQ(d.applied().DeckColor, r.deckColor) << r.faceDeck << "/" << r.back;
        EXPECT_EQ(d.applied().MatColor, 0x4455);
    }
}

TEST(Preferences, TheResetSampleProposesTheFirstBackAndADarkGreenMat) {
    Preferences d = Dialog();
    d.ShowPage(PrefsPage::Backs);
    d.ResetSampleClicked();
    EXPECT_EQ(d.pending().NewBackStyle, 1);
    EXPECT_EQ(d.pending().deckMat, 0x8000);
    EXPECT_EQ(d.pending().fontSize, 12);
    EXPECT_EQ(d.pending().fontColour, 0);
    // Without installed decks it proposes the plain back in its default colour.
    Preferences bare = Dialog({}, 0, true);
    bare.ShowPage(PrefsPage::Backs);
    bare.ResetSampleClicked();
    EXPECT_EQ(bare.pending().NewBackStyle, 0);
    EXPECT_EQ(bare.pending().backColour, 0xC0FFFF);
}

TEST(Preferences, ThePlainBackClickedReturnsToItsDefaultColour) {
    PreferenceValues v;
    v.DeckColor = 0x112233;
    Preferences d = Dialog(v);
    d.ShowPage(PrefsPage::Backs);
    EXPECT_EQ(d.pending().backColour, 0x112233);
    d.PlainBackClicked();
    EXPECT_EQ(d.pending().backColour, 0xC0E0FF);
    d.Apply();
    EXPECT_EQ(d.applied().DeckColor, 0xC0E0FF);
}

TEST(Preferences, NoGameSoundsSilencesAndKeepsTheCardSounds) {
    PreferenceValues v;
    v.CardSoundSet = 1;
    Preferences d = Dialog(v);
    d.ShowPage(PrefsPage::Sounds);
    d.CardSoundChosen(2);
    d.MenuChosen(1);
    d.Apply();
    EXPECT_EQ(d.applied().SoundMode, 2);
    EXPECT_EQ(d.applied().CardSoundSet, 1);
    EXPECT_EQ(d.applied().MenuStyle, 1);
    d.ShowPage(PrefsPage::Sounds);
    d.CardSoundChosen(0);
    d.Apply();
    EXPECT_EQ(d.applied().CardSoundSet, 0);
    EXPECT_EQ(d.applied().SoundMode, 2);  // still silent: the sound level says so
    d.ShowPage(PrefsPage::Sounds);
    EXPECT_EQ(d.pending().cardSound, 2);
}

TEST(Preferences, TheFontSizeStaysReadable) {
    PreferenceValues v;
    v.FontSize = 35;
    Preferences d = Dialog(v);
    d.ShowPage(PrefsPage::Font);
    d.FontSizeStep(1);
    d.FontSizeStep(1);
    EXPECT_EQ(d.pending().fontSize, 36);
    for (int i = 0; i < 40; ++i) d.FontSizeStep(-1);
    EXPECT_EQ(d.pending().fontSize, 6);
}

TEST(Preferences, ColoursConvertBetweenTheProfileAndTheTable) {
    EXPECT_EQ(RgbOfVbColour(0xC0E0FF), 0xFFE0C0u);
    EXPECT_EQ(VbColourOfRgb(0xFFE0C0u), 0xC0E0FF);
    EXPECT_EQ(RgbOfVbColour(0x8000), 0x008000u);
}

}  // namespace
