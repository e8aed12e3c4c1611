#include "tools/content/Raster.hpp"

#include "tools/content/Noise.hpp"

float sdf::polygon(Vec2 p, const std::vector<Vec2>& points) {
    const std::size_t n = points.size();
    float best = 1e30f;
    bool inside = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Vec2 a = points[i], b = points[j];
        const Vec2 e = b - a, w = p - a;
        const float h = clamp01(dot(w, e) / std::max(dot(e, e), 1e-6f));
        const Vec2 q = w - e * h;
        best = std::min(best, dot(q, q));
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    const float d = std::sqrt(best);
    return inside ? -d : d;
}

float domeLight(Vec2 p, Vec2 c, float r, float gloss) {
    const float nx = (p.x - c.x) / r, ny = (p.y - c.y) / r;
    const float nz = std::sqrt(std::max(0.f, 1.f - nx * nx - ny * ny));
    const float lambert = std::max(0.f, nx * Light::x + ny * Light::y + nz * Light::z);
    // Reflection towards a viewer straight above.
    const float rz = 2 * lambert * nz - Light::z;
    const float shine = std::pow(clamp01(rz), 12.f);
    return 0.35f + 0.8f * lambert + gloss * shine;
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height * 4) {
    for (std::size_t i = 0; i < pixels_.size(); i += 4) {
        pixels_[i] = fill.r * fill.a;
        pixels_[i + 1] = fill.g * fill.a;
        pixels_[i + 2] = fill.b * fill.a;
        pixels_[i + 3] = fill.a;
    }
}

Rgba Canvas::get(int x, int y) const {
    x = std::clamp(x, 0, width_ - 1);
    y = std::clamp(y, 0, height_ - 1);
    const float* s = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
    if (s[3] <= 1e-6f)
        return {0, 0, 0, 0};
    return {s[0] / s[3], s[1] / s[3], s[2] / s[3], s[3]};
}

Rgba Canvas::sample(float x, float y) const {
    x -= 0.5f;
    y -= 0.5f;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float tx = x - x0, ty = y - y0;
    float acc[4] = {0, 0, 0, 0};
    const int xs[2] = {std::clamp(x0, 0, width_ - 1), std::clamp(x0 + 1, 0, width_ - 1)};
    const int ys[2] = {std::clamp(y0, 0, height_ - 1), std::clamp(y0 + 1, 0, height_ - 1)};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            const float w = (i ? tx : 1 - tx) * (j ? ty : 1 - ty);
            const float* s = &pixels_[(static_cast<std::size_t>(ys[j]) * width_ + xs[i]) * 4];
            for (int k = 0; k < 4; ++k)
                acc[k] += s[k] * w;
        }
    if (acc[3] <= 1e-6f)
        return {0, 0, 0, 0};
    return {acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], acc[3]};
}

void Canvas::set(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    float* d = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
    const float a = clamp01(c.a);
    d[0] = c.r * a;
    d[1] = c.g * a;
    d[2] = c.b * a;
    d[3] = a;
}

void Canvas::add(int x, int y, Rgba c, float amount) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    float* d = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
    const float a = c.a * amount;
    d[0] += c.r * a;
    d[1] += c.g * a;
    d[2] += c.b * a;
    d[3] = std::min(1.f, d[3] + a);
    // Keep premultiplied colour within the alpha so that it stays a valid colour.
    for (int k = 0; k < 3; ++k)
        d[k] = std::min(d[k], d[3]);
}

void Canvas::line(Vec2 a, Vec2 b, float thickness, Rgba c) {
    const float r = thickness / 2;
    fill(
        std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
        std::max(a.y, b.y) + r, [&](Vec2 p) { return sdf::segment(p, a, b, r); }, c);
}

void Canvas::draw(const Canvas& src, int dx, int dy, float opacity) {
    for (int y = 0; y < src.height_; ++y)
        for (int x = 0; x < src.width_; ++x) {
            const int tx = x + dx, ty = y + dy;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_)
                continue;
            const float* s = &src.pixels_[(static_cast<std::size_t>(y) * src.width_ + x) * 4];
            float* d = &pixels_[(static_cast<std::size_t>(ty) * width_ + tx) * 4];
            const float k = 1 - s[3] * opacity;
            for (int i = 0; i < 4; ++i)
                d[i] = s[i] * opacity + d[i] * k;
        }
}

void Canvas::drawScaled(const Canvas& src, float x, float y, float w, float h) {
    const float sx = src.width_ / w, sy = src.height_ / h;
    const int ix0 = std::max(0, static_cast<int>(std::floor(x)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y)));
    const int ix1 = std::min(width_, static_cast<int>(std::ceil(x + w)));
    const int iy1 = std::min(height_, static_cast<int>(std::ceil(y + h)));
    for (int ty = iy0; ty < iy1; ++ty)
        for (int tx = ix0; tx < ix1; ++tx) {
            // Average the source pixels under this target pixel (at least one).
            const float u0 = (tx - x) * sx, u1 = (tx + 1 - x) * sx;
            const float v0 = (ty - y) * sy, v1 = (ty + 1 - y) * sy;
            const int a0 = std::clamp(static_cast<int>(std::floor(u0)), 0, src.width_ - 1);
            const int a1 = std::clamp(static_cast<int>(std::ceil(u1)) - 1, a0, src.width_ - 1);
            const int b0 = std::clamp(static_cast<int>(std::floor(v0)), 0, src.height_ - 1);
            const int b1 = std::clamp(static_cast<int>(std::ceil(v1)) - 1, b0, src.height_ - 1);
            float acc[4] = {0, 0, 0, 0};
            int n = 0;
            for (int v = b0; v <= b1; ++v)
                for (int u = a0; u <= a1; ++u, ++n) {
                    const float* s =
                        &src.pixels_[(static_cast<std::size_t>(v) * src.width_ + u) * 4];
                    for (int i = 0; i < 4; ++i)
                        acc[i] += s[i];
                }
            float* d = &pixels_[(static_cast<std::size_t>(ty) * width_ + tx) * 4];
            const float k = 1 - acc[3] / n;
            for (int i = 0; i < 4; ++i)
                d[i] = acc[i] / n + d[i] * k;
        }
}

namespace {
// One box pass along rows (or columns) with a running sum; edges clamp.
void boxPass(std::vector<float>& px, int w, int h, int r, bool horizontal) {
    const int len = horizontal ? w : h, lines = horizontal ? h : w;
    std::vector<float> line(static_cast<std::size_t>(len) * 4);
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> float* {
            const int x = horizontal ? i : l, y = horizontal ? l : i;
            return &px[(static_cast<std::size_t>(y) * w + x) * 4];
        };
        for (int i = 0; i < len; ++i)
            for (int k = 0; k < 4; ++k)
                line[i * 4 + k] = at(i)[k];
        float sum[4] = {0, 0, 0, 0};
        for (int i = -r; i <= r; ++i)
            for (int k = 0; k < 4; ++k)
                sum[k] += line[std::clamp(i, 0, len - 1) * 4 + k];
        const float inv = 1.f / (2 * r + 1);
        for (int i = 0; i < len; ++i) {
            float* d = at(i);
            for (int k = 0; k < 4; ++k)
                d[k] = sum[k] * inv;
            const int out = std::clamp(i - r, 0, len - 1), in = std::clamp(i + r + 1, 0, len - 1);
            for (int k = 0; k < 4; ++k)
                sum[k] += line[in * 4 + k] - line[out * 4 + k];
        }
    }
}
} // namespace

void Canvas::blur(float radius) {
    const int r = std::max(1, static_cast<int>(std::lround(radius / 1.7f)));
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(pixels_, width_, height_, r, true);
        boxPass(pixels_, width_, height_, r, false);
    }
}

Canvas Canvas::silhouette(Rgba c) const {
    Canvas out(width_, height_);
    for (std::size_t i = 0; i < pixels_.size(); i += 4) {
        const float a = pixels_[i + 3] * c.a;
        out.pixels_[i] = c.r * a;
        out.pixels_[i + 1] = c.g * a;
        out.pixels_[i + 2] = c.b * a;
        out.pixels_[i + 3] = a;
    }
    return out;
}

sf::Image Canvas::toImage(bool opaque, std::uint32_t ditherSeed) const {
    sf::Image image;
    image.create(static_cast<unsigned>(width_), static_cast<unsigned>(height_));
    auto to8 = [](float v, float dither) {
        return static_cast<sf::Uint8>(
            std::clamp(static_cast<int>(std::floor(v * 255.f + dither)), 0, 255));
    };
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float* s = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
            const float dither = latticeValue(x, y, ditherSeed);
            float r, g, b, a;
            if (opaque) {
                r = s[0];
                g = s[1];
                b = s[2];
                a = 1;
            } else {
                a = s[3];
                const float inv = a > 1e-6f ? 1.f / a : 0.f;
                r = s[0] * inv;
                g = s[1] * inv;
                b = s[2] * inv;
            }
            const sf::Uint8 alpha = to8(a, 0.5f);
            if (alpha == 0) {
                image.setPixel(x, y, sf::Color(0, 0, 0, 0));
                continue;
            }
            image.setPixel(x, y, sf::Color(to8(r, dither), to8(g, dither), to8(b, dither), alpha));
        }
    return image;
}
