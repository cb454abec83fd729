// Writes the tutorial's prepared positions into the shipped saved-game store "Data/backup.sav"
// (records 31 to 38; the player's slots before them start empty), after checking each one the
// way the game checks a position it restores.
// Usage: make_positions <positions source> <Data/backup.sav>
#include <iostream>

#include "platform/file_util.h"
#include "position_source.h"
#include "records/record_list.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_positions <positions.txt> <backup.sav>\n";
        return 2;
    }
    auto text = ReadWholeFile(argv[1]);
    if (!text) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::string error;
    auto sources = ParsePositions(*text, argv[1], &error);
    if (!sources) {
        std::cerr << error << "\n";
        return 1;
    }
    std::vector<GameStateRecord> store;
    for (const PositionSource& source : *sources) {
        auto rec = BuildPosition(source, argv[1], &error);
        if (!rec) {
            std::cerr << error << "\n";
            return 1;
        }
        if (store.size() < static_cast<size_t>(source.record)) store.resize(source.record);
        store[static_cast<size_t>(source.record - 1)] = *rec;
    }
    if (!WriteAllRecords(argv[2], store, &error)) {
        std::cerr << argv[2] << ": " << error << "\n";
        return 1;
    }
    return 0;
}
