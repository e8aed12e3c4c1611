#include "platform/Draw.hpp"
#include "platform/GameWindow.hpp"

#include <gtest/gtest.h>

TEST(GameWindow, FrameTimeIsTheIntervalBetweenDisplaysHeldToTheLimit) {
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
    for (int i = 0; i < 3; ++i) {
        window.display();
        EXPECT_GE(window.frameTime(), 0.032f);
        EXPECT_LT(window.frameTime(), 0.2f);
    }
    window.setFramerateLimit(0);
    window.display();
    EXPECT_LT(window.frameTime(), 0.03f);
}

TEST(GameWindow, CaptureDrawsBackTheSamePictureAndTheFadeUsesLowBits) {
    GameWindow window(GameWindow::Mode::Offscreen);
    window.target().clear(sf::Color::Black);
    drawRect(window, {100.f, 100.f}, {200.f, 200.f}, sf::Color::Green);
    window.display();
    sf::Texture copy;
    window.capture(copy);
    window.target().clear(sf::Color::Red);
    window.drawCapture(copy);
    window.display();
    const sf::Image shot = window.screenshot();
    EXPECT_EQ(shot.getPixel(150, 150), sf::Color::Green);
    EXPECT_EQ(shot.getPixel(50, 50), sf::Color::Black);

    // Alpha 0 and 256 draw nothing; 255 is black.
    window.resetDrawCalls();
    drawFade(window, 0);
    drawFade(window, 256);
    EXPECT_EQ(window.drawCalls(), 0u);
    drawFade(window, 255);
    window.display();
    EXPECT_EQ(window.drawCalls(), 1u);
    EXPECT_EQ(window.screenshot().getPixel(150, 150), sf::Color::Black);
}
