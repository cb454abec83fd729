// Writes the shipped data files "Data/snack.ade", "Data/scores.ran" and "Data/Prefs.sav" from
// their text sources, and the empty high-score lists "Data/highscore.ran".
// Usage: make_data_files <resources/data> <Data folder>
#include <filesystem>
#include <iostream>

#include "data_files_source.h"
#include "platform/file_util.h"
#include "records/high_scores.h"
#include "records/record_list.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_data_files <sources> <Data folder>\n";
        return 2;
    }
    using Builder =
        std::optional<std::string> (*)(const std::string&, const std::string&, std::string*);
    const struct {
        const char* source;
        const char* target;
        Builder build;
    } files[] = {{"snack.txt", "snack.ade", BuildSnackFile},
                 {"scores.txt", "scores.ran", BuildScoresFile},
                 {"prefs_template.txt", "Prefs.sav", BuildPrefsTemplate}};
    std::error_code ec;
    std::filesystem::create_directories(argv[2], ec);
    for (const auto& f : files) {
        const std::string source = JoinPath(argv[1], f.source);
        const auto text = ReadWholeFile(source);
        std::string error;
        const auto bytes = text ? f.build(*text, source, &error) : std::nullopt;
        if (!text) error = "cannot read " + source;
        if (!bytes || !WriteFileAtomically(JoinPath(argv[2], f.target), *bytes, &error)) {
            std::cerr << error << "\n";
            return 1;
        }
    }
    // The lists ship empty: ten blank best runs, then ten blank best side runs.
    std::string error;
    if (!WriteAllRecords(JoinPath(argv[2], "highscore.ran"),
                         std::vector<HighScoreRecord>(2 * kHighListSize), &error)) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
}
