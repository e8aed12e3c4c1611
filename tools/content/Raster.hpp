#pragma once

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// Software painting for the generated pictures: float colours, anti-aliased shapes given as
// signed distance functions, compositing and blur. Everything is deterministic.

constexpr float pi = 3.14159265358979f;

struct Vec2 {
    float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float s) {
    return {a.x * s, a.y * s};
}
inline float dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline float length(Vec2 a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}
inline Vec2 rotate(Vec2 a, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

inline float clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}
inline float lerp(float a, float b, float t) {
    return a + (b - a) * t;
}
inline float smoothstep(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// Straight (not premultiplied) colour, channels 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};
inline Rgba rgb(int r, int g, int b, float a = 1.f) {
    return {r / 255.f, g / 255.f, b / 255.f, a};
}
inline Rgba mix(Rgba a, Rgba b, float t) {
    return {lerp(a.r, b.r, t), lerp(a.g, b.g, t), lerp(a.b, b.b, t), lerp(a.a, b.a, t)};
}
// Brightness change keeping alpha: f < 1 darkens, f > 1 lightens.
inline Rgba shade(Rgba c, float f) {
    return {c.r * f, c.g * f, c.b * f, c.a};
}
inline Rgba withAlpha(Rgba c, float a) {
    return {c.r, c.g, c.b, a};
}

// Signed distances in pixels: negative inside.
namespace sdf {
inline float circle(Vec2 p, Vec2 c, float r) {
    return length(p - c) - r;
}
inline float ellipse(Vec2 p, Vec2 c, float rx, float ry) {
    const Vec2 q{(p.x - c.x) / rx, (p.y - c.y) / ry};
    return (length(q) - 1.f) * std::min(rx, ry);
}
// A box centred at c with half sizes h, rounded corners of radius r, turned by angle radians.
inline float box(Vec2 p, Vec2 c, Vec2 h, float r = 0, float angle = 0) {
    Vec2 q = p - c;
    if (angle != 0)
        q = rotate(q, -angle);
    const float dx = std::abs(q.x) - h.x + r, dy = std::abs(q.y) - h.y + r;
    const float ox = std::max(dx, 0.f), oy = std::max(dy, 0.f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(dx, dy), 0.f) - r;
}
// A box by its corners.
inline float rect(Vec2 p, float x0, float y0, float x1, float y1, float r = 0) {
    return box(p, {(x0 + x1) / 2, (y0 + y1) / 2}, {(x1 - x0) / 2, (y1 - y0) / 2}, r);
}
inline float segment(Vec2 p, Vec2 a, Vec2 b, float r) {
    const Vec2 pa = p - a, ba = b - a;
    const float h = clamp01(dot(pa, ba) / std::max(dot(ba, ba), 1e-6f));
    return length(pa - ba * h) - r;
}
inline float ring(Vec2 p, Vec2 c, float r, float thickness) {
    return std::abs(length(p - c) - r) - thickness / 2;
}
float polygon(Vec2 p, const std::vector<Vec2>& points);
inline float unite(float a, float b) {
    return std::min(a, b);
}
inline float cut(float a, float b) {
    return std::max(a, -b);
}
inline float intersect(float a, float b) {
    return std::max(a, b);
}
} // namespace sdf

// Light comes from the upper left and slightly in front.
struct Light {
    static constexpr float x = -0.45f, y = -0.6f, z = 0.66f;
};

// Lambert plus a little gloss on a sphere (or dome) of radius r centred at c; 0.3..1.3 roughly.
float domeLight(Vec2 p, Vec2 c, float r, float gloss = 0.3f);
// Lighting of a bevelled edge: +1 on edges facing the light, -1 facing away, 0 inside past the
// bevel. Needs the shape's distance function.
template <class Sdf> float bevel(const Sdf& f, Vec2 p, float width) {
    const float d = f(p);
    if (d < -width)
        return 0;
    const float e = 0.5f;
    const float gx = f({p.x + e, p.y}) - f({p.x - e, p.y});
    const float gy = f({p.x, p.y + e}) - f({p.x, p.y - e});
    const float len = std::sqrt(gx * gx + gy * gy);
    if (len < 1e-6f)
        return 0;
    const float facing = -(gx * Light::x + gy * Light::y) / len;
    return facing * (1.f - clamp01(-d / width));
}

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }

    Rgba get(int x, int y) const;        // straight colour
    Rgba sample(float x, float y) const; // bilinear, clamped at the edges, straight colour
    void set(int x, int y, Rgba c);
    // Source-over with the colour's alpha times the coverage.
    void blend(int x, int y, Rgba c, float coverage = 1.f) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return;
        const float a = clamp01(c.a * coverage);
        if (a <= 0)
            return;
        float* d = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
        const float k = 1 - a;
        d[0] = c.r * a + d[0] * k;
        d[1] = c.g * a + d[1] * k;
        d[2] = c.b * a + d[2] * k;
        d[3] = a + d[3] * k;
    }
    // Adds light (for glows, beams, sparks).
    void add(int x, int y, Rgba c, float amount = 1.f);

    // Fills the shape given by a distance function with colours from paint(p, distance),
    // anti-aliased over one pixel, visiting only the pixels of the given bounds.
    template <class Sdf, class Paint>
    void fill(float x0, float y0, float x1, float y1, const Sdf& shape, const Paint& paint,
              float soft = 1.f) {
        const int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
        const int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
        const int ix1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1)) + 1);
        const int iy1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1)) + 1);
        for (int y = iy0; y <= iy1; ++y)
            for (int x = ix0; x <= ix1; ++x) {
                const Vec2 p{x + 0.5f, y + 0.5f};
                const float d = shape(p);
                const float cover = clamp01(0.5f - d / soft);
                if (cover > 0)
                    blend(x, y, paint(p, d), cover);
            }
    }
    template <class Sdf>
    void fill(float x0, float y0, float x1, float y1, const Sdf& shape, Rgba c, float soft = 1.f) {
        fill(
            x0, y0, x1, y1, shape, [c](Vec2, float) { return c; }, soft);
    }
    // Paints every pixel: paint(p) gives the colour laid over what is there.
    template <class Paint> void paintAll(const Paint& paint) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                blend(x, y, paint(Vec2{x + 0.5f, y + 0.5f}));
    }
    // Changes every pixel through f(straight colour, p).
    template <class F> void mapPixels(const F& f) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                set(x, y, f(get(x, y), Vec2{x + 0.5f, y + 0.5f}));
    }

    // Thick anti-aliased line.
    void line(Vec2 a, Vec2 b, float thickness, Rgba c);

    // Lays another canvas over this one at an offset, with an opacity.
    void draw(const Canvas& src, int dx, int dy, float opacity = 1.f);
    // Lays another canvas scaled into the rectangle (x, y, w, h), box-filtered when shrinking.
    void drawScaled(const Canvas& src, float x, float y, float w, float h);

    // Approximate gaussian blur (three box passes) of all four channels.
    void blur(float radius);
    // The canvas's alpha as a single colour, to be blurred into a shadow.
    Canvas silhouette(Rgba c) const;

    // Writes 8-bit pixels with a faint fixed dither against banding; an opaque picture is
    // composited over black first.
    sf::Image toImage(bool opaque, std::uint32_t ditherSeed = 1) const;

  private:
    int width_ = 0, height_ = 0;
    std::vector<float> pixels_; // premultiplied RGBA
};
