// The deal's and the reshuffle's side of an Internet game: waiting for the peers, and writing and
// reading the stock as the deck message carries it. Nothing a peer sends is used before every
// count and card in it has been checked.
#include <algorithm>
#include <vector>

#include "engine/cards.h"
#include "engine/engine.h"
#include "platform/vb_strings.h"

namespace {

// The numbers of a "#"-separated payload.
std::vector<double> Fields(const std::string& text) {
    std::vector<double> out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t hash = text.find('#', start);
        if (hash == std::string::npos) {
            if (!Trim(text.substr(start)).empty()) out.push_back(Val(text.substr(start)));
            break;
        }
        out.push_back(Val(text.substr(start, hash - start)));
        start = hash + 1;
    }
    return out;
}

bool InRange(double v, int lo, int hi) {
    return v == static_cast<int>(v) && v >= lo && v <= hi;
}

// Every card of the game by rank (and by id reduced to one deck when ids are known), as many
// times as the decks hold it.
bool SameCards(std::vector<i16> a, std::vector<i16> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

}  // namespace

bool Engine::WaitFor(int index, const std::function<bool()>& done,
                     std::initializer_list<i16> giveUpCodes) {
    while (!done()) {
        if (g.NetConnected == 0 || g.StopFlag) {
            if (g.NetConnected == 0) g.NetCode = net::GO;
            return false;
        }
        if (g.NetCode == net::GO || g.NetCode == net::EG) return false;
        for (i16 code : giveUpCodes)
            if (g.NetCode == code) return false;
        if (!sv.net || !sv.net->WaitNet(index)) {
            g.NetCode = net::GO;
            return false;
        }
    }
    return true;
}

void Engine::PeerSentBadData(const std::string& what) {
    if (sv.dialogs)
        sv.dialogs->MsgBox("The " + what +
                               " sent by the other player could not be used.\nThe Internet game "
                               "has been ended; nothing of your game was changed.",
                           mb::Exclamation, "Quorvane Online");
    g.NetCode = net::GO;
    g.ComputerBusy = VbFalse;
    if (sv.net) sv.net->EndNetGame();
}

std::string Engine::DeckPayload() const {
    std::string out;
    if (g.PeerVersion <= "74")
        for (int i = 1; i <= g.NumCards; ++i) out += Str(g.Deck[kRank][i]) + "#";
    if (g.PeerVersion != "40") {
        for (int i = 1; i <= g.NumCards; ++i) out += Str(g.Deck[kId][i]) + "#";
        for (i16 v : {g.SidePileSize, g.ForcedCards, g.NoWildAce, g.ShuffleSeparately})
            out += Str(v) + "#";
    }
    return out;
}

std::string Engine::StockPayload() const {
    std::string out;
    const bool idsOnly = g.PeerVersion > "74";
    if (!idsOnly)
        for (int i = 1; i <= g.StockCount; ++i) out += Str(g.Deck[kRank][i]) + "#";
    if (idsOnly || g.PeerVersion != "40")
        for (int i = 1; i <= g.StockCount; ++i) out += Str(g.Deck[kId][i]) + "#";
    return out;
}

namespace {

// Reads `count` cards from `f` at `pos` in the layout of the peer's version into ids and ranks;
// false when anything is missing or out of range.
bool ReadCards(const std::vector<double>& f, size_t& pos, int count, int numCards,
               const std::string& version, std::vector<i16>& ids, std::vector<i16>& ranks) {
    const bool ranksFirst = version <= "74" || version == "40";
    const bool withIds = version != "40";
    const size_t need = static_cast<size_t>(count) * ((ranksFirst ? 1 : 0) + (withIds ? 1 : 0));
    if (f.size() < pos + need) return false;
    ids.assign(static_cast<size_t>(count), 0);
    ranks.assign(static_cast<size_t>(count), 0);
    for (int i = 0; ranksFirst && i < count; ++i, ++pos) {
        if (!InRange(f[pos], 1, 13)) return false;
        ranks[static_cast<size_t>(i)] = static_cast<i16>(f[pos]);
    }
    for (int i = 0; i < count; ++i) {
        auto& id = ids[static_cast<size_t>(i)];
        if (!withIds) {
            id = ranks[static_cast<size_t>(i)];
            continue;
        }
        if (!InRange(f[pos], 1, numCards)) return false;
        id = static_cast<i16>(f[pos++]);
        if (!ranksFirst) {
            ranks[static_cast<size_t>(i)] = CardRank(id);
        } else if (ranks[static_cast<size_t>(i)] != RankOf(id)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool Engine::ReadDeckMessage() {
    const auto f = Fields(g.RecoverText);
    size_t pos = 0;
    std::vector<i16> ids, ranks;
    bool ok = (g.PeerVersion != "40" || g.NumCards == 104) &&
              ReadCards(f, pos, g.NumCards, g.NumCards, g.PeerVersion, ids, ranks);
    std::vector<i16> wantRanks;
    for (int i = 1; i <= g.NumCards; ++i) wantRanks.push_back(RankOf(static_cast<i16>(i)));
    ok = ok && SameCards(ranks, wantRanks);
    i16 side = g.SidePileSize, forced = g.ForcedCards, noWild = g.NoWildAce,
        separate = g.ShuffleSeparately;
    const bool withRules = g.PeerVersion != "40" && Val(g.PeerVersion) > 51;
    if (ok && withRules) {
        ok = f.size() >= pos + 3 && (f[pos] == 9 || f[pos] == 14 || f[pos] == 19 || f[pos] == 25) &&
             InRange(f[pos + 1], 0, 7) && InRange(f[pos + 2], -1, 1);
        if (ok) {
            side = static_cast<i16>(f[pos]);
            forced = static_cast<i16>(f[pos + 1]);
            noWild = VbBool(f[pos + 2] != 0);
            if (f.size() > pos + 3) separate = VbBool(f[pos + 3] != 0);
        }
    }
    if (!ok) {
        PeerSentBadData("deck");
        return false;
    }
    for (int i = 1; i <= g.NumCards; ++i) {
        g.Deck[kId][i] = ids[static_cast<size_t>(i - 1)];
        g.Deck[kRank][i] = ranks[static_cast<size_t>(i - 1)];
    }
    if (withRules) {
        g.SidePileSize = side;
        g.ForcedCards = forced;
        g.NoWildAce = noWild;
        g.ShuffleSeparately = separate;
        g.HumanSideShape = static_cast<i16>(25 - side);
        g.CurSideShape = static_cast<i16>(50 - side);
    }
    return true;
}

bool Engine::ReadReshuffleMessage() {
    const auto f = Fields(g.RecoverText);
    size_t pos = 0;
    std::vector<i16> ids, ranks;
    bool ok = ReadCards(f, pos, g.StockCount, g.NumCards, g.PeerVersion, ids, ranks);
    // The new stock must be the used pile's cards in another order.
    std::vector<i16> usedRanks;
    for (int i = 1; i <= g.StockCount; ++i) usedRanks.push_back(g.UsedPile[kRank][i]);
    ok = ok && SameCards(ranks, usedRanks);
    if (!ok) {
        PeerSentBadData("reshuffled stock");
        return false;
    }
    for (int i = 1; i <= g.StockCount; ++i) {
        g.Deck[kId][i] = ids[static_cast<size_t>(i - 1)];
        g.Deck[kRank][i] = ranks[static_cast<size_t>(i - 1)];
        g.UsedPile[kId][i] = g.UsedPile[kRank][i] = 0;
    }
    return true;
}
