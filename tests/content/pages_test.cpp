#include "platform/Text.hpp"
#include "tests/content/ContentFiles.hpp"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

// The text pages: Windows-1252 German, one screen line per file line, each line fitting the
// window at its page's size and row step beside the page's other elements.

namespace {

constexpr float screenW = 1440, screenH = 900;

std::string readBytes(const std::string& path) {
    std::ifstream in(contentRoot + path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Split as the pages read: at every line feed; a final line feed would give an empty line.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines(1);
    for (char c : bytes)
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    return lines;
}

void expectCleanCp1252(const std::string& path, const std::string& bytes) {
    ASSERT_FALSE(bytes.empty()) << path;
    EXPECT_NE(bytes.back(), '\n') << path << " ends with a line break (an extra empty line)";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        EXPECT_TRUE(b == '\n' || b >= 0x20) << path << ": control byte " << int(b) << " at " << i;
        // Bytes Windows-1252 leaves unassigned.
        EXPECT_TRUE(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            << path << " at " << i;
        // UTF-8 for an umlaut would read as two characters ("Ã¤").
        if (b == 0xC3 && i + 1 < bytes.size()) {
            const auto next = static_cast<unsigned char>(bytes[i + 1]);
            EXPECT_FALSE(next >= 0x80 && next <= 0xBF) << path << ": UTF-8 sequence at " << i;
        }
    }
}

struct Measure {
    sf::Font body, title;
    Measure() {
        loadDefaultFont(body);
        loadFontOrDefault(title, contentRoot + "Fonts/TSalvacion.ttf");
    }
    float width(const std::string& line, unsigned size) {
        sf::Text t(fromCp1252(line), body, size);
        return textWidth(t);
    }
    float height(unsigned size) {
        sf::Text t(fromCp1252("\xC4gyp|"), body, size);
        return textHeight(t);
    }
    // The hint "Escape - Beenden" right-aligned to W - 10 at y 195 on the typed pages.
    sf::FloatRect hint() {
        sf::Text t("Escape - Beenden", title, 20);
        const float w = textWidth(t);
        return {screenW - 10 - w, screenH / 4 - 30, w, textHeight(t)};
    }
};

bool rowsOverlap(float top, float height, float otherTop, float otherHeight) {
    return top < otherTop + otherHeight && otherTop < top + height;
}

// Lines typed from x 50 at y 100 + step * i must stay clear of the right edge, of the hint and
// of a picture in the bottom-right corner.
void expectTypedPageFits(const std::string& path, unsigned size, float step, std::size_t maxLines,
                         sf::Vector2u picture) {
    Measure m;
    const std::string bytes = readBytes(path);
    expectCleanCp1252(path, bytes);
    const std::vector<std::string> lines = linesOf(bytes);
    EXPECT_LE(lines.size(), maxLines) << path;
    const sf::FloatRect hint = m.hint();
    const float lineH = m.height(size);
    const float pictureLeft = screenW - picture.x, pictureTop = screenH - picture.y;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const float top = 100 + step * i, right = 50 + m.width(lines[i], size);
        EXPECT_LE(right, screenW - 20) << path << " line " << i + 1;
        if (rowsOverlap(top, lineH, hint.top, hint.height)) {
            EXPECT_LE(right, hint.left - 10) << path << " line " << i + 1 << " runs into the hint";
        }
        if (picture.x > 0 && rowsOverlap(top, lineH, pictureTop, float(picture.y))) {
            EXPECT_LE(right, pictureLeft - 10)
                << path << " line " << i + 1 << " runs into the picture";
        }
    }
}

bool contains(const std::string& bytes, const std::string& word) {
    return bytes.find(word) != std::string::npos;
}

} // namespace

TEST(Pages, StoryFitsBesideTheMissionPicture) {
    sf::Image mission;
    ASSERT_TRUE(mission.loadFromFile(contentRoot + "Images/Images/Mission-Image.jpg"));
    expectTypedPageFits("Text/Story/Story.txt", 30, 40, 20, mission.getSize());
    EXPECT_TRUE(
        contains(readBytes("Text/Story/Story.txt"), "\xFC")); // German, stored as Windows-1252
}

TEST(Pages, InstructionsFitAndNameTheRealControlsAndRules) {
    expectTypedPageFits("Text/HowToPlay/How To Play.txt", 25, 30, 27, {0, 0});
    const std::string text = readBytes("Text/HowToPlay/How To Play.txt");
    for (const char* word : {"Pfeiltasten", "Leertaste", "linke Maustaste", "P  -", "Escape",
                             "5 \xDC"
                             "berquerungen",
                             "10 \xDC"
                             "berquerungen",
                             "harmlos", "Leben", "Punkte", "Munition", "rote Linie"})
        EXPECT_TRUE(contains(text, word)) << word;
}

TEST(Pages, CreditsPairUpAndFitBothColumns) {
    Measure m;
    const std::string topicsBytes = readBytes("Text/Credits/Topics.txt");
    const std::string namesBytes = readBytes("Text/Credits/Names.txt");
    expectCleanCp1252("Topics.txt", topicsBytes);
    expectCleanCp1252("Names.txt", namesBytes);
    const auto topics = linesOf(topicsBytes), names = linesOf(namesBytes);
    EXPECT_EQ(topics.size(), names.size());
    EXPECT_LE(names.size(), 17u); // rows from y 225 in steps of 40
    for (const auto& t : topics)
        EXPECT_LE(m.width(t, 30), screenW / 2 - 10 - 10) << t; // right-aligned to x 710
    for (const auto& n : names)
        EXPECT_LE(screenW / 2 + 10 + m.width(n, 30), screenW - 10) << n; // from x 730
    for (const char* credit : {"SFML", "DejaVu", "Bebas Neue", "OpenAL", "libvorbis"})
        EXPECT_TRUE(contains(namesBytes, credit)) << credit;
}
