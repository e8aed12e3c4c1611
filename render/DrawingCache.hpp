#pragma once

#include "render/Atlas.hpp"

#include <SFML/Graphics.hpp>
#include <memory>
#include <vector>

// A picture that stays the same from frame to frame (as long as its key does), drawn once into
// a window-sized texture and copied to the window pixel for pixel.
class LayerCache {
  public:
    bool holds(const std::vector<int>& key) const { return texture_ && key == key_; }
    // A cleared window-sized picture to draw the layers for `key` into.
    sf::RenderTarget& start(const std::vector<int>& key, sf::Color background);
    void finish();
    void drop() { texture_.reset(); }
    // Part of the picture as a sprite standing at the same place in window pixels.
    sf::Sprite part(const sf::IntRect& region) const;

  private:
    std::unique_ptr<sf::RenderTexture> texture_;
    std::vector<int> key_;
};

// What drawing keeps between frames. It is not game state: dropping it changes nothing on the
// screen, the next frame simply makes it again.
struct DrawingCache {
    // Off: every layer is drawn afresh each frame (the pictures are the same).
    bool layerCaches = true;
    Atlas atlas;
    LayerCache worldBase; // ground, seam, map border, grid, roads and marker lines
    LayerCache panels;    // the HUD panels' screens, outlines and grids
};
