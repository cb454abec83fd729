#pragma once
// A program folder of its own for one test, with the usual subfolders, removed afterwards.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/program_folder.h"

class TempProgramFolder {
  public:
    explicit TempProgramFolder(
        const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        path_ = base / ("quorvane-folder-" + std::to_string(::getpid()) + "-" +
                        std::to_string(counter_++));
        for (const char* sub : kProgramSubfolders) std::filesystem::create_directories(path_ / sub);
    }
    ~TempProgramFolder() { std::filesystem::remove_all(path_); }
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    std::string path() const { return path_.string(); }
    std::string File(const std::string& rel) const { return (path_ / rel).string(); }

  private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};
