#pragma once

// A game ready to draw offscreen: fonts loaded, the curtain and door open and no fade.

#include "assets/AssetStore.hpp"
#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"
#include "screens/Game.hpp"
#include "tests/support/ScratchFolder.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace rendertest {

inline constexpr float dt = 1.f / 30.f;

inline void solid(sf::Texture& texture, unsigned w, unsigned h, sf::Color colour) {
    sf::Image image;
    image.create(w, h, colour);
    texture.loadFromImage(image);
}

// The world view puts 1540 x 1000 units from (-410, -50) on 1440 x 900 pixels.
inline sf::Vector2u windowPixel(float worldX, float worldY) {
    return {static_cast<unsigned>((worldX + 410.f) * 1440.f / 1540.f),
            static_cast<unsigned>((worldY + 50.f) * 0.9f)};
}
inline sf::Color worldPixel(const sf::Image& shot, float worldX, float worldY) {
    const sf::Vector2u at = windowPixel(worldX, worldY);
    return shot.getPixel(at.x, at.y);
}

inline bool near(sf::Color a, sf::Color b, int tolerance = 2) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

// The first and last columns (from `left` on) of a band holding the colour; {-1, -1} if none.
inline std::pair<int, int> columnsWith(const sf::Image& shot, unsigned top, unsigned bottom,
                                       sf::Color colour, int tolerance = 40, unsigned left = 0) {
    std::pair<int, int> found{-1, -1};
    for (unsigned x = left; x < shot.getSize().x; ++x)
        for (unsigned y = top; y < bottom; ++y)
            if (near(shot.getPixel(x, y), colour, tolerance)) {
                found = {found.first < 0 ? static_cast<int>(x) : found.first, static_cast<int>(x)};
                break;
            }
    return found;
}

struct Scene {
    Scene() : game(window, 7u) {
        window.setFixedFrameTime(dt);
        game.assets = std::make_unique<AssetStore>();
        loadDefaultFont(game.font);
        game.text.setFont(game.font);
        game.text.setCharacterSize(30);
        loadDefaultFont(game.builtinFont);
        game.text2.setFont(game.builtinFont);
        game.mapArea = Box(25, 0, 720, 900);
        game.level = 1;
        game.running = true;
        game.curtainX = layout::curtainOpenX;
        game.curtainY = layout::curtainOpenY;
        game.fade = 0.f;
        game.mouse = Point(-300, -300); // the crosshair out of the way, under the left panel
    }

    // Draws a frame and returns what it shows. Call after changing pictures of the store.
    sf::Image frame() {
        game.drawFrame();
        return window.screenshot();
    }
    AssetStore& pictures() { return *game.assets; }

    GameWindow window{GameWindow::Mode::Offscreen};
    Game game;
};

} // namespace rendertest
