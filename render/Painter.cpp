#include "render/Painter.hpp"

#include "platform/GameWindow.hpp"
#include "render/Atlas.hpp"

#include <algorithm>
#include <cmath>

Painter::Painter(GameWindow& window, const Atlas* atlas) : Painter(window.target(), atlas) {
    window_ = &window;
}

Painter::Painter(sf::RenderTarget& target, const Atlas* atlas)
    : window_(nullptr), target_(target), atlas_(atlas),
      atlasTexture_(atlas ? &atlas->texture() : nullptr), current_(atlasTexture_),
      vertices_(sf::Triangles) {}

Painter::~Painter() {
    flush();
}

Batch& Painter::shapes() {
    useShapes(true);
    return shapes_;
}

void Painter::absorbShapes() {
    const sf::VertexArray& shapes = shapes_.vertices();
    for (std::size_t i = 0; i < shapes.getVertexCount(); ++i)
        vertices_.append(shapes[i]);
    shapes_.clear();
}

void Painter::switchTo(const sf::Texture* texture) {
    absorbShapes();
    if (texture != current_) {
        flush();
        current_ = texture;
    }
}

const Atlas::Place* Painter::use(const sf::Texture* picture) {
    const Atlas::Place* place = atlas_ ? atlas_->find(picture) : nullptr;
    switchTo(place ? atlasTexture_ : picture);
    return place;
}

void Painter::useShapes(bool shareAtlas) {
    absorbShapes();
    if (current_ != nullptr && !(shareAtlas && current_ == atlasTexture_))
        switchTo(nullptr);
}

void Painter::quad(const sf::Vector2f (&p)[4], const sf::Vector2f (&t)[4], sf::Color colour) {
    // Corners top-left, top-right, bottom-right, bottom-left, split along the same diagonal as a
    // sprite's own triangle strip, so that both sample the picture alike.
    for (int i : {0, 3, 1, 1, 3, 2})
        vertices_.append(sf::Vertex(p[i], colour, t[i]));
}

bool Painter::hidden(const sf::FloatRect& bounds) const {
    if (visible_.width <= 0.f)
        return false;
    return bounds.left + bounds.width <= visible_.left ||
           bounds.left >= visible_.left + visible_.width ||
           bounds.top + bounds.height <= visible_.top ||
           bounds.top >= visible_.top + visible_.height;
}

void Painter::triangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color colour) {
    vertices_.append(sf::Vertex(a, colour));
    vertices_.append(sf::Vertex(b, colour));
    vertices_.append(sf::Vertex(c, colour));
}

namespace {
constexpr float pi = 3.14159265358979f;

sf::Vector2f around(sf::Vector2f centre, float radius, int i, int segments) {
    const float angle = 2.f * pi * static_cast<float>(i) / static_cast<float>(segments);
    return centre + sf::Vector2f(std::cos(angle), std::sin(angle)) * radius;
}
} // namespace

void Painter::disc(sf::Vector2f centre, float radius, sf::Color colour, int segments) {
    if (colour.a == 0 || radius <= 0.f ||
        hidden({centre.x - radius, centre.y - radius, 2.f * radius, 2.f * radius}))
        return;
    useShapes(false);
    for (int i = 0; i < segments; ++i) {
        triangle(centre, around(centre, radius, i, segments),
                 around(centre, radius, i + 1, segments), colour);
    }
}

void Painter::ring(sf::Vector2f centre, float radius, float thickness, sf::Color colour,
                   int segments) {
    const float outer = radius + thickness / 2.f, inner = radius - thickness / 2.f;
    if (colour.a == 0 || thickness <= 0.f ||
        hidden({centre.x - outer, centre.y - outer, 2.f * outer, 2.f * outer}))
        return;
    useShapes(false);
    for (int i = 0; i < segments; ++i) {
        const sf::Vector2f a = around(centre, inner, i, segments);
        const sf::Vector2f b = around(centre, outer, i, segments);
        const sf::Vector2f c = around(centre, outer, i + 1, segments);
        const sf::Vector2f d = around(centre, inner, i + 1, segments);
        triangle(a, b, c, colour);
        triangle(a, c, d, colour);
    }
}

namespace {
// One axis of a sprite: local coordinates 0..|extent| show texels from `start` on, backwards
// when the extent is negative (a mirrored picture). Narrows both to the texels within
// [lo, hi); false when none is left.
bool narrow(float start, float extent, float lo, float hi, float (&local)[2], float (&texel)[2]) {
    const float from = std::max(std::min(start, start + extent), lo);
    const float to = std::min(std::max(start, start + extent), hi);
    if (from >= to)
        return false;
    if (extent >= 0.f) {
        local[0] = from - start;
        local[1] = to - start;
        texel[0] = from;
        texel[1] = to;
    } else {
        local[0] = start - to;
        local[1] = start - from;
        texel[0] = to;
        texel[1] = from;
    }
    return true;
}
} // namespace

void Painter::sprite(const sf::Sprite& sprite) {
    const sf::Texture* picture = sprite.getTexture();
    if (!picture || picture->getSize().x == 0 || sprite.getColor().a == 0 ||
        hidden(sprite.getGlobalBounds()))
        return;
    const Atlas::Place* place = use(picture);
    const sf::FloatRect rect(sprite.getTextureRect());
    // Pictures in the atlas are drawn without their transparent margins.
    const sf::FloatRect kept = place ? place->inked : sf::FloatRect(-1e9f, -1e9f, 2e9f, 2e9f);
    const sf::Vector2f offset = place ? place->offset : sf::Vector2f();
    float lx[2], ly[2], tx[2], ty[2];
    if (!narrow(rect.left, rect.width, kept.left, kept.left + kept.width, lx, tx) ||
        !narrow(rect.top, rect.height, kept.top, kept.top + kept.height, ly, ty))
        return;
    const sf::Transform& transform = sprite.getTransform();
    const sf::Vector2f p[4] = {
        transform.transformPoint(lx[0], ly[0]), transform.transformPoint(lx[1], ly[0]),
        transform.transformPoint(lx[1], ly[1]), transform.transformPoint(lx[0], ly[1])};
    const sf::Vector2f t[4] = {
        offset + sf::Vector2f(tx[0], ty[0]), offset + sf::Vector2f(tx[1], ty[0]),
        offset + sf::Vector2f(tx[1], ty[1]), offset + sf::Vector2f(tx[0], ty[1])};
    quad(p, t, sprite.getColor());
}

void Painter::image(const sf::Texture& picture, sf::Vector2f pos, sf::Vector2f size,
                    sf::Color tint) {
    const sf::Vector2u natural = picture.getSize();
    if (natural.x == 0 || natural.y == 0)
        return;
    sf::Sprite stretched(picture);
    stretched.setPosition(pos);
    stretched.setScale(size.x / static_cast<float>(natural.x),
                       size.y / static_cast<float>(natural.y));
    stretched.setColor(tint);
    sprite(stretched);
}

void Painter::tile(const sf::Texture& picture, float x0, float y0, float x1, float y1, float dx,
                   float dy) {
    forEachVisibleTile(picture.getSize(), x0, y0, x1, y1, dx, dy,
                       [&](sf::Vector2f pos, sf::Vector2f size) { image(picture, pos, size); });
}

void Painter::draw(const sf::Drawable& drawable, const sf::RenderStates& states) {
    flush();
    if (window_)
        window_->draw(drawable, states);
    else
        target_.draw(drawable, states);
}

void Painter::clear(sf::Color colour) {
    flush();
    target_.clear(colour);
}

void Painter::flush() {
    absorbShapes();
    if (vertices_.getVertexCount() > 0) {
        sf::RenderStates states;
        states.texture = current_;
        if (window_)
            window_->draw(vertices_, states);
        else
            target_.draw(vertices_, states);
        vertices_.clear();
    }
}
