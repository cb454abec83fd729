// The host's deck on a remote: a deal is taken only when it is exactly the cards of the decks and
// a reshuffle only when it is exactly the used pile's cards; a refused deck changes nothing.
#include "fuzz_support.h"
#include "net/peer_deck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const char* const kVersions[] = {"84", "74", "51", "40"};
    const std::string_view payload = fuzz::Text(data + 1, size - 1);

    // A deal onto an empty table.
    Game deal;
    deal.NumPlayers = data[0] & 3 ? 2 : 3;
    deal.NumCards = static_cast<i16>(52 * deal.NumPlayers);
    deal.PeerVersion = kVersions[(data[0] >> 2) % 4];
    deal.RecoverText = std::string(payload);
    const Game before = deal;
    net::Fault fault;
    if (net::TakeDealFromPeer(deal, fault)) {
        std::vector<int> seen(static_cast<std::size_t>(deal.NumCards) + 1, 0);
        for (int i = 1; i <= deal.StockCount; ++i)
            ++seen[static_cast<std::size_t>(deal.Deck[0][i])];
        for (int id = 1; id <= deal.NumCards; ++id)
            if (seen[static_cast<std::size_t>(id)] != 1) fuzz::Fail("a deal that is not the decks");
    } else if (!fuzz::SamePosition(before, deal)) {
        fuzz::Fail("a refused deal changed the game");
    }

    // A reshuffle of a game whose stock has run out.
    Game g;
    fuzz::Deal(g, 2, 3);
    for (int i = 1; i <= g.StockCount; ++i) {
        g.UsedPile[0][i] = g.Deck[0][i];
        g.UsedPile[1][i] = g.Deck[1][i];
        g.Deck[0][i] = g.Deck[1][i] = 0;
    }
    g.UsedCount = g.StockCount;
    g.StockCount = 0;
    g.PeerVersion = kVersions[(data[0] >> 4) % 4];
    g.RecoverText = std::string(payload);
    const Game used = g;
    if (net::TakeReshuffleFromPeer(g, fault)) {
        if (!CheckConservation(g).empty()) fuzz::Fail("a reshuffle lost a card");
    } else if (!fuzz::SamePosition(used, g)) {
        fuzz::Fail("a refused reshuffle changed the game");
    }
    return 0;
}
