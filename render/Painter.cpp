#include "render/Painter.hpp"

#include "platform/GameWindow.hpp"
#include "render/Atlas.hpp"

#include <algorithm>
#include <cmath>

Painter::Painter(GameWindow& window, const Atlas* atlas) : Painter(window.target(), atlas) {
    window_ = &window;
}

Painter::Painter(sf::RenderTarget& target, const Atlas* atlas)
    : window_(nullptr), target_(target), atlas_(atlas), plain_(atlas ? &atlas->texture() : nullptr),
      current_(plain_), vertices_(sf::Triangles) {}

Painter::~Painter() {
    flush();
}

Batch& Painter::shapes() {
    use(nullptr);
    return shapes_;
}

void Painter::absorbShapes() {
    const sf::VertexArray& shapes = shapes_.vertices();
    for (std::size_t i = 0; i < shapes.getVertexCount(); ++i)
        vertices_.append(shapes[i]);
    shapes_.clear();
}

sf::Vector2f Painter::use(const sf::Texture* picture) {
    absorbShapes();
    const sf::Texture* texture = plain_;
    sf::Vector2f offset;
    if (picture) {
        texture = picture;
        if (const sf::Vector2f* place = atlas_ ? atlas_->find(picture) : nullptr) {
            texture = plain_;
            offset = *place;
        }
    }
    if (texture != current_) {
        flush();
        current_ = texture;
    }
    return offset;
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
    use(nullptr);
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
    use(nullptr);
    for (int i = 0; i < segments; ++i) {
        const sf::Vector2f a = around(centre, inner, i, segments);
        const sf::Vector2f b = around(centre, outer, i, segments);
        const sf::Vector2f c = around(centre, outer, i + 1, segments);
        const sf::Vector2f d = around(centre, inner, i + 1, segments);
        triangle(a, b, c, colour);
        triangle(a, c, d, colour);
    }
}

void Painter::sprite(const sf::Sprite& sprite) {
    const sf::Texture* picture = sprite.getTexture();
    if (!picture || picture->getSize().x == 0 || sprite.getColor().a == 0 ||
        hidden(sprite.getGlobalBounds()))
        return;
    const sf::Vector2f offset = use(picture);
    const sf::IntRect rect = sprite.getTextureRect();
    const float w = static_cast<float>(std::abs(rect.width));
    const float h = static_cast<float>(std::abs(rect.height));
    const sf::Transform& transform = sprite.getTransform();
    const sf::Vector2f p[4] = {transform.transformPoint(0.f, 0.f), transform.transformPoint(w, 0.f),
                               transform.transformPoint(w, h), transform.transformPoint(0.f, h)};
    // A negative width or height in the texture rectangle mirrors the picture.
    const float left = offset.x + static_cast<float>(rect.left);
    const float top = offset.y + static_cast<float>(rect.top);
    const float right = left + static_cast<float>(rect.width);
    const float bottom = top + static_cast<float>(rect.height);
    const sf::Vector2f t[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    quad(p, t, sprite.getColor());
}

void Painter::image(const sf::Texture& picture, sf::Vector2f pos, sf::Vector2f size,
                    sf::Color tint) {
    const sf::Vector2u natural = picture.getSize();
    if (natural.x == 0 || natural.y == 0 || tint.a == 0 ||
        hidden(sf::FloatRect(std::min(pos.x, pos.x + size.x), std::min(pos.y, pos.y + size.y),
                             std::abs(size.x), std::abs(size.y))))
        return;
    const sf::Vector2f offset = use(&picture);
    const sf::Vector2f p[4] = {pos, {pos.x + size.x, pos.y}, pos + size, {pos.x, pos.y + size.y}};
    const float w = static_cast<float>(natural.x), h = static_cast<float>(natural.y);
    const sf::Vector2f t[4] = {offset, offset + sf::Vector2f(w, 0.f), offset + sf::Vector2f(w, h),
                               offset + sf::Vector2f(0.f, h)};
    quad(p, t, tint);
}

void Painter::tile(const sf::Texture& picture, float x0, float y0, float x1, float y1, float dx,
                   float dy) {
    const sf::Vector2u natural = picture.getSize();
    if (natural.x == 0 || natural.y == 0)
        return;
    const float w = static_cast<float>(natural.x), h = static_cast<float>(natural.y);
    for (float x = x0; x < x1; x += w) {
        const float px = x + dx;
        if (px + w <= 0.f || px >= GameWindow::width)
            continue;
        for (float y = y0; y < y1; y += h) {
            const float py = y + dy;
            if (py + h <= 0.f || py >= GameWindow::height)
                continue;
            image(picture, {px, py}, {w, h});
        }
    }
}

void Painter::draw(const sf::Drawable& drawable) {
    flush();
    if (window_)
        window_->draw(drawable);
    else
        target_.draw(drawable);
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
