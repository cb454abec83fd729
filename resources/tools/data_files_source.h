#pragma once
// The reviewable text forms of the data files the program ships (resources/data/):
//
//   snack.txt            "<record> <text>"        the label texts of "Data/snack.ade"
//   scores.txt           "<record> | <text> | <n1> <n2> <n3> <n4>"   "Data/scores.ran"
//   prefs_template.txt   "<Field> = <value>"       record 1 of "Data/Prefs.sav"
//
// Blank lines and lines starting with '#' are skipped. Every value is checked against the field
// it goes into, so a mistake stops the build with the file and line named.
#include <optional>
#include <string>

// The file's bytes, or nothing with `error` saying what is wrong and where.
std::optional<std::string> BuildSnackFile(const std::string& text, const std::string& where,
                                          std::string* error);
std::optional<std::string> BuildScoresFile(const std::string& text, const std::string& where,
                                           std::string* error);
std::optional<std::string> BuildPrefsTemplate(const std::string& text, const std::string& where,
                                              std::string* error);
