#include "ScreenTestSupport.hpp"
#include "screens/HighscoresScreen.hpp"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path dataFile = "sources/Data/Highscores.data";

sf::Event keyEvent(sf::Keyboard::Key key) {
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = {key, false, false, false, false};
    return event;
}

// White ink where row i of the list stands, in the column starting at x.
int rowInk(const sf::Image& shot, int i, int x, int width = 60) {
    return countPixels(shot, {x, 130 + 30 * i, width, 26}, isWhite);
}

} // namespace

TEST(HighscoresScreen, OnlyRowsInsideTheWindowAreRevealed) {
    EXPECT_EQ(revealedRowCount(0), 0u);
    EXPECT_EQ(revealedRowCount(3), 3u);
    EXPECT_EQ(revealedRowCount(20), 20u);
    // y 130 + 30 * 25 = 880 is the last row that starts inside the window.
    EXPECT_EQ(revealedRowCount(26), 26u);
    EXPECT_EQ(revealedRowCount(27), 26u);
    EXPECT_EQ(revealedRowCount(1000000), 26u);
}

TEST(HighscoresScreen, RevealsRowsOneByOneAndDrawsThemInPlace) {
    ScratchFolder folder;
    writeBytes(dataFile, "3\nAlpha\n5300\n812\nBravo\n2100\n340\nCharlie\n900\n75");
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.f / 30.f);
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
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(rowInk(shot, i, 100), 20) << "place of row " << i;
        EXPECT_GT(rowInk(shot, i, 360), 20) << "name of row " << i;
        EXPECT_GT(rowInk(shot, i, 720), 20) << "points of row " << i;
        EXPECT_GT(rowInk(shot, i, 1080), 20) << "seconds of row " << i;
    }
    EXPECT_EQ(rowInk(shot, 3, 100, 1300), 0) << "nothing below the third row";
    // Rows sit at 130, 160, 190: the gaps between them stay dark.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(countPixels(shot, {100, 130 + 30 * i - 4, 40, 4}, isWhite), 0) << i;
    EXPECT_GT(countPixels(shot, {560, 10, 320, 60}, isWhite), 300) << "title";
    EXPECT_GT(countPixels(shot, {1150, 165, 280, 60}, isWhite), 100) << "key hints";
}

TEST(HighscoresScreen, CEmptiesTheListAndTheFileOnClose) {
    ScratchFolder folder;
    writeBytes(dataFile, "1\nAlpha\n5300\n812");
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.f / 30.f);
    {
        HighscoresScreen screen(window);
        screen.fadeIn();
        screen.reveal();
        screen.handleEvent(keyEvent(sf::Keyboard::C));
        EXPECT_EQ(screen.shownRows(), 0u);
        screen.draw();
        const sf::Image shot = window.screenshot();
        EXPECT_EQ(countPixels(shot, {100, 100, 1300, 30}, isCyan), 0) << "no headings";
        EXPECT_EQ(rowInk(shot, 0, 100, 1300), 0);
        EXPECT_GT(countPixels(shot, {300, 420, 840, 60}, isWhite), 300) << "empty-list message";
        EXPECT_TRUE(screen.isRunning());
        screen.handleEvent(keyEvent(sf::Keyboard::Escape));
        EXPECT_FALSE(screen.isRunning());
        // The file changes only when the screen closes.
        EXPECT_EQ(readBytes(dataFile), "1\nAlpha\n5300\n812");
    }
    EXPECT_EQ(readBytes(dataFile), "0\n");

    // Without a file the list is as empty.
    std::filesystem::remove(dataFile);
    HighscoresScreen screen(window);
    screen.fadeIn();
    const sf::Image shot = window.screenshot();
    EXPECT_EQ(countPixels(shot, {100, 100, 1300, 30}, isCyan), 0) << "no headings";
    EXPECT_GT(countPixels(shot, {300, 420, 840, 60}, isWhite), 300) << "empty-list message";
}

TEST(HighscoresScreen, LongAndStrangeFieldsStayText) {
    ScratchFolder folder;
    const std::string longName(200000, 'W');
    std::string odd = "\x01\x7F\x80\x9D\xFF\t%s%n{}";
    writeBytes(dataFile, "2\n" + longName + "\n812\n5\n" + odd + "\n" + odd + "\n" + odd);
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.f / 30.f);
    HighscoresScreen screen(window);
    screen.fadeIn();
    screen.reveal();
    ASSERT_EQ(screen.shownRows(), 2u);
    screen.draw();
    const sf::Image shot = window.screenshot();
    // The long name runs to the window's edge, over the other columns.
    EXPECT_GT(rowInk(shot, 0, 1380), 50);
    EXPECT_GT(rowInk(shot, 1, 360), 5);
}
