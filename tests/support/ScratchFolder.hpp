#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

// A fresh folder that is the working directory while the object lives.
class ScratchFolder {
  public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmarch-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::current_path(previous_, error);
        // Tests leave read-only entries; a link would change what it points to, e.g. /dev/zero.
        for (const auto& entry : fs::recursive_directory_iterator(path_, error))
            if (!entry.is_symlink(error))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
