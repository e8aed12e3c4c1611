#include "platform/Text.hpp"

#include "platform/ContentFile.hpp"

#include <array>
#include <sstream>

extern "C" {
extern const unsigned char velmarch_default_font[];
extern const unsigned char velmarch_default_font_end[];
}

namespace {
// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the same-numbered C1 controls.
constexpr std::array<sf::Uint32, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

sf::String fromCp1252(std::string_view bytes) {
    std::basic_string<sf::Uint32> out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(byte >= 0x80 && byte < 0xA0 ? cp1252High[byte - 0x80] : byte);
    }
    return sf::String(out);
}

float textWidth(const sf::Text& text) {
    const sf::FloatRect bounds = text.getLocalBounds();
    return (bounds.left + bounds.width) * text.getScale().x;
}

float textHeight(const sf::Text& text) {
    const sf::FloatRect bounds = text.getLocalBounds();
    return (bounds.top + bounds.height) * text.getScale().y;
}

std::string formatNumber(int value) {
    return std::to_string(value);
}

std::string formatNumber(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

void loadDefaultFont(sf::Font& font) {
    font.loadFromMemory(velmarch_default_font, static_cast<std::size_t>(velmarch_default_font_end -
                                                                        velmarch_default_font));
}

void FontFile::loadOrDefault(const std::string& path) {
    // The old face lets go of the held bytes inside the load, so they are replaced only after it;
    // moving a vector keeps its buffer where the new face reads it.
    if (loadContentFile(path, "Failed to load font", [&](std::vector<char>& bytes) {
            if (!loadFromMemory(bytes.data(), bytes.size()))
                return false;
            heldBytes = std::move(bytes);
            return true;
        }))
        return;
    loadDefaultFont(*this);
    heldBytes.clear();
    heldBytes.shrink_to_fit();
}
