// Writes the shipped personality files "Data/PMS/<name>.pms" from their text sources.
// Usage: make_pms <personality sources> <Data/PMS folder>
#include <filesystem>
#include <iostream>

#include "personality_source.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/record_io.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_pms <sources> <Data/PMS folder>\n";
        return 2;
    }
    std::string error;
    auto sources = LoadPersonalitySources(argv[1], &error);
    if (!sources) {
        std::cerr << error << "\n";
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(argv[2], ec);
    for (const PersonalitySource& p : *sources) {
        const std::string path = JoinPath(argv[2], p.name + ".pms");
        if (!WriteRecord(RecordFile(path, PmsRecord::kSize), 1, ToPms(p), &error)) {
            std::cerr << path << ": " << error << "\n";
            return 1;
        }
    }
    return 0;
}
