#pragma once

#include <array>
#include <cstdint>

// A 5 x 7 pixel font for labels and map lettering. Lower case prints as upper case; characters
// it lacks print as a small box.
namespace bitmapfont {
constexpr int glyphWidth = 5;
constexpr int glyphHeight = 7;
constexpr int advance = 6;

// Row bits of a glyph, top row first; bit 4 is the leftmost column.
std::array<std::uint8_t, glyphHeight> glyph(char c);
} // namespace bitmapfont
