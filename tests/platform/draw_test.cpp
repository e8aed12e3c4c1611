#include "platform/Draw.hpp"
#include "platform/GameWindow.hpp"

#include <gtest/gtest.h>

TEST(Batch, ShapesKeepTheOldGeometryAndInvisibleOnesAddNothing) {
    Batch batch;
    // A line is a quad around the segment; an outline is centred on the edge.
    batch.line({10.f, 100.f}, {110.f, 100.f}, 10.f, sf::Color::Red);
    EXPECT_EQ(batch.vertexCount(), 6u);
    EXPECT_EQ(batch.vertices().getBounds(), sf::FloatRect(10.f, 95.f, 100.f, 10.f));
    batch.clear();
    batch.rectOutline({100.f, 100.f}, {200.f, 150.f}, 10.f, sf::Color::Cyan);
    EXPECT_EQ(batch.vertices().getBounds(), sf::FloatRect(95.f, 95.f, 110.f, 60.f));
    batch.clear();

    batch.line({0.f, 0.f}, {10.f, 10.f}, 5.f, sf::Color(0, 255, 0, 0));
    batch.rect({0.f, 0.f}, {10.f, 10.f}, sf::Color::Transparent, 2.f, sf::Color(1, 2, 3, 0));
    batch.circle({5.f, 5.f}, 4.f, sf::Color::Transparent);
    EXPECT_TRUE(batch.empty());

    // Tiles off the screen are skipped: a leaf of 1440 x 450 pushed 400 px up shows only its
    // lowest row of 12 tiles (y 384 -> -16..112); pushed 520 px up, none.
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

TEST(Batch, DrawsInOneCallAtTheRightPixels) {
    GameWindow window(GameWindow::Mode::Offscreen);
    window.target().clear(sf::Color::Black);
    window.resetDrawCalls();
    Batch batch;
    for (int i = 0; i < 50; ++i)
        batch.line({0.f, 10.f * i + 5.f}, {1440.f, 10.f * i + 5.f}, 2.f, sf::Color::Yellow);
    batch.rect({700.f, 600.f}, {740.f, 640.f}, sf::Color::Blue);
    batch.flush(window);
    window.display();
    EXPECT_EQ(window.drawCalls(), 1u);
    const sf::Image shot = window.screenshot();
    EXPECT_EQ(shot.getPixel(300, 105), sf::Color::Yellow);
    EXPECT_EQ(shot.getPixel(300, 100), sf::Color::Black);
    EXPECT_EQ(shot.getPixel(720, 620), sf::Color::Blue);
}
