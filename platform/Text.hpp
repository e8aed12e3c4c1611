#pragma once

#include "platform/ReadFile.hpp"

#include <SFML/Graphics.hpp>
#include <string>
#include <string_view>

// Our texts and text files are Windows-1252 bytes (ü is 0xFC, ° is 0xB0).
sf::String fromCp1252(std::string_view bytes);

// "Its width" and "its height" wherever a text is centred or right-aligned: from the text's
// position to the right (bottom) edge of its ink, with its scale. Set text, size and scale first.
float textWidth(const sf::Text& text);
float textHeight(const sf::Text& text);

// Numbers on screen: ints in plain decimal, doubles as a standard stream writes them by default
// (6 significant digits, no trailing zeros): 1, 0.333333, 75.
std::string formatNumber(int value);
std::string formatNumber(double value);

// The font compiled into the program, standing in for the old library's built-in font.
// Loads it into a font the caller owns.
void loadDefaultFont(sf::Font& font);

// A font together with the bytes of its file, which the library reads glyphs from while the font
// is in use.
class FontFile : private HeldBytes, public sf::Font {
  public:
    FontFile() = default;
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    // Loads a font file; a file that cannot be read leaves the built-in font in its place, so
    // texts always show.
    void loadOrDefault(const std::string& path);
};
