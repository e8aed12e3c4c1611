#include "ScreenTestSupport.hpp"
#include "screens/HighscoresScreen.hpp"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path dataFile = "sources/Data/Highscores.data";

// White ink where row i of the list stands, in the column starting at x.
int rowInk(const sf::Image& shot, int i, int x, int width = 60) {
    return countPixels(shot, {x, 130 + 30 * i, width, 26}, isWhite);
}

} // namespace

// Frames of 1.25 s keep the fades to three frames.
TEST(HighscoresScreen, RevealsRowsOneByOneAndCEmptiesTheListAndTheFileOnClose) {
    ScratchFolder folder;
    const std::string odd = "\x01\x7F\x80\x9D\xFF\t%s%n{}";
    const std::string stored = "3\nAlpha\n5300\n812\n" + std::string(200000, 'W') + "\n812\n5\n" +
                               odd + "\n" + odd + "\n" + odd;
    writeBytes(dataFile, stored);
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.25f);
    {
        HighscoresScreen screen(window);
        screen.fadeIn();
        // Before the reveal only the headings show.
        sf::Image shot = window.screenshot();
        EXPECT_GT(countPixels(shot, {100, 100, 1300, 30}, isCyan), 300) << "headings";
        EXPECT_EQ(rowInk(shot, 0, 100), 0);

        sf::Clock clock;
        screen.reveal();
        EXPECT_GE(clock.getElapsedTime().asSeconds(), 0.29f) << "one row per 0.1 s";
        EXPECT_EQ(screen.shownRows(), 3u);
        shot = window.screenshot();
        for (int x : {100, 360, 720, 1080})
            EXPECT_GT(rowInk(shot, 0, x), 20) << "column at " << x;
        // The long name runs to the window's edge, over the other columns; odd bytes stay text.
        EXPECT_GT(rowInk(shot, 1, 1380), 50);
        EXPECT_GT(rowInk(shot, 1, 1425, 15), 5);
        EXPECT_GT(rowInk(shot, 2, 360), 5);
        // Rows sit at 130, 160, 190, numbered: the gaps between them stay dark.
        for (int i = 0; i < 3; ++i) {
            EXPECT_GT(rowInk(shot, i, 100, 40), 20) << "place of row " << i;
            EXPECT_EQ(countPixels(shot, {100, 130 + 30 * i - 4, 40, 4}, isWhite), 0) << i;
        }
        EXPECT_EQ(rowInk(shot, 3, 100, 1300), 0) << "nothing below the third row";
        EXPECT_GT(countPixels(shot, {560, 10, 320, 60}, isWhite), 300) << "title";
        EXPECT_EQ(countPixels(shot, {0, 200, 90, 600}, [](sf::Color c) { return c.r > c.g + 8; }),
                  0)
            << "grey hatching";
        EXPECT_GT(countPixels(shot, {1150, 165, 280, 60}, isWhite), 100) << "key hints";

        screen.handleEvent(keyEvent(sf::Keyboard::Return));
        EXPECT_EQ(screen.shownRows(), 3u);
        screen.handleEvent(keyEvent(sf::Keyboard::C));
        EXPECT_EQ(screen.shownRows(), 0u);
        screen.draw();
        shot = window.screenshot();
        EXPECT_EQ(countPixels(shot, {100, 100, 1300, 30}, isCyan), 0) << "no headings";
        EXPECT_EQ(rowInk(shot, 0, 100, 1300), 0);
        EXPECT_GT(countPixels(shot, {300, 420, 840, 60}, isWhite), 300) << "empty-list message";
        EXPECT_GT(countPixels(shot, {300, 400, 840, 50}, isWhite), 300)
            << "reaching above the middle";
        EXPECT_TRUE(screen.isRunning());
        screen.handleEvent(keyEvent(sf::Keyboard::Escape));
        EXPECT_FALSE(screen.isRunning());
        screen.fadeOut();
        EXPECT_LE(window.screenshot().getPixel(700, 450).r, 8) << "faded out";
        // The file changes only when the screen closes.
        EXPECT_EQ(readBytes(dataFile), stored);
    }
    EXPECT_EQ(readBytes(dataFile), "0\n");

    // Shown at once, every row that starts inside the window: the last at y 130 + 30 * 25 = 880.
    std::string many = "30\n";
    for (int i = 0; i < 30; ++i)
        many += "N\n1\n1\n";
    writeBytes(dataFile, many);
    HighscoresScreen screen(window);
    screen.showAll();
    EXPECT_EQ(screen.shownRows(), 26u);
    screen.draw();
    EXPECT_GT(rowInk(window.screenshot(), 25, 100, 40), 20) << "the last row, faded in";
    screen.handleEvent(padButtonEvent(PadButton::B)); // a pad's B as Escape
    EXPECT_FALSE(screen.isRunning());

    // Run whole and left with Escape, the screen ends faded to black.
    writeBytes(dataFile, "0\n");
    window.queueEvent(keyEvent(sf::Keyboard::Escape));
    HighscoresScreen(window).run();
    EXPECT_EQ(countPixels(window.screenshot(), {0, 0, 1440, 900},
                          [](sf::Color c) { return c.r > 8 || c.g > 8 || c.b > 8; }),
              0);
}
