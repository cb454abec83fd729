#pragma once
// File services: existence, whole-file reads, writes that never leave a torn file, and the
// case-insensitive lookup of names that come from records or lists.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// True when something (a file or a folder) exists at `path`.
bool FileExists(const std::string& path);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Up to `length` bytes of the file from byte `offset` (fewer at its end, none past it); nullopt
// when it cannot be opened or read. Only those bytes are read, however large the file.
std::optional<std::string> ReadFileRange(const std::string& path, std::uint64_t offset,
                                         size_t length);
// The size of a regular file that can be opened for reading; nullopt otherwise.
std::optional<std::uint64_t> ReadableFileSize(const std::string& path);

// Replaces the file's contents in one step: the bytes go to a temporary file beside it, are
// flushed to disk and renamed over the target. On failure the old file is untouched and
// `error` says why.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error);

// The real name of `name` in `folder`, compared without regard to case; nothing when absent.
std::optional<std::string> FindNoCase(const std::string& folder, const std::string& name);

// The characters that may not stand in a file or player name: ! " * . / : < > ? \ |
inline constexpr const char* kForbiddenFileChars = "!\"*./:<>?\\|";
// True for a name that holds one of them, a control character, or nothing at all: the test for
// names read from files or sent by other players.
bool HasBadFileChars(const std::string& name);
// True when `name` can only name a file inside the folder it is joined to: not empty, no folder
// separators, no drive colon, no control characters, not "." or "..". Unlike a player or
// personality name it may hold a dot (an extension).
bool IsPlainFileName(const std::string& name);

// Names of the regular files in `folder` whose extension is `ext` (".pms"; any case), sorted.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& ext);

// Joins folder and relative path with '/' (a leading '/' or '\' of `rel` is dropped, and
// backslashes become '/').
std::string JoinPath(const std::string& folder, const std::string& rel);
