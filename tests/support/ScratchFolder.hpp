#pragma once

#include <filesystem>

// A fresh folder that is the working directory while the object lives, as the game would run
// from a folder of its own; the previous working directory comes back and the folder goes.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
