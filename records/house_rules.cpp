#include "records/house_rules.h"

#include <algorithm>

#include "engine/table_limits.h"

namespace {

// Internet peers compare versions as two-digit text.
constexpr const char* kFirstVersionWithRules = "52";
constexpr const char* kLastVersionWithoutFourCenters = "74";

int SideIndexOf(i16 sidePileSize) {
    const auto* it = std::find(kSidePileSizes.begin(), kSidePileSizes.end(), sidePileSize);
    return it == kSidePileSizes.end() ? -1 : static_cast<int>(it - kSidePileSizes.begin());
}

}  // namespace

bool HouseRules::Open() {
    Game& g = e_.g;
    if (g.NetConnected != 0 && g.NetConnected != 99 && g.PeerVersion < kFirstVersionWithRules) {
        if (e_.sv.dialogs)
            e_.sv.dialogs->MsgBox("This feature is not available with this opponent.",
                                  mb::Information, "Playing older version.");
        return false;
    }
    c_.side = SideIndexOf(g.SidePileSize);
    c_.shuffle = g.ShuffleSeparately ? 1 : 0;

    // A mask the dialog cannot show (above 7, or a lone visible-only bit) is no forced card.
    if (g.ForcedCards < 0 || g.ForcedCards > 7) g.ForcedCards = 0;
    e_.BuildRulesText();
    ShowForced(g.ForcedCards);
    c_.wild = g.NoWildAce != VbFalse;

    if (g.NetConnected != 0 && !(g.PeerVersion > kLastVersionWithoutFourCenters)) {
        c_.center = 0;
        c_.fourCentersEnabled = false;
    } else {
        c_.center = g.NumCenters == 3 ? 0 : 1;
    }

    p_.NewForcedCards = g.ForcedCards;
    p_.NewSidePileSize = g.SidePileSize;
    p_.NewShuffle = g.ShuffleSeparately;
    p_.NewNoWildAce = g.NoWildAce;
    p_.NewNumCenters = g.NumCenters;
    return true;
}

void HouseRules::ShowForced(int mask) {
    if (mask == 0) {
        NoForcedClicked(true);
        return;
    }
    c_.noForced = false;
    c_.forced = {false, (mask & 1) != 0, (mask & 2) != 0, false, (mask & 4) != 0};
    c_.forcedEnabled[1] = c_.forcedEnabled[2] = true;
    FollowForcedBoxes();
}

// Box 4 counts, and can be changed, only while Ace or Two is ticked; it keeps its tick while
// disabled, so ticking Ace or Two again brings it back.
void HouseRules::FollowForcedBoxes() {
    const bool aceOrTwo = c_.forced[1] || c_.forced[2];
    c_.forcedEnabled[4] = aceOrTwo && !c_.noForced;
    p_.NewForcedCards = static_cast<i16>((c_.forced[1] ? 1 : 0) + (c_.forced[2] ? 2 : 0) +
                                         (aceOrTwo && c_.forced[4] ? 4 : 0));
}

void HouseRules::SideClicked(int index) {
    if (index < 0 || index >= static_cast<int>(kSidePileSizes.size())) return;
    c_.side = index;
    p_.NewSidePileSize = kSidePileSizes[index];
}

void HouseRules::ShuffleClicked(int index) {
    c_.shuffle = index == 1 ? 1 : 0;
    p_.NewShuffle = VbBool(index == 1);
}

void HouseRules::WildClicked(bool ticked) {
    c_.wild = ticked;
    p_.NewNoWildAce = VbBool(ticked);
}

void HouseRules::CenterClicked(int index) {
    if (index == 1) {
        c_.center = 1;
        p_.NewNumCenters = 4;
        return;
    }
    if (e_.g.NumPlayers > 2) {
        if (e_.sv.dialogs)
            e_.sv.dialogs->MsgBox(kFourCentersNeeded, mb::Exclamation, "Number of Centers");
        CenterClicked(1);
        return;
    }
    c_.center = 0;
    p_.NewNumCenters = 3;
}

void HouseRules::ForcedClicked(int box, bool ticked) {
    if (box != 1 && box != 2 && box != 4) return;
    if (c_.noForced || !c_.forcedEnabled[box]) return;
    c_.forced[box] = ticked;
    FollowForcedBoxes();
}

void HouseRules::NoForcedClicked(bool ticked) {
    c_.noForced = ticked;
    if (ticked) {
        c_.forced = {};
        c_.forcedEnabled = {};
        p_.NewForcedCards = 0;
        return;
    }
    c_.forcedEnabled[1] = c_.forcedEnabled[2] = true;
    FollowForcedBoxes();
}

void HouseRules::RestoreDefaults() {
    SideClicked(0);
    ShuffleClicked(0);
    CenterClicked(0);
    WildClicked(false);
    NoForcedClicked(true);
}

HouseRules::ApplyResult HouseRules::Apply() {
    Game& g = e_.g;
    const bool needsNewGame = g.SidePileSize != p_.NewSidePileSize ||
                              g.ShuffleSeparately != p_.NewShuffle ||
                              g.NumCenters != p_.NewNumCenters;
    bool changed = needsNewGame;
    if (g.NetConnected != 0) {
        changed = true;
        if (e_.sv.board) e_.sv.board->SetMessage(2, "\nStart a New game.");
    }
    if (changed && e_.sv.dialogs) {
        if (g.NetConnected == 99) {
            e_.sv.dialogs->MsgBox("The new rules will take effect when you start a new game.",
                                  mb::Information, "");
        } else if (e_.sv.dialogs->MsgBox("Start a new game for the changed rules to take effect.",
                                         mb::OkCancel, "New Rules") == mb::Cancel) {
            rulesChanged_ = false;
            return ApplyResult::StayOpen;
        }
    }
    rulesChanged_ = changed;

    g.SidePileSize = p_.NewSidePileSize;
    g.ForcedCards = p_.NewForcedCards;
    g.ShuffleSeparately = p_.NewShuffle;
    g.NoWildAce = p_.NewNoWildAce;
    e_.BuildRulesText();

    if (p_.NewNumCenters != g.NumCenters) {
        const i16 previous = g.NumCenters;
        g.NumCenters = p_.NewNumCenters;
        // Only a two-player table can change its number of centers.
        if (e_.sv.board) {
            e_.sv.board->SetupLayout(2, previous);
            e_.sv.board->DrawTable();
        }
    }
    // The corner caption names the rules in play: the new ones from now on.
    e_.ShowRulesCaption();
    return ApplyResult::Applied;
}
