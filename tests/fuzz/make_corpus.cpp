// Writes the seed inputs of the fuzz targets into a folder, one file per seed: well-formed
// joins and games for the dispatch, decks and transfers of dealt games, records of each file.
// Run by hand when the formats change: make_corpus tests/fuzz/corpus
#include <filesystem>
#include <fstream>

#include "engine/cards.h"
#include "engine/snapshot_codec.h"
#include "fuzz_support.h"
#include "net/recover.h"
#include "net/wire_format.h"
#include "platform/record_buffer.h"
#include "platform/vb_strings.h"
#include "records/high_score_record.h"
#include "records/score_record.h"
#include "shared/prefs_record.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& dir, const std::string& name, const std::string& bytes) {
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

template <typename Record>
std::string Bytes(char kind, const Record& rec, std::size_t size) {
    RecordBuffer buf(size);
    rec.Encode(buf);
    return std::string(1, kind) + std::string(buf.bytes().begin(), buf.bytes().end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const fs::path root = argv[1];
    Game g;
    fuzz::Deal(g, 2, 3);

    // Dispatch: first byte = role | players | stage, second the player on turn, then lines.
    Write(root / "dispatch", "host_join",
          std::string("\x01\x00", 2) + "IP ^ 8. 4. 0\nNM Ann\nGS\n");
    Write(root / "dispatch", "host_play",
          std::string(1, char(1 | (0 << 1) | (4 << 3))) + "\x01" + "PC  3# 1\nWT\nPC  2# 8\nOK\n" +
              "SY  4#Ann: hello\nSY  5#Ann: WAV ding.wav\nPK True\nGO\n");
    Write(root / "dispatch", "remote_join",
          std::string("\x00\x00", 2) + "IP ^ 8. 4. 0^ 1\nNM Host\nLO  2  1|\nGS\n");
    Write(root / "dispatch", "remote_play",
          std::string(1, char(0 | (1 << 1) | (4 << 3))) + "\x01" +
              "TR  2\nPC  3# 1\nWT\nPC  1# 2\nOK\nSY  2#Host: ICO smile!hi\nEG\nRC  1#\nGO\n");

    // Decks: first byte picks the table and the versions.
    std::string ids, ranks;
    for (int i = 1; i <= 104; ++i) {
        ids += Str(i) + "#";
        ranks += Str(RankOf(static_cast<i16>(i))) + "#";
    }
    Write(root / "deck", "deal_84", std::string(1, '\x01') + ids + " 19# 0# 0# 0#");
    Write(root / "deck", "deal_74",
          std::string(1, char(1 | (1 << 2))) + ranks + ids + " 14# 1# -1#");
    Write(root / "deck", "deal_40", std::string(1, char(1 | (3 << 2))) + ranks);
    std::string used;
    for (int i = g.StockCount; i >= 1; --i) used += Str(g.Deck[0][i]) + "#";
    Write(root / "deck", "reshuffle_84", std::string(1, '\x01') + used);

    // Transfers: first byte picks the host's version and the seat.
    Write(root / "recover", "two_84", std::string(1, '\x00') + net::RecoverText(g, "84"));
    Write(root / "recover", "two_74", std::string(1, '\x01') + net::RecoverText(g, "74"));
    Game four;
    fuzz::Deal(four, 4, 4);
    Write(root / "recover", "four_84_seat2",
          std::string(1, char(0 | (1 << 2))) + net::RecoverText(four, "84"));

    // Records: first byte picks the kind.
    GameStateRecord rec;
    GameToRecord(g, rec);
    rec.Title = "AutoSave";
    Write(root / "records", "game_state", Bytes('\x00', rec, GameStateRecord::kSize));
    PrefsRecord prefs;
    prefs.Seats[0].Name = "Ann";
    prefs.GamesPlayed[0] = 12;
    Write(root / "records", "prefs", Bytes('\x01', prefs, PrefsRecord::kSize));
    ScoreRecord score;
    score.Name = "Ann";
    Write(root / "records", "score", Bytes('\x02', score, ScoreRecord::kSize));
    HighScoreRecord high;
    Write(root / "records", "high_score", Bytes('\x03', high, HighScoreRecord::kSize));

    // Framing: first byte picks the peer and the cuts.
    Write(root / "framing", "lines", "\x11OK\nWT\r\nPC  3# 2\nSY  1#hi\nTR ");
    return 0;
}
