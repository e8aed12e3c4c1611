#pragma once

#include <string_view>

// Reads a number the way atoi does (leading blanks, an optional sign, digits up to the first
// other character, 0 without digits), but a value beyond int's range is clamped to it instead of
// being undefined.
int parseNumber(std::string_view text);
