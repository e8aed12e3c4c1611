#pragma once

#include "platform/Draw.hpp"

#include <SFML/Graphics.hpp>

class Atlas;
class GameWindow;

// Draws in the order it is told, joining consecutive pieces that use the same texture into one
// draw call. Pictures found in the atlas and untextured shapes share the atlas texture, so a run
// of sprites, lines and rings costs one call however it interleaves.
class Painter {
  public:
    // Draws into the window (counted there) or into a picture of its own.
    Painter(GameWindow& window, const Atlas* atlas);
    Painter(sf::RenderTarget& target, const Atlas* atlas);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // Untextured lines, rectangles and circles (the old library's geometry) go here.
    Batch& shapes();
    // A filled circle as a polygon of `segments` corners (an even number).
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
    void draw(const sf::Drawable& drawable);
    void clear(sf::Color colour);
    void flush();

    // Sprites and pictures wholly outside `visible` (in the coordinates of the present view) are
    // skipped: the caller knows that nothing of them could be seen.
    void setVisibleArea(const sf::FloatRect& visible) { visible_ = visible; }
    bool hidden(const sf::FloatRect& bounds) const;

  private:
    // Makes `texture` the one being collected; where the picture sits in it.
    sf::Vector2f use(const sf::Texture* picture);
    void absorbShapes();
    void quad(const sf::Vector2f (&corners)[4], const sf::Vector2f (&texCoords)[4],
              sf::Color colour);
    void triangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color colour);

    GameWindow* window_;
    sf::RenderTarget& target_;
    const Atlas* atlas_;
    const sf::Texture* plain_; // what untextured shapes are drawn with
    const sf::Texture* current_;
    sf::VertexArray vertices_;
    Batch shapes_;
    sf::FloatRect visible_;
};
