#include "platform/Draw.hpp"

#include "platform/ContentFile.hpp"
#include "platform/GameWindow.hpp"

#include <cmath>

namespace {
constexpr float pi = 3.14159265358979f;
constexpr const char* imageFailure = "Failed to load image";

sf::Vector2f normalised(sf::Vector2f v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y);
    return length > 0.f ? v / length : sf::Vector2f(0.f, 0.f);
}
} // namespace

bool loadImage(sf::Image& image, const std::string& path) {
    return loadContentFile(path, imageFailure, [&](const std::vector<char>& bytes) {
        return image.loadFromMemory(bytes.data(), bytes.size());
    });
}

bool loadPicture(sf::Texture& texture, const std::string& path) {
    sf::Image image;
    const bool loaded = loadImage(image, path) && texture.loadFromImage(image);
    texture.setSmooth(true);
    return loaded;
}

void Batch::triangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color colour) {
    vertices_.append(sf::Vertex(a, colour));
    vertices_.append(sf::Vertex(b, colour));
    vertices_.append(sf::Vertex(c, colour));
}

void Batch::line(sf::Vector2f a, sf::Vector2f b, float thickness, sf::Color colour) {
    if (colour.a == 0)
        return;
    const sf::Vector2f d = normalised(b - a);
    const sf::Vector2f n = sf::Vector2f(-d.y, d.x) * (thickness / 2.f);
    triangle(a + n, b + n, b - n, colour);
    triangle(a + n, b - n, a - n, colour);
}

void Batch::rect(sf::Vector2f p1, sf::Vector2f p2, sf::Color fill) {
    if (fill.a == 0)
        return;
    triangle(p1, {p2.x, p1.y}, p2, fill);
    triangle(p1, p2, {p1.x, p2.y}, fill);
}

void Batch::rectOutline(sf::Vector2f p1, sf::Vector2f p2, float thickness, sf::Color colour) {
    if (colour.a == 0 || thickness <= 0.f)
        return;
    const float h = thickness / 2.f;
    const float left = std::min(p1.x, p2.x), right = std::max(p1.x, p2.x);
    const float top = std::min(p1.y, p2.y), bottom = std::max(p1.y, p2.y);
    // Four bands that do not overlap, so translucent outlines stay even.
    rect({left - h, top - h}, {right + h, top + h}, colour);
    rect({left - h, bottom - h}, {right + h, bottom + h}, colour);
    rect({left - h, top + h}, {left + h, bottom - h}, colour);
    rect({right - h, top + h}, {right + h, bottom - h}, colour);
}

void Batch::rect(sf::Vector2f p1, sf::Vector2f p2, sf::Color fill, float outline,
                 sf::Color outlineColour) {
    rect(p1, p2, fill);
    rectOutline(p1, p2, outline, outlineColour);
}

void Batch::quad(const sf::Vector2f (&c)[4], const sf::Color (&k)[4]) {
    // A fan around the centre point, whose colour is the corners' average, as the old library
    // filled its shapes: no crease along a diagonal.
    const sf::Vector2f centre = (c[0] + c[1] + c[2] + c[3]) / 4.f;
    const auto mean = [&](sf::Uint8 sf::Color::*channel) {
        return static_cast<sf::Uint8>(
            (k[0].*channel + k[1].*channel + k[2].*channel + k[3].*channel) / 4);
    };
    const sf::Color middle(mean(&sf::Color::r), mean(&sf::Color::g), mean(&sf::Color::b),
                           mean(&sf::Color::a));
    for (int i = 0; i < 4; ++i) {
        const int next = (i + 1) % 4;
        vertices_.append(sf::Vertex(centre, middle));
        vertices_.append(sf::Vertex(c[i], k[i]));
        vertices_.append(sf::Vertex(c[next], k[next]));
    }
}

void Batch::image(sf::Vector2f pos, sf::Vector2f size, sf::FloatRect tex, sf::Color tint) {
    if (tint.a == 0)
        return;
    const sf::Vector2f p[4] = {pos, {pos.x + size.x, pos.y}, pos + size, {pos.x, pos.y + size.y}};
    const sf::Vector2f t[4] = {{tex.left, tex.top},
                               {tex.left + tex.width, tex.top},
                               {tex.left + tex.width, tex.top + tex.height},
                               {tex.left, tex.top + tex.height}};
    for (int i : {0, 1, 2, 0, 2, 3})
        vertices_.append(sf::Vertex(p[i], tint, t[i]));
}

void Batch::circle(sf::Vector2f centre, float radius, sf::Color fill, float outline,
                   sf::Color outlineColour) {
    const int segments = std::max(12, std::min(64, static_cast<int>(radius / 2.f)));
    auto at = [&](int i, float r) {
        const float a = 2.f * pi * static_cast<float>(i) / static_cast<float>(segments);
        return centre + sf::Vector2f(std::cos(a), std::sin(a)) * r;
    };
    if (fill.a != 0) {
        for (int i = 0; i < segments; ++i)
            triangle(centre, at(i, radius), at(i + 1, radius), fill);
    }
    if (outline > 0.f && outlineColour.a != 0) {
        const float inner = radius - outline / 2.f, outer = radius + outline / 2.f;
        for (int i = 0; i < segments; ++i) {
            triangle(at(i, inner), at(i, outer), at(i + 1, outer), outlineColour);
            triangle(at(i, inner), at(i + 1, outer), at(i + 1, inner), outlineColour);
        }
    }
}

void Batch::flush(GameWindow& window, const sf::Texture* texture) {
    if (!empty()) {
        sf::RenderStates states;
        states.texture = texture;
        window.draw(vertices_, states);
    }
    vertices_.clear();
}

void drawLine(GameWindow& window, sf::Vector2f a, sf::Vector2f b, float thickness,
              sf::Color colour) {
    Batch batch;
    batch.line(a, b, thickness, colour);
    batch.flush(window);
}

void drawRect(GameWindow& window, sf::Vector2f p1, sf::Vector2f p2, sf::Color fill, float outline,
              sf::Color outlineColour) {
    Batch batch;
    batch.rect(p1, p2, fill, outline, outlineColour);
    batch.flush(window);
}

void drawFade(GameWindow& window, int alpha) {
    if ((alpha & 0xFF) == 0)
        return;
    drawRect(window, {0.f, 0.f}, {GameWindow::width, GameWindow::height},
             sf::Color(0, 0, 0, static_cast<sf::Uint8>(alpha & 0xFF)));
}

void tile(Batch& batch, const sf::Texture& texture, float x0, float y0, float x1, float y1,
          float dx, float dy) {
    forEachVisibleTile(texture.getSize(), x0, y0, x1, y1, dx, dy,
                       [&](sf::Vector2f pos, sf::Vector2f size) {
                           batch.image(pos, size, {0.f, 0.f, size.x, size.y});
                       });
}
