#pragma once

#include "platform/ScreenLayout.hpp"

#include <SFML/Graphics.hpp>
#include <string>

class GameWindow;

// Loads a picture to be sampled smoothly, as the old library did with every picture: scaled and
// turned pictures (the world in its view, the crosshair, icons, explosions) blend their texels
// rather than repeat or drop them. A failed load leaves the texture empty.
bool loadPicture(sf::Texture& texture, const std::string& path);
// A picture for the processor's eyes only; a failed load leaves the image empty.
bool loadImage(sf::Image& image, const std::string& path);

// Drawing primitives with the old library's geometry, collected into one triangle array so that
// a frame full of lines, rectangles and tiles costs a handful of draw calls.
//
// Conventions kept from the design:
//  - a line of thickness t is a quad around the segment, t/2 on either side;
//  - a rectangle is given by two corners; its outline is centred on the edge (half inside, half
//    outside), unlike sf::RectangleShape whose outline grows outward.
class Batch {
  public:
    Batch() : vertices_(sf::Triangles) {}

    void line(sf::Vector2f a, sf::Vector2f b, float thickness, sf::Color colour);
    void rect(sf::Vector2f p1, sf::Vector2f p2, sf::Color fill);
    void rectOutline(sf::Vector2f p1, sf::Vector2f p2, float thickness, sf::Color colour);
    // Fill, then the outline on top of it; either may be fully transparent and is then skipped.
    void rect(sf::Vector2f p1, sf::Vector2f p2, sf::Color fill, float outline,
              sf::Color outlineColour);
    // Four corners in order with a colour each; the colours blend across the quad through its
    // centre.
    void quad(const sf::Vector2f (&corners)[4], const sf::Color (&colours)[4]);
    // A textured rectangle: texRect in texture pixels, drawn over (pos, size).
    void image(sf::Vector2f pos, sf::Vector2f size, sf::FloatRect texRect,
               sf::Color tint = sf::Color::White);
    // A circle (fill and centred outline) approximated by a polygon.
    void circle(sf::Vector2f centre, float radius, sf::Color fill, float outline = 0.f,
                sf::Color outlineColour = sf::Color::Transparent);

    bool empty() const { return vertices_.getVertexCount() == 0; }
    std::size_t vertexCount() const { return vertices_.getVertexCount(); }
    void clear() { vertices_.clear(); }

    // One draw call for everything collected (textured when a texture is given), then empty.
    void flush(GameWindow& window, const sf::Texture* texture = nullptr);
    const sf::VertexArray& vertices() const { return vertices_; }

  private:
    void triangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color colour);
    sf::VertexArray vertices_;
};

// Single-shape conveniences for screens that draw only a few shapes.
void drawLine(GameWindow& window, sf::Vector2f a, sf::Vector2f b, float thickness,
              sf::Color colour);
void drawRect(GameWindow& window, sf::Vector2f p1, sf::Vector2f p2, sf::Color fill,
              float outline = 0.f, sf::Color outlineColour = sf::Color::Black);
// A full-window black overlay; draws nothing at alpha 0.
void drawFade(GameWindow& window, int alpha);

// Calls visit(position, size) for each tile of a texture at its natural size over
// [x0, x1) x [y0, y1) starting at (x0 + dx, y0 + dy); tiles wholly outside the screen
// are skipped.
template <class Visit>
void forEachVisibleTile(sf::Vector2u textureSize, float x0, float y0, float x1, float y1, float dx,
                        float dy, Visit&& visit) {
    if (textureSize.x == 0 || textureSize.y == 0)
        return;
    const float w = static_cast<float>(textureSize.x), h = static_cast<float>(textureSize.y);
    for (float x = x0; x < x1; x += w) {
        const float px = x + dx;
        if (px + w <= 0.f || px >= layout::width)
            continue;
        for (float y = y0; y < y1; y += h) {
            const float py = y + dy;
            if (py + h <= 0.f || py >= layout::height)
                continue;
            visit(sf::Vector2f(px, py), sf::Vector2f(w, h));
        }
    }
}

// Such tiles into a batch.
void tile(Batch& batch, const sf::Texture& texture, float x0, float y0, float x1, float y1,
          float dx = 0.f, float dy = 0.f);
