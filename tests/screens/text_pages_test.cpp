#include "ScreenTestSupport.hpp"
#include "platform/Text.hpp"
#include "screens/TextPages.hpp"
#include "tests/render/RenderTestSupport.hpp"

#include <algorithm>
#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(PageFile, OneEntryPerLineWithinBounds) {
    ScratchFolder folder;
    const struct {
        const char* what;
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"LF", "one\ntwo", {"one", "two"}},
        {"CR LF", "one\r\ntwo\r\nthree", {"one", "two", "three"}},
        {"a final line break gives a final empty line", "one\ntwo\n", {"one", "two", ""}},
        {"empty lines stay", "\n\nx", {"", "", "x"}},
        {"an empty file is one empty line", "", {""}},
        {"a lone CR inside a line stays", "a\rb\n", {"a\rb", ""}},
        {"NUL bytes too", std::string("a\0b\n", 4), {std::string("a\0b", 3), ""}},
        // Only the start of a huge line is kept, and of a huge file only its first lines.
        {"a huge line", std::string(10 << 20, 'x'), {std::string(maxPageLineLength, 'x')}},
        {"a huge file", std::string(10 << 20, '\n'), Lines(maxPageLines, "")},
    };
    for (const auto& c : cases) {
        writeBytes("page.txt", c.bytes);
        EXPECT_EQ(readPageLines("page.txt"), c.expected) << c.what;
    }
    EXPECT_EQ(readPageLines("missing.txt"), Lines{});
}

TEST(PageMotion, TypingOneCharacterPerStepClickingOnEvenOnesSlidingAndPrinting) {
    Typewriter typewriter({5, 0, 3});
    std::vector<std::pair<std::size_t, bool>> steps; // line, click
    while (!typewriter.done()) {
        const std::size_t line = typewriter.currentLine();
        steps.push_back({line, typewriter.step()});
    }
    const std::vector<std::pair<std::size_t, bool>> expected = {
        {0, true}, {0, false}, {0, true}, {0, false}, {0, true}, {2, true}, {2, false}, {2, true}};
    EXPECT_EQ(steps, expected) << "empty lines take no step";
    EXPECT_EQ((std::vector{typewriter.shown(0), typewriter.shown(1), typewriter.shown(2)}),
              (std::vector<std::size_t>{5, 0, 3}));
    EXPECT_FALSE(typewriter.step());

    EXPECT_TRUE(Typewriter({0, 0}).done());
    Typewriter skipped({4, 2});
    skipped.step();
    skipped.finish();
    EXPECT_TRUE(skipped.done());
    EXPECT_EQ((std::vector{skipped.shown(0), skipped.shown(1)}), (std::vector<std::size_t>{4, 2}));

    // Credits slide along a quarter sine.
    for (const auto& [angle, offset] : {std::pair{90, 720}, {0, 0}, {30, 359} /* not 360 */})
        EXPECT_EQ(slideOffset(angle), offset);
    // The angle falls by 100 a second, truncated towards zero; it climbs as fast, by 1 at least.
    for (const auto& [angle, frame, in, out] :
         {std::tuple{90, 1.f / 30.f, 86, 93}, std::tuple{2, 1.f / 30.f, -1, 5},
          std::tuple{10, 0.001f, 9, 11}, std::tuple{10, 0.f, 10, 11},
          std::tuple{40, 0.25f, 15, 65}}) {
        EXPECT_EQ(slideInNextAngle(angle, frame), in) << angle << " " << frame;
        EXPECT_EQ(slideOutNextAngle(angle, frame), out) << angle << " " << frame;
    }
    for (const auto& [frame, rows] :
         {std::pair{1.f / 30.f, 3}, std::pair{0.05f, 5}, std::pair{0.f, 1}})
        EXPECT_EQ(printRowStep(frame), rows) << frame;
    for (const auto& [size, at] : {std::pair{sf::Vector2u(400, 300), sf::Vector2f(1040, 600)},
                                   {{2000, 300}, {0, 600}},
                                   {{300, 5000}, {1140, 0}}})
        EXPECT_EQ(missionPlatePosition(size), at);
}

TEST(TextFit, CutsWhereTheWindowEnds) {
    sf::Font font;
    loadDefaultFont(font);
    sf::Text text("", font, 30);
    const auto width = [&text](const sf::String& line) {
        text.setString(line);
        return textWidth(text);
    };
    // Kerned pairs measure as sf::Text lays them out. The cut lines still reach the edges.
    // A tab advances four spaces.
    std::string pairs, tabs;
    for (int i = 0; i < 1250; ++i) {
        pairs += "AVTo";
        tabs += "W\t";
    }
    for (const auto& [line, over] :
         {std::pair{sf::String(std::string(5000, 'W')), 100.f}, std::pair{sf::String(pairs), 60.f},
          std::pair{sf::String(tabs), 100.f}}) {
        // The last character kept is the first to start past the edge.
        const std::size_t fits = fittingPrefixLength(font, 30, line, 1390.f);
        text.setString(line.substring(0, fits));
        EXPECT_GE(text.findCharacterPos(fits - 1).x, 1390.f);
        EXPECT_LT(text.findCharacterPos(fits - 2).x, 1390.f);
        const sf::String end = line.substring(fittingSuffixStart(font, 30, line, 710.f));
        EXPECT_GE(width(end), 710.f);
        EXPECT_LT(width(end), 710.f + over);
    }
    const sf::String shortLine("Panzer");
    EXPECT_EQ(fittingPrefixLength(font, 30, shortLine, 1390.f), 6u);
    EXPECT_EQ(fittingSuffixStart(font, 30, shortLine, 710.f), 0u);
    // Glyphs without width cannot make a line endless.
    EXPECT_EQ(fittingPrefixLength(font, 30, sf::String(std::string(100000, '\r')), 1390.f),
              maxDrawnCharacters);
}

namespace {
// Credits that note the pairs' offsets at every frame they draw.
struct RecordedCredits : CreditsScreen {
    using CreditsScreen::CreditsScreen;
    void draw() override {
        frames.push_back(offsets());
        CreditsScreen::draw();
    }
    // Pairs on their way in the frames noted since the last call, checking they move one at a time.
    int moving(bool in) {
        int count = 0;
        for (const std::vector<int>& f : frames) {
            EXPECT_TRUE(in ? std::is_sorted(f.begin(), f.end())
                           : std::is_sorted(f.rbegin(), f.rend()));
            const auto now =
                std::count_if(f.begin(), f.end(), [](int o) { return o > 0 && o < 720; });
            EXPECT_LE(now, 1);
            count += static_cast<int>(now);
        }
        frames.clear();
        return count;
    }
    std::vector<std::vector<int>> frames;
};
} // namespace

// Frames of 1.25 s keep every fade to three frames.
TEST(TextPages, TypedLinesThePrintedStoryPictureAndTheSlidingCredits) {
    ScratchFolder folder;
    // A grey metal background and a mission picture of changing colours.
    writePicture("sources/Images/Images/Metall.jpg", 48, 30, sf::Color(120, 120, 128));
    sf::Image picture;
    picture.create(200, 100);
    for (unsigned y = 0; y < 100; ++y)
        for (unsigned x = 0; x < 200; ++x)
            picture.setPixel(x, y,
                             sf::Color(static_cast<sf::Uint8>(60 + x % 120), 90 + y % 80, 50));
    picture.saveToFile("sources/Images/Images/Mission-Image.jpg");
    writeBytes("sources/Text/Story/Story.txt", "WWWWWWWWWWWW\r\nWelt\r\n");
    writeBytes("sources/Text/HowToPlay/How To Play.txt", "abcde\n\nxyz");
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.25f);
    {
        StoryScreen story(window);
        // Before the intro nothing is typed or printed.
        story.draw();
        sf::Image shot = window.screenshot();
        EXPECT_EQ(countPixels(shot, {50, 100, 120, 76}, isRed), 0) << "typed too early";
        EXPECT_LE(shot.getPixel(1440 - 100, 900 - 50).g, 70) << "printed too early";
        story.playIntro();
        story.draw();
        shot = window.screenshot();
        EXPECT_GT(countPixels(shot, {50, 100, 120, 36}, isRed), 100) << "first line";
        EXPECT_NEAR(rendertest::columnsWith(shot, 100, 136, sf::Color::Red, 100).second, 385, 3)
            << "twelve characters of size 30";
        EXPECT_GT(countPixels(shot, {50, 140, 120, 36}, isRed), 100) << "second line, 40 below";
        EXPECT_EQ(countPixels(shot, {50, 180, 600, 40}, isRed), 0) << "the final empty line";
        EXPECT_GT(countPixels(shot, {500, 10, 440, 60}, isWhite), 300) << "title";
        // The printed picture, flush with the bottom-right corner, to its last row.
        const sf::Color picture = shot.getPixel(1440 - 100, 900 - 50);
        EXPECT_GT(picture.g, 70);
        EXPECT_GT(shot.getPixel(1440 - 100, 899).g, 70) << "printed to the last row";
        EXPECT_NE(shot.getPixel(1440 - 210, 900 - 50), picture);

        story.handleEvent(keyEvent(sf::Keyboard::Return));
        EXPECT_TRUE(story.isRunning());
        story.handleEvent(keyEvent(sf::Keyboard::Escape));
        EXPECT_FALSE(story.isRunning());
        story.playOutro();
        EXPECT_LE(window.screenshot().getPixel(700, 500).r, 8) << "faded out";
    }
    {
        HowToPlayScreen page(window);
        sf::Clock clock;
        page.playIntro();
        EXPECT_GE(clock.getElapsedTime().asSeconds(), 0.08f) << "eight characters 0.01 s apart";
        const sf::Image shot = window.screenshot();
        EXPECT_GT(countPixels(shot, {50, 100, 80, 30}, isRed), 50);
        EXPECT_EQ(countPixels(shot, {50, 130, 400, 30}, isRed), 0);
        EXPECT_GT(countPixels(shot, {50, 160, 80, 30}, isRed), 50) << "rows 30 apart";
        EXPECT_GT(countPixels(shot, {1200, 195, 230, 30}, isWhite), 50) << "Escape hint";
        page.handleEvent(padButtonEvent(PadButton::A));
        EXPECT_TRUE(page.isRunning());
        page.handleEvent(padButtonEvent(PadButton::B)); // a pad's B as Escape
        EXPECT_FALSE(page.isRunning());
    }
    // Without text the intro fades in and prints the picture only.
    std::filesystem::remove_all("sources/Text");
    StoryScreen story(window);
    story.playIntro();
    sf::Image shot = window.screenshot();
    EXPECT_GT(shot.getPixel(700, 500).r, 20) << "faded in";
    EXPECT_GT(shot.getPixel(1440 - 100, 800).g, 70) << "the first row shows as it is printed";
    story.draw();
    shot = window.screenshot();
    EXPECT_EQ(countPixels(shot, {0, 100, 1200, 800}, isRed), 0);
    StoryScreen printed(window);
    printed.showAll();
    printed.draw();
    EXPECT_GT(window.screenshot().getPixel(1440 - 100, 800).g, 70) << "the first row, at once";

    // Credits: one pair per line of the longer file, beside the middle.
    writeBytes("sources/Text/Credits/Topics.txt", "Idee\nGrafik\nTon\nExtra");
    writeBytes("sources/Text/Credits/Names.txt", "A. Autor\nB. Bild\nC. Klang");
    window.setFixedFrameTime(0.5f); // 50 degrees a frame
    RecordedCredits credits(window);
    EXPECT_EQ(credits.offsets(), std::vector<int>(4, 720));
    credits.draw();
    shot = window.screenshot();
    EXPECT_EQ(countPixels(shot, {0, 225, 1440, 160}, isRed), 0) << "all pairs out of sight";
    EXPECT_EQ(countPixels(shot, {0, 225, 1440, 160}, isCyan), 0);

    // Each pair on its way once: at angle 40 in and 50 out.
    credits.frames.clear();
    credits.playIntro();
    EXPECT_EQ(credits.moving(true), 4);
    EXPECT_EQ(credits.offsets(), std::vector<int>(4, 0));
    credits.draw();
    shot = window.screenshot();
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(countPixels(shot, {560, 225 + 40 * i, 150, 36}, isRed), 50) << "topic " << i;
        EXPECT_EQ(countPixels(shot, {712, 225 + 40 * i, 16, 36}, isRed), 0) << "topic ends at 710";
        EXPECT_GT(countPixels(shot, {730, 225 + 40 * i, 150, 36}, isCyan), 50) << "name " << i;
    }
    EXPECT_NEAR(rendertest::columnsWith(shot, 225, 261, sf::Color::Cyan, 100, 720).second, 836, 1)
        << "the first name at size 30";
    EXPECT_GT(countPixels(shot, {560, 345, 150, 36}, isRed), 50) << "the surplus topic";
    EXPECT_EQ(countPixels(shot, {730, 345, 300, 36}, isCyan), 0);
    // The dark bands darken the top and bottom quarters only.
    EXPECT_LT(shot.getPixel(5, 100).r, shot.getPixel(5, 450).r);
    EXPECT_LT(shot.getPixel(5, 800).r, shot.getPixel(5, 450).r);

    credits.frames.clear();
    credits.playOutro();
    EXPECT_EQ(credits.moving(false), 4);
    EXPECT_EQ(credits.offsets(), std::vector<int>(4, 720));

    CreditsScreen preview(window);
    preview.showAll();
    EXPECT_EQ(preview.offsets(), std::vector<int>(4, 0));
}
