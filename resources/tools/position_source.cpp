#include "position_source.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>

#include "engine/cards.h"
#include "engine/game.h"
#include "engine/snapshot_codec.h"
#include "platform/vb_random.h"

namespace {

constexpr int kPlayers = 2;
constexpr int kCenters = 3;
constexpr int kCards = 52 * kPlayers;
constexpr const char* kRanks = "A23456789TJQK";
constexpr const char* kSuits = "CDHS";  // the order of the card faces

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Hands out the card ids of the two decks: the first card of a name comes from deck one, the
// second from deck two.
class CardIds {
  public:
    // 0 for "--" (an empty slot), -1 for a name that is not a card or a third copy.
    int Take(const std::string& name) {
        if (name == "--") return 0;
        std::string n = name == "10" ? "T" : name;
        if (n.size() == 3 && n.substr(0, 2) == "10") n = "T" + n.substr(2);
        if (n.size() != 2) return -1;
        const char* r = std::strchr(kRanks, std::toupper(n[0]));
        const char* s = std::strchr(kSuits, std::toupper(n[1]));
        if (!r || !s || !*r || !*s) return -1;
        const int face = static_cast<int>(s - kSuits) * 13 + static_cast<int>(r - kRanks) + 1;
        for (int deck = 0; deck < kPlayers; ++deck) {
            const int id = face + 52 * deck;
            if (!used_[static_cast<size_t>(id)]) {
                used_[static_cast<size_t>(id)] = true;
                return id;
            }
        }
        return -1;
    }
    bool Used(int id) const { return used_[static_cast<size_t>(id)]; }

  private:
    std::vector<bool> used_ = std::vector<bool>(kCards + 1, false);
};

void Put(std::array<std::array<i16, 11>, 2>& cards, int slot, int id) {
    cards[kId][slot] = static_cast<i16>(id);
    cards[kRank][slot] = RankOf(static_cast<i16>(id));
}

// Pattern flag of a computer hold pile, read from its top as the computer reads it.
i16 HoldPattern(const HoldPiles& h, int p, int n) {
    if (n < 2) return 0;
    const auto& v = h[kRank][p];
    i16 flag = 0;
    if (v[n] == v[1]) flag = 0;
    if (v[n] != v[n - 1]) flag = 1;
    if (v[n] == v[n - 1] - 1) flag = 2;
    return flag;
}

class Builder {
  public:
    Builder(const PositionSource& src, std::string where) : src_(src), where_(std::move(where)) {
        g_.NumPlayers = kPlayers;
        g_.NumCenters = kCenters;
        g_.NumCards = kCards;
        g_.SidePileSize = 19;
        g_.ForcedCards = 0;
        g_.NoWildAce = VbFalse;
        g_.Pturn = 1;
    }

    std::optional<GameStateRecord> Build(std::string* error) {
        for (const PositionSource::Line& l : src_.lines) {
            line_ = l.number;
            if (!Line(l.text)) break;
        }
        if (error_.empty()) FinishStock();
        if (error_.empty()) Finish();
        GameStateRecord rec;
        if (error_.empty()) {
            GameToRecord(g_, rec);
            rec.Title = src_.title;
            if (std::string fault = ValidateRecord(rec); !fault.empty())
                Fail("position " + std::to_string(src_.record) + " is not a sound game: " + fault);
        }
        if (!error_.empty()) {
            if (error) *error = error_;
            return std::nullopt;
        }
        return rec;
    }

  private:
    bool Fail(const std::string& what) {
        if (error_.empty()) error_ = where_ + ":" + std::to_string(line_) + ": " + what;
        return false;
    }

    bool Cards(const std::vector<std::string>& names, std::vector<int>& ids) {
        for (const std::string& n : names) {
            const int id = cards_.Take(n);
            if (id < 0) return Fail("'" + n + "' is not a card, or a third copy of one");
            ids.push_back(id);
        }
        return true;
    }

    bool Line(const std::string& text) {
        const size_t colon = text.find(':');
        if (colon == std::string::npos) return Fail("expected 'place: cards'");
        const std::vector<std::string> key = Words(text.substr(0, colon));
        std::vector<int> ids;
        if (!Cards(Words(text.substr(colon + 1)), ids)) return false;
        if (key.size() == 2 && key[0] == "center") return Center(std::atoi(key[1].c_str()), ids);
        if (key.size() == 1 && key[0] == "used") return Used(ids);
        if (key.size() == 2 && key[0] == "stock" && key[1] == "top") return StockTop(ids);
        if (key.size() >= 2 && (key[0] == "you" || key[0] == "brivo"))
            return PlayerPart(key[0] == "you", key, ids);
        return Fail("unknown place '" + text.substr(0, colon) + "'");
    }

    bool NoEmpty(const std::vector<int>& ids) {
        if (std::find(ids.begin(), ids.end(), 0) != ids.end())
            return Fail("'--' only stands in a hand");
        return true;
    }

    bool Center(int k, const std::vector<int>& ids) {
        if (k < 1 || k > kCenters) return Fail("there are three center piles");
        if (!NoEmpty(ids)) return false;
        if (ids.size() > 11) return Fail("a center pile of twelve is finished and cleared");
        for (size_t n = 1; n <= ids.size(); ++n) {
            const i16 id = static_cast<i16>(ids[n - 1]);
            g_.Center[kId][k][n] = id;
            g_.Center[kRank][k][n] = RankOf(id);
        }
        g_.CenterCount[k] = static_cast<i16>(ids.size());
        return true;
    }

    bool Used(const std::vector<int>& ids) {
        if (!NoEmpty(ids)) return false;
        for (int id : ids) {
            ++g_.UsedCount;
            g_.UsedPile[kId][g_.UsedCount] = static_cast<i16>(id);
            g_.UsedPile[kRank][g_.UsedCount] = RankOf(static_cast<i16>(id));
        }
        return true;
    }

    bool StockTop(const std::vector<int>& ids) {
        if (!NoEmpty(ids)) return false;
        stockTop_ = ids;
        return true;
    }

    bool PlayerPart(bool human, const std::vector<std::string>& key, const std::vector<int>& ids) {
        if (key[1] == "side" && key.size() == 2) return Side(human, ids);
        if (key[1] == "hand" && key.size() == 2) return Hand(human, ids);
        if (key[1] == "hold" && key.size() == 3) return Hold(human, std::atoi(key[2].c_str()), ids);
        return Fail("expected side, hand or hold N");
    }

    bool Side(bool human, const std::vector<int>& ids) {
        if (!NoEmpty(ids)) return false;
        const int n = static_cast<int>(ids.size());
        if (n < 1 || n > g_.SidePileSize + 1) return Fail("a side pile holds 1 to 20 cards");
        SidePile& side = human ? g_.HumanSide : g_.Opp[1].Side;
        for (int j = 1; j <= n; ++j) {
            side[kId][j] = static_cast<i16>(ids[static_cast<size_t>(j - 1)]);
            side[kRank][j] = RankOf(side[kId][j]);
        }
        PorC& cards = human ? g_.HumanCards : g_.Opp[1].Cards;
        Put(cards, kSideSlot, ids.back());
        if (human) {
            g_.HumanSideCount = static_cast<i16>(n);
            g_.HumanSideShape = static_cast<i16>(26 - n);
        } else {
            g_.Opp[1].SideCount = static_cast<i16>(n);
            g_.Opp[1].SideShape = static_cast<i16>(51 - n);
        }
        return true;
    }

    bool Hand(bool human, const std::vector<int>& ids) {
        if (ids.size() != 5) return Fail("a hand names five slots (\"--\" for an empty one)");
        PorC& cards = human ? g_.HumanCards : g_.Opp[1].Cards;
        int held = 0;
        for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
            const int id = ids[static_cast<size_t>(s - kFirstHandSlot)];
            if (id != 0) Put(cards, s, id), ++held;
        }
        if (human) g_.HandCount = static_cast<i16>(held);
        return true;
    }

    bool Hold(bool human, int p, const std::vector<int>& ids) {
        if (p < 1 || p > 4) return Fail("hold piles are numbered 1 to 4");
        if (!NoEmpty(ids)) return false;
        const int n = static_cast<int>(ids.size());
        if (n > kHoldCapacity) return Fail("a hold pile holds 30 cards at most");
        if (n == 0) return true;
        PorC& cards = human ? g_.HumanCards : g_.Opp[1].Cards;
        Put(cards, kLastHandSlot + p, ids.back());
        HoldPiles& hold = human ? g_.HumanHold : g_.Opp[1].Hold;
        // The human's pile keeps the cards under its top; the computer's keeps the top as well.
        const int kept = human ? n - 1 : n;
        for (int i = 1; i <= kept; ++i) {
            hold[kId][p][i] = static_cast<i16>(ids[static_cast<size_t>(i - 1)]);
            hold[kRank][p][i] = RankOf(hold[kId][p][i]);
        }
        if (human) {
            g_.HumanHoldCount[p] = static_cast<i16>(n - 1);
        } else {
            g_.Opp[1].HoldPileInfo[p][1] = static_cast<i16>(n);
            g_.Opp[1].HoldPileInfo[p][2] = HoldPattern(hold, p, n);
        }
        return true;
    }

    // The cards no line named lie under the named top of the stock, in an order fixed by the
    // record number so that the build always writes the same file.
    void FinishStock() {
        std::vector<int> rest;
        for (int id = 1; id <= kCards; ++id)
            if (!cards_.Used(id)) rest.push_back(id);
        VbRandom rng;
        rng.Rnd(-static_cast<float>(src_.record));
        for (size_t i = rest.size(); i > 1; --i)
            std::swap(rest[i - 1], rest[static_cast<size_t>(rng.Draw1To(static_cast<int>(i))) - 1]);
        std::vector<int> stock = rest;  // bottom first
        for (auto it = stockTop_.rbegin(); it != stockTop_.rend(); ++it) stock.push_back(*it);
        g_.StockCount = static_cast<i16>(stock.size());
        for (size_t i = 1; i <= stock.size(); ++i) {
            g_.Deck[kId][i] = static_cast<i16>(stock[i - 1]);
            g_.Deck[kRank][i] = RankOf(g_.Deck[kId][i]);
        }
    }

    void Finish() {
        line_ = src_.firstLine;
        if (g_.HumanSideCount == 0 || g_.Opp[1].SideCount == 0)
            Fail("both players need a side pile");
        // The working copy is the computer player's, as it stands between turns.
        g_.CurSideCount = g_.Opp[1].SideCount;
        g_.CurSideShape = g_.Opp[1].SideShape;
    }

    const PositionSource& src_;
    std::string where_;
    Game g_;
    CardIds cards_;
    std::vector<int> stockTop_;
    std::string error_;
    int line_ = 0;
};

}  // namespace

std::optional<std::vector<PositionSource>> ParsePositions(const std::string& text,
                                                          const std::string& where,
                                                          std::string* error) {
    std::vector<PositionSource> all;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        if (words[0] == "position") {
            PositionSource p;
            std::istringstream head(line);
            std::string word;
            head >> word >> p.record;
            std::getline(head >> std::ws, p.title);
            p.firstLine = number;
            if (p.record < 1) {
                if (error) *error = where + ":" + std::to_string(number) + ": no record number";
                return std::nullopt;
            }
            all.push_back(p);
            continue;
        }
        if (all.empty()) {
            if (error) *error = where + ":" + std::to_string(number) + ": no position started";
            return std::nullopt;
        }
        all.back().lines.push_back({number, line});
    }
    return all;
}

std::optional<GameStateRecord> BuildPosition(const PositionSource& source, const std::string& where,
                                             std::string* error) {
    return Builder(source, where).Build(error);
}
