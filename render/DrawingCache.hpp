#pragma once

#include "render/Atlas.hpp"

#include <SFML/Graphics.hpp>
#include <memory>
#include <vector>

class AssetStore;
class GameWindow;

// A picture that stays the same from frame to frame (as long as its key does), drawn once into
// a window-sized texture and copied to the window pixel for pixel.
class LayerCache {
  public:
    bool holds(const std::vector<int>& key) const { return texture_ && key == key_; }
    // A cleared window-sized picture to draw the layers for `key` into.
    sf::RenderTarget& start(const std::vector<int>& key, sf::Color background);
    void finish();
    sf::Image copy() const { return texture_->getTexture().copyToImage(); }
    // Copies part of the picture, given in window pixels, to the same place in the window,
    // replacing what is there. Needs the window unscaled (drawsThroughCache).
    void copyTo(GameWindow& window, const sf::IntRect& region) const;

  private:
    sf::Sprite part(const sf::IntRect& region) const;
    bool copyFramebuffer(sf::RenderTarget& target, const sf::IntRect& region) const;

    std::unique_ptr<sf::RenderTexture> texture_;
    std::vector<int> key_;
};

// What drawing keeps between frames. It is not game state: dropping it changes nothing on the
// screen, the next frame simply makes it again.
struct DrawingCache {
    // The asset store whose pictures the atlas holds: another store needs a new cache.
    const AssetStore* madeFor = nullptr;
    // Off: every layer is drawn afresh each frame (the pictures are the same).
    bool layerCaches = true;
    Atlas atlas;
    // The world's ground, seam, map border, grid, roads and marker lines with the HUD panels'
    // screens, outlines and grids over them, and the window's frame border when its pictures are
    // opaque: all that stays until the level changes.
    LayerCache still;
    bool borderInStill = false;
    // The window columns the panels cover completely: up to `leftPanelEnd` and from
    // `rightPanelStart` on. The world shows between them.
    int leftPanelEnd = 0;
    int rightPanelStart = 0;
    sf::Vector2i panelsMeasuredFor;
};

// Whether the window can take the copies and clips below.
bool framebufferCopyAvailable(GameWindow& window);

// While it lives, drawing on the window reaches only the given region (window pixels).
class WindowClip {
  public:
    WindowClip(GameWindow& window, const sf::IntRect& region);
    ~WindowClip();
    WindowClip(const WindowClip&) = delete;
    WindowClip& operator=(const WindowClip&) = delete;

  private:
    GameWindow& window_;
};
