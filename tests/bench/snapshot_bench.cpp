// What a save and a restore cost: the position into a record and its bytes, the whole-record
// check a restore runs first, and the autosave's writes to disk.
#include <benchmark/benchmark.h>

#include "../core/position_fixture.h"
#include "../core/temp_folder.h"
#include "engine/snapshot_codec.h"
#include "records/game_records.h"
#include "tests/support/headless_services.h"

static void BM_GameToRecordAndEncode(benchmark::State& state) {
    const Game g = MidGamePosition(4);
    GameStateRecord rec;
    RecordBuffer buf(GameStateRecord::kSize);
    for (auto _ : state) {
        GameToRecord(g, rec);
        rec.Encode(buf);
        benchmark::DoNotOptimize(buf.bytes().data());
    }
}
BENCHMARK(BM_GameToRecordAndEncode);

static void BM_ValidateRecord(benchmark::State& state) {
    GameStateRecord rec;
    GameToRecord(MidGamePosition(4), rec);
    for (auto _ : state) benchmark::DoNotOptimize(ValidateRecord(rec));
}
BENCHMARK(BM_ValidateRecord);

static void BM_AutoSaveToDisk(benchmark::State& state) {
    TempProgramFolder folder;
    Game g = MidGamePosition(4);
    g.AppFolder = folder.path();
    HeadlessServices h(g);
    GameRecords records(g, h.services);
    records.TempMovesFile(true);
    for (auto _ : state) {
        g.MoveCounter = 3;
        records.AutoSave();
    }
}
BENCHMARK(BM_AutoSaveToDisk)->Unit(benchmark::kMillisecond);
