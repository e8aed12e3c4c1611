#pragma once

#include "platform/ReadFile.hpp"

#include <optional>
#include <string>
#include <vector>

// Reads a content file whole and hands its bytes to `load`, which returns whether the library
// took them (and may keep them). A file that cannot be read, or whose bytes are not taken, is
// said once on the library's error stream, after `failure`.
template <class Load>
bool loadContentFile(const std::string& path, const char* failure, Load&& load) {
    std::optional<std::vector<char>> bytes = readContentFile(path, failure);
    if (!bytes)
        return false;
    if (load(*bytes))
        return true;
    reportUnloadable(failure, path);
    return false;
}
