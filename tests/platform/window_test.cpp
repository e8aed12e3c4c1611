#include "platform/Draw.hpp"
#include "platform/GameWindow.hpp"

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
