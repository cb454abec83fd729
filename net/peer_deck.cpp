#include "net/peer_deck.h"

#include <array>

#include "engine/cards.h"
#include "platform/vb_strings.h"

namespace net {

namespace {

bool RanksFirst(const std::string& version) {
    return version <= "74";
}
bool WithIds(const std::string& version) {
    return version != kNoVersion;
}

// Reads `count` stock cards in the peer's layout: ranks (older peers), then ids (any peer with a
// version), each checked against the other. A peer without a version sends ranks only; `ids`
// then holds 0 where the id is still to be given.
bool ReadCards(FieldReader& r, int count, int numCards, const std::string& version,
               std::vector<i16>& ids, std::vector<i16>& ranks, Fault& fault) {
    ids.assign(static_cast<size_t>(count), 0);
    ranks.assign(static_cast<size_t>(count), 0);
    int v = 0;
    if (RanksFirst(version))
        for (auto& rank : ranks) {
            if (!r.Next(v, 1, kKing)) return (fault.text = "a card of no rank", false);
            rank = static_cast<i16>(v);
        }
    if (!WithIds(version)) return true;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (!r.Next(v, 1, numCards)) return (fault.text = "a card that is not in the game", false);
        ids[i] = static_cast<i16>(v);
        if (RanksFirst(version) && RankOf(ids[i]) != ranks[i])
            return (fault.text = "a card whose rank does not match it", false);
        ranks[i] = RankOf(ids[i]);
    }
    return true;
}

// Gives every card sent by rank alone (id 0) the first id of that rank in `pool` not yet taken.
bool GiveIds(std::vector<i16>& ids, const std::vector<i16>& ranks, const std::vector<i16>& pool,
             std::vector<bool>& taken) {
    for (size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] != 0) continue;
        for (size_t k = 0; k < pool.size() && ids[i] == 0; ++k)
            if (!taken[k] && RankOf(pool[k]) == ranks[i]) {
                taken[k] = true;
                ids[i] = pool[k];
            }
        if (ids[i] == 0) return false;
    }
    return true;
}

// True when `ids` are exactly the cards of `pool`, each once.
bool SameCards(const std::vector<i16>& ids, const std::vector<i16>& pool, int numCards) {
    if (ids.size() != pool.size()) return false;
    std::vector<int> count(static_cast<size_t>(numCards) + 1, 0);
    for (i16 id : pool) ++count[static_cast<size_t>(id)];
    for (i16 id : ids)
        if (--count[static_cast<size_t>(id)] < 0) return false;
    return true;
}

bool ReadFlag(FieldReader& r, i16& flag) {
    int v = 0;
    if (!r.Next(v, -1, 1)) return false;
    flag = VbBool(v != 0);
    return true;
}

}  // namespace

std::optional<PeerDeal> ReadDeal(const Game& g, std::string_view payload, Fault& fault) {
    const std::string& version = g.PeerVersion;
    const int n = g.NumCards;
    if (n < 52 || n > kMaxCards || n % 52 != 0 || (!WithIds(version) && n != 104)) {
        fault.text = "a deck for a table of another size";
        return std::nullopt;
    }
    auto fields = ParseFields(payload, 2 * static_cast<size_t>(n) + 4, fault);
    if (!fields) return std::nullopt;
    FieldReader r(std::move(*fields));
    PeerDeal deal;
    std::vector<i16> ranks;
    if (!ReadCards(r, n, n, version, deal.ids, ranks, fault)) return std::nullopt;
    std::vector<i16> decks(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) decks[static_cast<size_t>(i)] = static_cast<i16>(i + 1);
    std::vector<bool> taken(decks.size(), false);
    if (!GiveIds(deal.ids, ranks, decks, taken) || !SameCards(deal.ids, decks, n)) {
        fault.text = "a deck that is not the cards of the game, each once";
        return std::nullopt;
    }
    if (WithIds(version) && Val(version) > 51) {
        int side = 0, forced = 0;
        deal.withRules = r.Next(side, 9, 25) && r.Next(forced, 0, 7) && ReadFlag(r, deal.noWildAce);
        if (!deal.withRules || (side != 9 && side != 14 && side != 19 && side != 25)) {
            fault.text = "house rules that do not exist";
            return std::nullopt;
        }
        deal.sidePileSize = static_cast<i16>(side);
        deal.forcedCards = static_cast<i16>(forced);
        if (r.Left() > 0) {
            deal.withShuffle = ReadFlag(r, deal.shuffleSeparately);
            if (!deal.withShuffle) {
                fault.text = "house rules that do not exist";
                return std::nullopt;
            }
        }
    }
    if (r.Left() > 0) {
        fault.text = "more cards than the game holds";
        return std::nullopt;
    }
    return deal;
}

std::optional<std::vector<i16>> ReadReshuffle(const Game& g, std::string_view payload,
                                              Fault& fault) {
    const int count = g.UsedCount;
    if (count < 1 || count > g.NumCards || g.NumCards > kMaxCards) {
        fault.text = "a reshuffle when there is nothing to reshuffle";
        return std::nullopt;
    }
    auto fields = ParseFields(payload, 2 * static_cast<size_t>(count), fault);
    if (!fields) return std::nullopt;
    FieldReader r(std::move(*fields));
    std::vector<i16> ids, ranks;
    if (!ReadCards(r, count, g.NumCards, g.PeerVersion, ids, ranks, fault)) return std::nullopt;
    if (r.Left() > 0) {
        fault.text = "more cards than the used pile holds";
        return std::nullopt;
    }
    std::vector<i16> used(static_cast<size_t>(count));
    for (int i = 1; i <= count; ++i) used[static_cast<size_t>(i - 1)] = g.UsedPile[kId][i];
    std::vector<bool> taken(used.size(), false);
    if (!GiveIds(ids, ranks, used, taken) || !SameCards(ids, used, g.NumCards)) {
        fault.text = "a reshuffle that is not the cards of the used pile";
        return std::nullopt;
    }
    return ids;
}

void TakeDeal(Game& g, const PeerDeal& deal) {
    g.StockCount = static_cast<i16>(deal.ids.size());
    for (size_t i = 0; i < deal.ids.size(); ++i) {
        g.Deck[kId][i + 1] = deal.ids[i];
        g.Deck[kRank][i + 1] = RankOf(deal.ids[i]);
    }
    if (!deal.withRules) return;
    g.SidePileSize = deal.sidePileSize;
    g.ForcedCards = deal.forcedCards;
    g.NoWildAce = deal.noWildAce;
    if (deal.withShuffle) g.ShuffleSeparately = deal.shuffleSeparately;
    g.HumanSideShape = static_cast<i16>(25 - deal.sidePileSize);
    g.CurSideShape = static_cast<i16>(50 - deal.sidePileSize);
}

void TakeReshuffle(Game& g, const std::vector<i16>& ids) {
    g.StockCount = static_cast<i16>(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        g.Deck[kId][i + 1] = ids[i];
        g.Deck[kRank][i + 1] = RankOf(ids[i]);
    }
    g.UsedPile = {};
    g.UsedCount = 0;
}

bool TakeDealFromPeer(Game& g, Fault& fault) {
    auto deal = ReadDeal(g, g.RecoverText, fault);
    if (!deal) return false;
    TakeDeal(g, *deal);
    return true;
}

bool TakeReshuffleFromPeer(Game& g, Fault& fault) {
    auto ids = ReadReshuffle(g, g.RecoverText, fault);
    if (!ids) return false;
    TakeReshuffle(g, *ids);
    return true;
}

}  // namespace net
