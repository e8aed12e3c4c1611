#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// Bounds of what is read of a page's text file, far beyond what a page can show (about 27 rows
// of at most 1000 characters): at most 256 KiB, 1000 lines, 4096 characters of a line (the rest
// of a longer line is skipped).
inline constexpr std::size_t maxPageFileBytes = 256u << 10;
inline constexpr std::size_t maxPageLines = 1000;
inline constexpr std::size_t maxPageLineLength = 4096;

// One entry per line, the bytes as they stand (Windows-1252); CR LF and LF end a line, and a
// final line break gives a final empty entry. A file that cannot be opened gives no lines.
std::vector<std::string> readPageLines(const std::filesystem::path& file);
