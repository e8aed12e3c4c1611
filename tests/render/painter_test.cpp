#include "platform/GameWindow.hpp"
#include "render/Atlas.hpp"
#include "render/Painter.hpp"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Every pixel differs, so any shift or mirror shows; a margin is transparent as in explosions.
void pattern(sf::Texture& texture, unsigned w, unsigned h, sf::Uint8 blue, unsigned margin = 0) {
    sf::Image image;
    image.create(w, h, sf::Color::Transparent);
    for (unsigned x = margin; x < w - margin; ++x)
        for (unsigned y = margin ? margin + 3 : 0; y < h - margin; ++y)
            image.setPixel(x, y,
                           sf::Color(static_cast<sf::Uint8>(x * 7), static_cast<sf::Uint8>(y * 5),
                                     blue, static_cast<sf::Uint8>(margin ? 100 + x : 255)));
    texture.loadFromImage(image);
    texture.setSmooth(true); // as every picture of the game
}

// Pixels that differ by more than one step of the pattern (a neighbouring texel), and at all.
std::pair<int, int> differences(const sf::Image& a, const sf::Image& b) {
    std::pair<int, int> count;
    for (unsigned x = 0; x < a.getSize().x; ++x)
        for (unsigned y = 0; y < a.getSize().y; ++y) {
            const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
            count.first +=
                std::abs(p.r - q.r) > 7 || std::abs(p.g - q.g) > 5 || std::abs(p.b - q.b) > 1;
            count.second += p != q;
        }
    return count;
}

struct PainterTest : ::testing::Test {
    PainterTest() {
        pattern(tank, 124, 72, 40);
        pattern(block, 36, 36, 200);
        pattern(outsider, 20, 30, 90);
        pattern(effect, 64, 52, 150, 12);
        // Inked in its top row only, so that it is kept from its first row.
        sf::Image line;
        line.create(20, 10, sf::Color::Transparent);
        for (unsigned x = 0; x < 20; ++x)
            line.setPixel(x, 0, sf::Color(static_cast<sf::Uint8>(x * 12), 0, 255));
        topRow.loadFromImage(line);
        topRow.setSmooth(true);
        // Four wide pictures fill the first shelf of the atlas: the rest go on a second one.
        for (sf::Texture& picture : wide)
            pattern(picture, 500, 80, 0);
        atlas.build({&wide[0], &wide[1], &wide[2], &wide[3], &tank, &block, &effect, &topRow});
    }

    sf::Image shot() {
        window.display();
        return window.screenshot();
    }
    // The draw calls a painter makes for what it is given to draw within the visible area.
    unsigned callsInside(const sf::FloatRect& visible, const std::function<void(Painter&)>& draw) {
        window.resetDrawCalls();
        {
            Painter painter(window, &atlas);
            painter.setVisibleArea(visible);
            draw(painter);
        }
        return window.drawCalls();
    }

    GameWindow window{GameWindow::Mode::Offscreen};
    sf::Texture tank, block, outsider, effect, topRow, wide[4];
    Atlas atlas;
};

} // namespace

TEST_F(PainterTest, SpritesThroughTheAtlasLookAsTheyDrawThemselves) {
    std::vector<sf::Sprite> sprites;
    sprites.reserve(8);
    const auto add = [&sprites](sf::Sprite sprite, float x, float y) -> sf::Sprite& {
        sprite.setPosition(x, y);
        return sprites.emplace_back(sprite);
    };
    add(sf::Sprite(tank), 300.f, 200.f).setRotation(37.f);
    sprites.back().setOrigin(21.f, 30.f);
    add(sf::Sprite(tank, {124, 0, -124, 72}), 500.5f, 300.f); // a tank driving left
    add(sf::Sprite(block), 700.f, 100.f).setScale(0.75f, 1.4f);
    sprites.back().setColor(sf::Color(255, 255, 255, 237)); // a block that has been hit
    add(sf::Sprite(tank, {10, 10, 50, 40}), 900.f, 500.f);
    // Drawn without its transparent margin, over the others.
    add(sf::Sprite(effect), 330.f, 230.f).setOrigin(32.f, 26.f);
    sprites.back().setScale(2.f, 2.f);
    add(sf::Sprite(effect, {0, 52, 64, -52}), 520.f, 310.f);
    add(sf::Sprite(topRow), 100.f, 600.f).setScale(3.f, 3.f);
    // Drawn through a non-uniform view, as the world is.
    const sf::View view(sf::FloatRect(-410.f, -50.f, 1540.f, 1000.f));

    window.target().clear();
    window.setView(view);
    for (const sf::Sprite& sprite : sprites)
        window.draw(sprite);
    const sf::Image direct = shot();

    window.target().clear();
    window.setView(view);
    {
        Painter painter(window, &atlas);
        for (const sf::Sprite& sprite : sprites)
            painter.sprite(sprite);
    }
    const sf::Image atlased = shot();
    // Alike, but where a texel edge falls on a pixel centre either texel may be taken.
    const auto [farApart, differing] = differences(direct, atlased);
    EXPECT_EQ(farApart, 0);
    EXPECT_LT(differing, 600);
}

TEST_F(PainterTest, JoinsRunsOfOneTextureLeavesOutWhatDoesNotFitAndSkipsWhatIsNotSeen) {
    window.target().clear();
    window.resetDrawCalls();
    sf::Sprite first(block), second(tank), other(outsider);
    first.setPosition(100.f, 100.f);
    second.setPosition(300.f, 100.f);
    other.setPosition(500.f, 100.f);
    {
        Painter painter(window, &atlas);
        painter.shapes().rect({90.f, 90.f}, {150.f, 150.f}, sf::Color::Red);
        painter.sprite(first); // over the red square
        painter.shapes().rect({320.f, 120.f}, {330.f, 130.f}, sf::Color::Green);
        painter.sprite(second); // over the green square
        painter.flush();
        EXPECT_EQ(window.drawCalls(), 1u);
        painter.sprite(other); // a picture of its own breaks the run
        painter.shapes().line({0.f, 400.f}, {100.f, 400.f}, 4.f, sf::Color::Yellow);
        painter.sprite(other);
        painter.disc({50.f, 300.f}, 10.f, sf::Color::Red, 12); // not tinted by that picture
    }
    EXPECT_EQ(window.drawCalls(), 5u);
    const sf::Image image = shot();
    EXPECT_EQ(image.getPixel(95, 95), sf::Color::Red);
    EXPECT_EQ(image.getPixel(110, 110), block.copyToImage().getPixel(10, 10));
    EXPECT_EQ(image.getPixel(325, 125), tank.copyToImage().getPixel(25, 25));
    EXPECT_EQ(image.getPixel(505, 110), outsider.copyToImage().getPixel(5, 10));
    EXPECT_EQ(image.getPixel(50, 400), sf::Color::Yellow);
    EXPECT_EQ(image.getPixel(50, 300), sf::Color::Red);

    // Empty and large pictures are left out of an atlas.
    sf::Texture empty, large;
    pattern(large, 600, 20, 0);
    Atlas small;
    small.build({&tank, &empty, &large, &tank, nullptr});
    EXPECT_EQ(small.size(), 1u);
    EXPECT_NE(small.find(&tank), nullptr);
    EXPECT_EQ(small.find(&empty), nullptr);
    EXPECT_EQ(small.find(&large), nullptr);
    // Its first texel is the white that untextured shapes are drawn with.
    EXPECT_EQ(small.texture().copyToImage().getPixel(0, 0), sf::Color::White);

    // A picture left out still draws, with its own texture.
    window.target().clear();
    sf::Sprite sprite(large);
    sprite.setPosition(10.f, 10.f);
    Painter(window, &small).sprite(sprite);
    EXPECT_EQ(shot().getPixel(15, 15), large.copyToImage().getPixel(5, 5));

    const sf::FloatRect visible(360.f, 100.f, 770.f, 700.f);
    // A 36-unit block touching the area from outside, or reaching a unit into it.
    for (const auto& [x, y, shown] : {std::tuple{324.f, 300.f, false},
                                      {325.f, 300.f, true},
                                      {1129.f, 300.f, true},
                                      {1130.f, 300.f, false},
                                      {500.f, 64.f, false},
                                      {500.f, 65.f, true},
                                      {500.f, 799.f, true},
                                      {500.f, 800.f, false}}) {
        sf::Sprite sprite(block);
        sprite.setPosition(x, y);
        EXPECT_EQ(callsInside(visible, [&](Painter& p) { p.sprite(sprite); }), shown ? 1u : 0u)
            << x << ", " << y;
    }
    EXPECT_EQ(callsInside(visible,
                          [&](Painter& painter) {
                              painter.disc({1200.f, 300.f}, 4.f, sf::Color::White, 10);
                              painter.ring({100.f, 300.f}, 50.f, 2.f, sf::Color::White, 40);
                              painter.image(block, {1130.f, 10.f}, {36.f, 36.f});
                          }),
              0u);
    // A disc reaching in from above is drawn; a sprite is left out only when wholly transparent.
    EXPECT_EQ(callsInside(visible,
                          [](Painter& p) {
                              p.disc({500.f, 95.f}, 10.f, sf::Color::Red, 8);
                          }),
              1u);
    for (const auto& [alpha, calls] : {std::pair{0, 0u}, {1, 1u}}) {
        sf::Sprite faint(block);
        faint.setPosition(500.f, 300.f);
        faint.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha)));
        EXPECT_EQ(callsInside(visible, [&](Painter& p) { p.sprite(faint); }), calls) << alpha;
    }
}
