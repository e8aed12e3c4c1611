#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The game reads everything relative to its folder; tests run there.
inline const std::string contentRoot = "sources/";

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
