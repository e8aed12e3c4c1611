#pragma once

#include <string>

class Game;

// Shared by the checks: writes a file (and its folders), shows bytes as escaped text.
void writeCheckedFile(const std::string& path, const std::string& bytes);
std::string printable(const std::string& bytes);

// What must hold for any bytes read as one of the game's files. Each check writes the bytes into
// the working directory, reads them as the game does and returns what is wrong ("" when all is
// well). The fuzzers run them on generated inputs, the unit tests on the inputs kept in
// tests/fuzz/regressions.

// Input: a level number byte, two bytes of a byte budget (little-endian), then the level file.
// A budget that ends inside the file must read exactly as the file cut there; the file itself
// loads within the loader's limits.
std::string checkLevelFile(Game& game, const std::string& input);

// Loading, saving and loading again gives the same records; the saved form saves the same again.
std::string checkHighscoreFile(const std::string& bytes);

// The lines are the file's lines within the bounds; each decodes from Windows-1252 one character
// per byte.
std::string checkPageFile(const std::string& bytes);

// The name read is the start of the first line, and what the name entry would store for it reads
// back the same.
std::string checkNameFile(const std::string& bytes);
