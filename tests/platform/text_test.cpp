#include "platform/Text.hpp"

#include <gtest/gtest.h>

TEST(Cp1252, DecodesEveryByte) {
    // ASCII and Latin-1 bytes map to themselves; 0x80..0x9F by the Windows table.
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const sf::String s = fromCp1252(byte);
        ASSERT_EQ(s.getSize(), 1u) << b;
        if (b < 0x80 || b >= 0xA0)
            EXPECT_EQ(s[0], static_cast<sf::Uint32>(b)) << b;
        else
            EXPECT_GE(s[0], 0x80u) << b;
    }
    EXPECT_EQ(fromCp1252("\x80")[0], 0x20ACu); // euro sign
    EXPECT_EQ(fromCp1252("\x9F")[0], 0x0178u); // Y with diaeresis
    EXPECT_EQ(fromCp1252("\x84")[0], 0x201Eu); // German low quotation mark
}

TEST(Cp1252, KeepsUmlautsAndDegreeSign) {
    const std::string bytes = "Zum Fortsetzen 'P' dr\xFC" "cken (\xB0/s)";
    const sf::String s = fromCp1252(bytes);
    const std::basic_string<sf::Uint32> text = s.toUtf32();
    EXPECT_NE(text.find(0xFCu), std::string::npos);
    EXPECT_NE(text.find(0xB0u), std::string::npos);
    EXPECT_EQ(s.getSize(), bytes.size()); // one character per byte
}

TEST(NumberFormat, WritesDoublesAsAStreamDoes) {
    EXPECT_EQ(formatNumber(1.0), "1");
    EXPECT_EQ(formatNumber(1.0 / 3.0), "0.333333");
    EXPECT_EQ(formatNumber(50 * 1.5), "75");
    EXPECT_EQ(formatNumber(2.0), "2");
    EXPECT_EQ(formatNumber(0.2), "0.2");
    EXPECT_EQ(formatNumber(1234567.0), "1.23457e+06");
    EXPECT_EQ(formatNumber(-7), "-7");
}

TEST(TextMeasure, WidthGrowsWithTextAndScale) {
    sf::Font font;
    loadDefaultFont(font);
    sf::Text text("Level 1", font, 30);
    const float w30 = textWidth(text);
    EXPECT_GT(w30, 50.f);
    EXPECT_GT(textHeight(text), 15.f);

    text.setCharacterSize(60);
    EXPECT_NEAR(textWidth(text), 2 * w30, w30 * 0.1f);

    text.setCharacterSize(30);
    text.setScale(2.f, 2.f);
    EXPECT_FLOAT_EQ(textWidth(text), 2 * w30);

    text.setString("");
    EXPECT_FLOAT_EQ(textWidth(text), 0.f);
}

TEST(TextMeasure, MissingFontFallsBackToBuiltIn) {
    sf::Font font;
    loadFontOrDefault(font, "no/such/font.ttf");
    sf::Text text(fromCp1252("\xFC\xF6\xE4\xDF\xB0"), font, 30);
    EXPECT_GT(textWidth(text), 30.f); // the built-in font has these glyphs
}
