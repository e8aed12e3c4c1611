#include "tools/content/Pictures.hpp"

#include "tools/content/BitmapFont.hpp"
#include "tools/content/Noise.hpp"

std::vector<Picture> paintAllPictures() {
    std::vector<Picture> out;
    paintScenes(out);
    paintTextures(out);
    paintSymbols(out);
    paintFigures(out);
    paintEffects(out);
    return out;
}

void paint::withShadow(Canvas& canvas, const Canvas& figure, int dx, int dy, float blur,
                       float opacity) {
    Canvas shadow = figure.silhouette(rgb(0, 0, 0, opacity));
    shadow.blur(blur);
    canvas.draw(shadow, dx, dy);
    canvas.draw(figure, 0, 0);
}

void paint::weather(Canvas& c, std::uint32_t seed, float amount) {
    Rng rng(seed);
    // Fine speckle and blotches.
    c.mapPixels([&](Rgba px, Vec2 p) {
        if (px.a <= 0)
            return px;
        const float blotch = fbm(p.x / 18.f, p.y / 18.f, seed, 4) - 0.5f;
        const float grain =
            latticeValue(static_cast<int>(p.x), static_cast<int>(p.y), seed + 7) - 0.5f;
        const float f = 1.f + amount * (0.5f * blotch + 0.25f * grain);
        return shade(px, f);
    });
    // Thin scratches, bright where they bite into the metal.
    const int scratches = static_cast<int>(amount * c.width() * c.height() / 900.f);
    for (int i = 0; i < scratches; ++i) {
        const Vec2 a{rng.range(0, static_cast<float>(c.width())),
                     rng.range(0, static_cast<float>(c.height()))};
        const float ang = rng.range(0, 2 * pi), len = rng.range(3, 14);
        const Vec2 b = a + Vec2{std::cos(ang) * len, std::sin(ang) * len};
        c.line(a, b, 0.7f, rgb(235, 235, 225, 0.18f + 0.2f * rng.uniform()));
        c.line(a + Vec2{0.6f, 0.6f}, b + Vec2{0.6f, 0.6f}, 0.6f, rgb(0, 0, 0, 0.15f));
    }
}

void paint::rivet(Canvas& c, Vec2 at, float r, Rgba metal) {
    c.fill(
        at.x - r - 2, at.y - r - 2, at.x + r + 3, at.y + r + 3,
        [&](Vec2 p) {
            return sdf::circle(p, at + Vec2{0.8f, 1.0f}, r + 0.6f);
        },
        rgb(0, 0, 0, 0.45f), 1.6f);
    c.fill(
        at.x - r, at.y - r, at.x + r, at.y + r, [&](Vec2 p) { return sdf::circle(p, at, r); },
        [&](Vec2 p, float) { return shade(metal, domeLight(p, at, r, 0.6f)); });
}

void paint::bitmapText(Canvas& c, const std::string& text, float x, float y, float s, Rgba colour) {
    float cx = x;
    for (char ch : text) {
        const auto rows = bitmapfont::glyph(ch);
        for (int gy = 0; gy < bitmapfont::glyphHeight; ++gy)
            for (int gx = 0; gx < bitmapfont::glyphWidth; ++gx)
                if (rows[gy] & (1u << (bitmapfont::glyphWidth - 1 - gx))) {
                    const float px = cx + gx * s, py = y + gy * s;
                    c.fill(
                        px, py, px + s, py + s,
                        [&](Vec2 p) { return sdf::rect(p, px, py, px + s, py + s); }, colour);
                }
        cx += bitmapfont::advance * s;
    }
}

float paint::bitmapTextWidth(const std::string& text, float s) {
    if (text.empty())
        return 0;
    return (static_cast<float>(text.size()) * bitmapfont::advance - 1) * s;
}
