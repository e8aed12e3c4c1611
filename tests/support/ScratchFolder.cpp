#include "tests/support/ScratchFolder.hpp"

#include <cstdlib>
#include <stdexcept>
#include <string>

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmarch-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
    std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    // Tests may leave read-only or odd entries; give the owner rights back before removing.
    // A link is left as it is: changing its mode would change what it points to, which may be
    // a device such as /dev/zero.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
        if (!entry.is_symlink(error))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}
