#pragma once

#include <string>

class Game;

void writeCheckedFile(const std::string& path, const std::string& bytes);
std::string printable(const std::string& bytes); // escaped

// What must hold for any bytes read as one of the game's files: each check reads them as the game
// does, in the working directory, and returns what is wrong ("" when all is well).

// Input: a level number byte, a byte budget (two bytes, little-endian), the level file. A budget
// ending inside the file reads as the file cut there; the file loads within the loader's limits.
std::string checkLevelFile(Game& game, const std::string& input);
// Loading, saving and loading again gives the same records and the same saved form.
std::string checkHighscoreFile(const std::string& bytes);
// The file's lines, within the bounds.
std::string checkPageFile(const std::string& bytes);
// The name read starts the first line, and stored by the name entry it reads back the same.
std::string checkNameFile(const std::string& bytes);
// The settings read are within their ranges and, saved, read back the same.
std::string checkSettingsFile(const std::string& bytes);
// The bytes as the name file and as the settings: the player's two small files, fuzzed as one.
std::string checkDataFile(const std::string& bytes);
