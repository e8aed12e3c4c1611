#pragma once

#include "platform/Draw.hpp"
#include "render/Atlas.hpp"

#include <SFML/Graphics.hpp>

class GameWindow;

// Draws in the order it is told, joining consecutive pieces that use the same texture into one
// draw call. Small shapes join a run of atlas pictures (drawn with its white texel), so sprites
// with their health bars cost one call however they interleave. Circles and rings, whose thin
// triangles are costly to shade textured, always go in an untextured run.
class Painter {
  public:
    // Draws into the window (counted there) or into a picture of its own.
    Painter(GameWindow& window, const Atlas* atlas);
    Painter(sf::RenderTarget& target, const Atlas* atlas);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // Lines and rectangles (the old library's geometry) go here.
    Batch& shapes();
    // A filled circle as a polygon of `segments` corners.
    void disc(sf::Vector2f centre, float radius, sf::Color colour, int segments);
    // A circle's outline, centred on the radius.
    void ring(sf::Vector2f centre, float radius, float thickness, sf::Color colour, int segments);
    // A sprite as it would draw itself; one without a picture draws nothing.
    void sprite(const sf::Sprite& sprite);
    // A whole picture stretched over (pos, size).
    void image(const sf::Texture& picture, sf::Vector2f pos, sf::Vector2f size,
               sf::Color tint = sf::Color::White);
    // The picture at its natural size over [x0, x1) x [y0, y1) from (x0 + dx, y0 + dy); tiles
    // wholly off the screen are skipped.
    void tile(const sf::Texture& picture, float x0, float y0, float x1, float y1, float dx = 0.f,
              float dy = 0.f);
    // Anything else (texts) goes straight to the window, after what is collected.
    void draw(const sf::Drawable& drawable,
              const sf::RenderStates& states = sf::RenderStates::Default);
    void clear(sf::Color colour);
    void flush();

    // Sprites and pictures wholly outside `visible` (in the coordinates of the present view) are
    // skipped: the caller knows that nothing of them could be seen.
    void setVisibleArea(const sf::FloatRect& visible) { visible_ = visible; }
    bool hidden(const sf::FloatRect& bounds) const;

  private:
    // Makes the texture that holds `picture` the one being collected; the picture's place when
    // that is the atlas.
    const Atlas::Place* use(const sf::Texture* picture);
    // Makes sure shapes can join the run: an untextured one, or the atlas when `shareAtlas`.
    void useShapes(bool shareAtlas);
    void switchTo(const sf::Texture* texture);
    void absorbShapes();
    void quad(const sf::Vector2f (&corners)[4], const sf::Vector2f (&texCoords)[4],
              sf::Color colour);
    void triangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color colour);

    GameWindow* window_;
    sf::RenderTarget& target_;
    const Atlas* atlas_;
    const sf::Texture* atlasTexture_;
    const sf::Texture* current_; // nullptr: an untextured run
    sf::VertexArray vertices_;
    Batch shapes_;
    sf::FloatRect visible_;
};
