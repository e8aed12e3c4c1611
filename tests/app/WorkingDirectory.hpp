#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

// Runs a test from a fresh empty folder, as the game would run with its content missing;
// restores the previous working directory and removes the folder afterwards.
class EmptyWorkingDirectory {
  public:
    explicit EmptyWorkingDirectory(const std::string& name)
        : previous_(std::filesystem::current_path()),
          path_(std::filesystem::temp_directory_path() /
                ("velmarch-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~EmptyWorkingDirectory() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    EmptyWorkingDirectory(const EmptyWorkingDirectory&) = delete;
    EmptyWorkingDirectory& operator=(const EmptyWorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
