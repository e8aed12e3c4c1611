#pragma once

#include "platform/ContentPaths.hpp"

#include <cstddef>
#include <filesystem>
#include <string>

// The name the player entered last, kept for the game, which records the score under it.
inline const std::filesystem::path playerNameFile = content::playerNameFile;

// Of the name file at most the first 4 KiB are read, and of its first line at most 256
// characters: a name typed on the name entry has 20.
inline constexpr std::size_t maxNameFileBytes = 4096;
inline constexpr std::size_t maxReadNameLength = 256;

// The player's name: the first line of the file (CR LF or LF), empty when it cannot be read.
std::string readPlayerName(const std::filesystem::path& file = playerNameFile);

// Replaces the name file with the name and a line break.
bool storePlayerName(const std::string& name, const std::filesystem::path& file = playerNameFile);
