#include "platform/Text.hpp"
#include "tests/content/ContentFiles.hpp"

#include <gtest/gtest.h>

namespace {

constexpr float screenW = 1440, screenH = 900;

// The file's lines; its bytes clean Windows-1252 without a final line feed (an empty line).
std::vector<std::string> pageLines(const std::string& path, std::string* text = nullptr) {
    const std::string bytes = fileBytes(contentRoot + path);
    EXPECT_TRUE(!bytes.empty() && bytes.back() != '\n') << path;
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        EXPECT_TRUE(b == '\n' || b >= 0x20) << path << ": control byte " << int(b) << " at " << i;
        // Bytes Windows-1252 leaves unassigned.
        EXPECT_TRUE(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) << path;
        // UTF-8 for an umlaut would read as two characters.
        const auto next = static_cast<unsigned char>(i + 1 < bytes.size() ? bytes[i + 1] : 0);
        EXPECT_FALSE(b == 0xC3 && next >= 0x80 && next <= 0xBF) << path << ": UTF-8 at " << i;
        if (b == '\n')
            lines.emplace_back();
        else
            lines.back() += bytes[i];
    }
    if (text)
        *text = bytes;
    return lines;
}

struct Fonts {
    FontFile title;
    sf::Font body;
    Fonts() {
        title.loadOrDefault(contentRoot + "Fonts/TSalvacion.ttf");
        loadDefaultFont(body);
    }
    float width(const std::string& line, unsigned size) {
        sf::Text t(fromCp1252(line), body, size);
        return textWidth(t);
    }
};

bool rowsOverlap(float top, float height, float otherTop, float otherHeight) {
    return top < otherTop + otherHeight && otherTop < top + height;
}

// Lines typed from x 50 at y 100 + step * i clear the right edge, the hint "Escape - Beenden"
// (right-aligned at y 195) and a picture in the bottom-right corner.
void expectTypedPageFits(const std::string& path, unsigned size, float step, std::size_t maxLines,
                         sf::Vector2u picture) {
    Fonts f;
    sf::Text hint("Escape - Beenden", f.title, 20), tall(fromCp1252("\xC4gyp|"), f.body, size);
    const float hintLeft = screenW - 10 - textWidth(hint), lineH = textHeight(tall);
    const std::vector<std::string> lines = pageLines(path);
    EXPECT_LE(lines.size(), maxLines) << path;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const float top = 100 + step * i, right = 50 + f.width(lines[i], size);
        EXPECT_LE(right, screenW - 20) << path << " line " << i + 1;
        EXPECT_TRUE(!rowsOverlap(top, lineH, screenH / 4 - 30, textHeight(hint)) ||
                    right <= hintLeft - 10)
            << path << " line " << i + 1 << " runs into the hint";
        EXPECT_TRUE(!rowsOverlap(top, lineH, screenH - picture.y, float(picture.y)) ||
                    right <= screenW - picture.x - 10)
            << path << " line " << i + 1 << " runs into the picture";
    }
}

} // namespace

// The story beside its picture, the instructions naming the controls, the credits in two columns.
TEST(Pages, EachPageFitsTheScreen) {
    sf::Image mission;
    ASSERT_TRUE(mission.loadFromFile(contentRoot + "Images/Images/Mission-Image.jpg"));
    expectTypedPageFits("Text/Story/Story.txt", 30, 40, 20, mission.getSize());
    expectTypedPageFits("Text/HowToPlay/How To Play.txt", 25, 30, 27, {0, 0});
    std::string story, text, names;
    pageLines("Text/Story/Story.txt", &story);
    EXPECT_NE(story.find('\374'), std::string::npos); // German, stored as Windows-1252
    pageLines("Text/HowToPlay/How To Play.txt", &text);
    for (const char* word :
         {"Pfeiltasten", "Leertaste", "linke Maustaste", "P  -", "Escape", "5 \334berquerungen",
          "10 \334berquerungen", "harmlos", "Leben", "Punkte", "Munition", "rote Linie"})
        EXPECT_NE(text.find(word), std::string::npos) << word;

    Fonts f;
    const auto topicLines = pageLines("Text/Credits/Topics.txt");
    const auto nameLines = pageLines("Text/Credits/Names.txt", &names);
    EXPECT_EQ(topicLines.size(), nameLines.size());
    EXPECT_LE(nameLines.size(), 17u); // rows from y 225 in steps of 40
    for (const auto& t : topicLines)
        EXPECT_LE(f.width(t, 30), screenW / 2 - 10 - 10) << t; // right-aligned to x 710
    for (const auto& n : nameLines)
        EXPECT_LE(screenW / 2 + 10 + f.width(n, 30), screenW - 10) << n; // from x 730
    for (const char* credit : {"SFML", "Liberation Sans", "Bebas Neue", "OpenAL", "libvorbis"})
        EXPECT_NE(names.find(credit), std::string::npos) << credit;
}
