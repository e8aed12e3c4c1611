#pragma once

#include <filesystem>
#include <string_view>

// Replaces a data file's contents so that it holds either the old bytes or the new ones, never a
// mix, even when the program is killed or the disk fills up: the new bytes go to a temporary file
// beside it, which then takes the file's name. A file that already holds these bytes is left
// alone. A missing folder is created first. A symbolic link is followed; the new file keeps the
// old one's permissions.
//
// A file or folder marked read-only is not written, even where the system would allow it. When
// the file cannot be replaced it stays as it was, one line saying why goes to standard error and
// false is returned.
bool replaceFile(const std::filesystem::path& file, std::string_view contents);

// Marked writable: some write permission bit set, and writing allowed for this process (not a
// read-only mount, not someone else's file). The bits count even for the superuser, who may write
// anything, so that a file or folder made read-only stays untouched whoever runs the game.
bool markedWritable(const std::filesystem::path& path);
