#include "platform/ParseNumber.hpp"
#include "platform/Text.hpp"

#include <climits>
#include <gtest/gtest.h>

TEST(Text, DecodesEveryCp1252ByteOneCharacterEachAndWritesNumbersAsAStream) {
    // ASCII and Latin-1 bytes (umlauts, the degree sign) map to themselves; 0x80..0x9F by the
    // Windows table.
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const sf::String s = fromCp1252(bytes);
    ASSERT_EQ(s.getSize(), 256u);
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(s[static_cast<std::size_t>(b)], static_cast<sf::Uint32>(b)) << b;
        }
    }
    EXPECT_EQ(s[0x80], 0x20ACu); // euro sign
    EXPECT_EQ(s[0x84], 0x201Eu); // German low quotation mark
    EXPECT_EQ(s[0x81], 0x81u);   // unassigned: the C1 control
    EXPECT_EQ(s[0x9F], 0x0178u); // Y with diaeresis

    // Numbers are written as a stream writes doubles.
    const std::pair<double, const char*> cases[] = {
        {1.0, "1"},   {1.0 / 3.0, "0.333333"},    {50 * 1.5, "75"},
        {0.2, "0.2"}, {1234567.0, "1.23457e+06"}, {-7, "-7"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatNumber(value), text);
}

TEST(TextMeasure, WidthGrowsWithTextAndScaleAndAMissingFontFallsBackToBuiltIn) {
    FontFile font;
    font.loadOrDefault("no/such/font.ttf");
    sf::Text text("Level 1", font, 30);
    const float w30 = textWidth(text), h30 = textHeight(text);
    EXPECT_GT(w30, 50.f);
    EXPECT_GT(h30, 15.f);
    text.setScale(2.f, 3.f);
    EXPECT_FLOAT_EQ(textWidth(text), 2 * w30);
    EXPECT_FLOAT_EQ(textHeight(text), 3 * h30);
    text.setString(fromCp1252("\xFC\xF6\xE4\xDF\xB0"));
    EXPECT_GT(textWidth(text), 60.f); // the built-in font has these glyphs
    text.setString("");
    EXPECT_FLOAT_EQ(textWidth(text), 0.f);
}

// Numbers read as atoi and atol would, but clamped to the type's range: the level files' ints
// and the highscores' longs.
TEST(ParseNumber, ReadsLikeAtoiAndClampsOverflow) {
    const std::pair<const char*, int> plain[] = {
        {"120", 120},      {"  120abc", 120},
        {"\t-5", -5},      {"+7", 7},
        {"abc", 0},        {"", 0},
        {"- 5", 0},        {"12 34", 12},
        {"\v\f\r\n 9", 9}, {"0000000000000000000000042", 42}};
    for (const auto& [text, value] : plain) {
        EXPECT_EQ(parseNumber<int>(text), value) << '"' << text << '"';
        EXPECT_EQ(parseNumber<long>(text), value) << '"' << text << '"';
    }
    const std::pair<const char*, int> ints[] = {{"2147483647", INT_MAX},
                                                {"2147483648", INT_MAX},
                                                {"99999999999999999999999999", INT_MAX},
                                                {"-2147483648", INT_MIN},
                                                {"-2147483649", INT_MIN}};
    for (const auto& [text, value] : ints)
        EXPECT_EQ(parseNumber<int>(text), value) << '"' << text << '"';
    const std::pair<const char*, long> longs[] = {
        {"9223372036854775807", LONG_MAX},      {"9223372036854775806", LONG_MAX - 1},
        {"9223372036854775808", LONG_MAX},      {"-9223372036854775808", LONG_MIN},
        {"-9223372036854775807", LONG_MIN + 1}, {"-9223372036854775809", LONG_MIN}};
    for (const auto& [text, value] : longs)
        EXPECT_EQ(parseNumber<long>(text), value) << '"' << text << '"';
}
