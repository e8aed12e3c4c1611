#pragma once

#include <filesystem>
#include <string_view>

// Replaces a data file's contents so that it holds either the old bytes or the new ones, never a
// mix: the new bytes go to a temporary file beside it, which then takes the file's name. A missing
// folder is created first. When any step fails the old file stays as it was and false is returned.
bool replaceFile(const std::filesystem::path& file, std::string_view contents);
