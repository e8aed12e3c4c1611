#include "platform/Draw.hpp"
#include "platform/GameWindow.hpp"
#include "tests/screens/ScreenTestSupport.hpp"

#include <gtest/gtest.h>

TEST(Batch, InvisibleShapesAndTilesOffTheScreenAddNothing) {
    Batch batch;
    batch.line({0.f, 0.f}, {10.f, 10.f}, 5.f, sf::Color(0, 255, 0, 0));
    batch.rect({0.f, 0.f}, {10.f, 10.f}, sf::Color::Transparent, 2.f, sf::Color(1, 2, 3, 0));
    batch.circle({5.f, 5.f}, 4.f, sf::Color::Transparent);
    EXPECT_TRUE(batch.empty());
    // Tiles off the screen are skipped: 400 px up a 1440 x 450 leaf shows its last 12; 520, none.
    sf::Image image;
    image.create(128, 128, sf::Color::White);
    sf::Texture texture;
    texture.loadFromImage(image);
    tile(batch, texture, 0.f, 0.f, 1440.f, 450.f, 0.f, -400.f);
    EXPECT_EQ(batch.vertexCount(), 12u * 6u);
    batch.clear();
    tile(batch, texture, 0.f, 0.f, 1440.f, 450.f, 0.f, -520.f);
    EXPECT_TRUE(batch.empty());
}

TEST(GameWindow, FrameTimesCapturesAndFades) {
    GameWindow window(GameWindow::Mode::Offscreen);
    window.display();
    sf::sleep(sf::milliseconds(30));
    window.display();
    EXPECT_GE(window.frameTime(), 0.029f);
    EXPECT_LT(window.frameTime(), 0.5f);

    window.setFixedFrameTime(1.f / 30.f);
    window.display();
    EXPECT_FLOAT_EQ(window.frameTime(), 1.f / 30.f);
    window.setFixedFrameTime(std::nullopt);
    EXPECT_LT(window.frameTime(), 0.029f);

    // Offscreen the limit is held as a window holds it.
    window.setFramerateLimit(30);
    window.display();
    window.display();
    EXPECT_GE(window.frameTime(), 0.032f);
    EXPECT_LT(window.frameTime(), 0.2f);
    window.setFramerateLimit(0);
    window.display();
    EXPECT_LT(window.frameTime(), 0.03f);

    // Batches draw in one call, captures draw back the same picture, the fade uses low bits.
    window.target().clear(sf::Color::Black);
    window.resetDrawCalls();
    Batch batch;
    for (int i = 0; i < 50; ++i)
        batch.line({0.f, 10.f * i + 5.f}, {1440.f, 10.f * i + 5.f}, 2.f, sf::Color::Yellow);
    batch.rect({100.f, 600.f}, {200.f, 700.f}, sf::Color::Green);
    batch.flush(window);
    EXPECT_EQ(window.drawCalls(), 1u);
    window.display();
    sf::Texture copy;
    window.capture(copy);
    window.target().clear(sf::Color::Red);
    window.drawCapture(copy);
    window.display();
    const sf::Image shot = window.screenshot();
    EXPECT_EQ(shot.getPixel(300, 105), sf::Color::Yellow);
    EXPECT_EQ(shot.getPixel(300, 100), sf::Color::Black);
    EXPECT_EQ(shot.getPixel(150, 650), sf::Color::Green);
    EXPECT_EQ(shot.getPixel(50, 650), sf::Color::Black);

    // Fade alpha 0 and 256 draw nothing; 255 is black.
    window.resetDrawCalls();
    drawFade(window, 0);
    drawFade(window, 256);
    EXPECT_EQ(window.drawCalls(), 0u);
    drawFade(window, 255);
    window.display();
    EXPECT_EQ(window.drawCalls(), 1u);
    EXPECT_EQ(window.screenshot().getPixel(150, 650), sf::Color::Black);
}

TEST(GameWindow, ACloseRequestInAWindowIsAnEscapeEveryFrameAFullScreenPassesItOn) {
    GameWindow window(GameWindow::Mode::Offscreen);
    sf::Event closed{}, event{};
    closed.type = sf::Event::Closed;
    window.setFullscreen(true);
    window.queueEvent(closed);
    ASSERT_TRUE(window.pollEvent(event));
    EXPECT_EQ(event.type, sf::Event::Closed) << "which the screens ignore";
    EXPECT_FALSE(window.closeRequested());

    window.setFullscreen(false);
    window.queueEvent(closed);
    window.queueEvent(keyEvent(sf::Keyboard::P));
    for (int frame = 0; frame < 3; ++frame) {
        std::vector<int> keys;
        while (window.pollEvent(event)) {
            ASSERT_EQ(event.type, sf::Event::KeyPressed);
            keys.push_back(event.key.code);
        }
        const std::vector<int> expected =
            frame == 0 ? std::vector<int>{sf::Keyboard::Escape, sf::Keyboard::P}
                       : std::vector<int>{sf::Keyboard::Escape};
        EXPECT_EQ(keys, expected);
        EXPECT_TRUE(window.closeRequested());
        window.display();
    }
}

// A real window on the test's X server, made anew twice.
TEST(GameWindow, SwitchingScreensKeepsTheViewFrameLimitAndEveryPicture) {
    GameWindow window(GameWindow::Mode::Windowed);
    window.setFramerateLimit(30);
    sf::Image green;
    green.create(8, 8, sf::Color::Green);
    sf::Texture picture;
    picture.loadFromImage(green);
    sf::RenderTexture canvas;
    ASSERT_TRUE(canvas.create(50, 50));
    canvas.clear(sf::Color::Blue);
    canvas.display();
    // Half the layout fills the screen.
    window.setView(sf::View(sf::FloatRect(0.f, 0.f, 720.f, 450.f)));
    for (const bool fullscreen : {true, false}) {
        window.display();
        sf::sleep(sf::seconds(0.6f)); // as if making the window took that long
        window.setFullscreen(fullscreen);
        ASSERT_EQ(window.isFullscreen(), fullscreen);
        window.display();
        EXPECT_LT(window.frameTime(), 0.4f) << "making the window is no frame's time";
        window.target().clear(sf::Color::Black);
        sf::Sprite still(picture), drawn(canvas.getTexture());
        still.setScale(10.f, 10.f);
        still.setPosition(100.f, 100.f);
        drawn.setPosition(400.f, 100.f);
        window.draw(still);
        window.draw(drawn);
        sf::Texture copy;
        window.capture(copy);
        const sf::Image shot = copy.copyToImage();
        EXPECT_EQ(shot.getPixel(300, 300), sf::Color::Green) << fullscreen;
        EXPECT_EQ(shot.getPixel(850, 250), sf::Color::Blue) << fullscreen;
        EXPECT_EQ(shot.getPixel(150, 150), sf::Color::Black) << fullscreen;
        window.display();
        window.display();
        EXPECT_GE(window.frameTime(), 0.03f) << "the frame limit holds after switching";
        sf::Event event;
        while (window.pollEvent(event))
            EXPECT_NE(event.type, sf::Event::LostFocus) << "switching is no looking away";
    }
}
