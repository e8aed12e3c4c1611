#include "tools/content/Noise.hpp"
#include "tools/content/Pictures.hpp"

// Full pictures: the title scene behind the menu, the steel of the menu panels and page
// backgrounds, and the mission map of the story page.

namespace {

// --- Title scene -----------------------------------------------------------------------------
//
// The menu shows it scaled by 2.88 from y 45.75 down; its six entries stand on the sky at
// x 125..280, y 115..216, so the sky there stays dark and calm and the sunset glow sits right.

constexpr int titleW = 500, titleH = 358;
constexpr float horizon = 238.f;
const Vec2 sun{392, 206};

// A side-view tank silhouette standing on (x, ground), facing left or right.
float tankSide(Vec2 p, float x, float ground, float scale, bool facingRight) {
    Vec2 q{(p.x - x) / scale, (p.y - ground) / scale};
    if (!facingRight)
        q.x = -q.x;
    const std::vector<Vec2> hull = {{-24, 0}, {22, 0}, {27, -7}, {25, -10}, {-22, -10}, {-27, -6}};
    const std::vector<Vec2> turret = {{-12, -10}, {8, -10},  {12, -15},
                                      {6, -19},   {-9, -19}, {-13, -15}};
    float d = sdf::polygon(q, hull);
    d = sdf::unite(d, sdf::polygon(q, turret));
    d = sdf::unite(d, sdf::segment(q, {8, -15.5f}, {34, -17.5f}, 1.2f));
    d = sdf::unite(d, sdf::segment(q, {-4, -19}, {-4, -22}, 1.2f)); // commander
    return d * scale;
}

// A marching soldier silhouette standing on (x, ground).
float soldierSide(Vec2 p, float x, float ground, float h, float phase) {
    const float s = h / 20.f;
    const Vec2 q{(p.x - x) / s, (p.y - ground) / s};
    float d = sdf::circle(q, {0, -17.5f}, 2.2f);                             // head
    d = sdf::unite(d, sdf::ellipse(q, {0, -18.7f}, 3.0f, 1.3f));             // helmet
    d = sdf::unite(d, sdf::segment(q, {0, -15}, {0.3f, -8}, 2.2f));          // body
    d = sdf::unite(d, sdf::box(q, {-2.2f, -12}, {1.5f, 3.f}, 0.8f));         // pack
    d = sdf::unite(d, sdf::segment(q, {0.3f, -8}, {2.5f + phase, 0}, 1.1f)); // legs
    d = sdf::unite(d, sdf::segment(q, {0.3f, -8}, {-2.0f - phase, 0}, 1.1f));
    d = sdf::unite(d, sdf::segment(q, {1.5f, -13}, {2.5f, -24}, 0.5f)); // rifle
    return d * s;
}

Canvas paintTitle() {
    Canvas c(titleW, titleH);
    // Sky: night blue above, a rust-coloured glow around the sun.
    c.paintAll([&](Vec2 p) {
        const float t = clamp01((p.y - 40.f) / (horizon - 40.f));
        Rgba sky = mix(rgb(20, 24, 38), rgb(74, 66, 74), t * t);
        const float glow =
            std::exp(-length(Vec2{(p.x - sun.x) / 230.f, (p.y - sun.y) / 95.f}) * 1.6f);
        sky = mix(sky, rgb(222, 124, 52), glow * smoothstep(40.f, horizon, p.y));
        // Smoke clouds, lit from below near the glow.
        const float n = fbm(p.x / 95.f, p.y / 26.f, 11, 5);
        const float cloud =
            smoothstep(0.48f, 0.72f, n) * (0.35f + 0.65f * smoothstep(40.f, 200.f, p.y));
        const float lift =
            fbm(p.x / 95.f, (p.y + 5.f) / 26.f, 11, 5) - n; // lit where the cloud thins below
        const Rgba under =
            mix(rgb(36, 34, 42), rgb(170, 88, 44), clamp01(glow * 1.3f + lift * 2.f * glow));
        sky = mix(sky, under, cloud * 0.85f);
        return sky;
    });
    // The sun's disc behind the haze.
    c.fill(
        sun.x - 30, sun.y - 30, sun.x + 30, sun.y + 30,
        [&](Vec2 p) { return sdf::circle(p, sun, 16.f); },
        [&](Vec2 p, float d) {
            return rgb(255, 214, 150,
                       0.85f * clamp01(-d / 6.f) * (1 - 0.35f * fbm(p.x / 8, p.y / 4, 12, 3)));
        },
        6.f);
    // Searchlight beams sweeping the clouds.
    struct Beam {
        Vec2 from;
        float angle, width;
    };
    for (const Beam& b : {Beam{{330, 300}, -1.75f, 0.05f}, Beam{{462, 310}, -2.05f, 0.04f}}) {
        c.mapPixels([&](Rgba px, Vec2 p) {
            const Vec2 q = p - b.from;
            const float dist = length(q);
            if (dist < 1 || p.y > horizon + 4)
                return px;
            float da = std::atan2(q.y, q.x) - b.angle;
            da = std::abs(std::remainder(da, 2 * pi));
            const float a = smoothstep(b.width, 0.f, da) * std::exp(-dist / 260.f) * 0.22f;
            return Rgba{px.r + (0.8f - px.r) * a, px.g + (0.86f - px.g) * a,
                        px.b + (0.9f - px.b) * a, px.a};
        });
    }
    // Two ranges of mountains in the haze, then the nearer ridge.
    for (int layer = 0; layer < 2; ++layer) {
        c.paintAll([&](Vec2 p) {
            const float base = horizon - (layer == 0 ? 14.f : 4.f);
            const float height = layer == 0 ? 46.f : 26.f;
            const float n =
                fbm(p.x / (layer == 0 ? 80.f : 50.f), 0.5f + layer * 3.f, 13 + layer * 7, 5);
            const float top = base - height * n * n * 1.6f;
            if (p.y < top)
                return Rgba{};
            const float glow = std::exp(-std::abs(p.x - sun.x) / 150.f);
            const Rgba far = layer == 0 ? rgb(64, 54, 64) : rgb(44, 38, 44);
            Rgba col = mix(far, layer == 0 ? rgb(150, 86, 60) : rgb(96, 60, 46), glow * 0.7f);
            // Haze thickens towards the foot of the slopes.
            col = mix(col, rgb(120, 84, 76), smoothstep(top, base + 10.f, p.y) * 0.35f);
            return withAlpha(col, clamp01(p.y - top));
        });
    }
    auto ridgeY = [](float x) {
        return horizon + 10.f - 14.f * fbm(x / 110.f, 2.5f, 14, 4) + 0.02f * (x - 250.f);
    };
    c.paintAll([&](Vec2 p) {
        const float r = ridgeY(p.x);
        if (p.y < r - 1)
            return Rgba{};
        const float depth = clamp01((p.y - r) / 120.f);
        Rgba ground = mix(rgb(44, 38, 34), rgb(30, 26, 22), depth);
        // Firelight from the burning wreck.
        const float fire = std::exp(-length(Vec2{(p.x - 440.f) / 90.f, (p.y - 318.f) / 40.f}));
        ground = mix(ground, rgb(150, 70, 30), fire * 0.6f);
        ground = shade(ground, 0.8f + 0.4f * fbm(p.x / 14.f, p.y / 6.f, 15, 3));
        // Rim light along the crest.
        const float rim = std::exp(-(p.y - r) / 1.6f) * std::exp(-std::abs(p.x - sun.x) / 220.f);
        ground = mix(ground, rgb(200, 110, 50), rim * 0.8f);
        return withAlpha(ground, clamp01(p.y - r + 1));
    });
    // Tanks and a column of soldiers on the ridge, dark against the glow.
    const Rgba silhouette = rgb(16, 14, 14);
    auto onRidge = [&](auto shape, float x0, float x1, float y0, float y1) {
        c.fill(x0, y0, x1, y1, shape, [&](Vec2 p, float d) {
            // A thin orange rim where the light grazes the top.
            const float rim = clamp01(1.f + d) * (shape(p + Vec2{0, 1.5f}) > 0 ? 1.f : 0.f);
            return mix(silhouette, rgb(190, 100, 46), rim * 0.7f);
        });
    };
    struct TankAt {
        float x, scale;
        bool right;
    };
    for (const TankAt& t :
         {TankAt{300, 1.05f, false}, TankAt{372, 1.25f, false}, TankAt{458, 1.5f, false}}) {
        const float g = ridgeY(t.x) + 1.5f;
        onRidge([&](Vec2 p) { return tankSide(p, t.x, g, t.scale, t.right); }, t.x - 45 * t.scale,
                t.x + 45 * t.scale, g - 26 * t.scale, g + 1);
    }
    for (int i = 0; i < 5; ++i) {
        const float x = 176.f + i * 13.f;
        const float g = ridgeY(x) + 1.f;
        onRidge([&](Vec2 p) { return soldierSide(p, x, g, 10.5f, (i % 2 ? 1.f : -1.f)); }, x - 8,
                x + 8, g - 14, g + 1);
    }
    // Barbed wire on posts across the foreground.
    const float wireY = 292.f;
    for (float x = -10; x < titleW + 20; x += 58) {
        const float lean = std::sin(x * 0.7f) * 3.f;
        c.line({x, wireY + 24}, {x + lean, wireY - 14}, 3.f, rgb(14, 12, 12));
    }
    for (int strand = 0; strand < 3; ++strand) {
        const float y0 = wireY - 8.f + strand * 9.f;
        for (float x = -10; x < titleW + 10; x += 2.f) {
            const float sag = 4.f * std::sin(std::fmod(x + 10.f, 58.f) / 58.f * pi);
            const float y = y0 + sag,
                        y2 = y0 + 4.f * std::sin(std::fmod(x + 12.f, 58.f) / 58.f * pi);
            c.line({x, y}, {x + 2.f, y2}, 1.1f, rgb(18, 16, 16, 0.95f));
        }
        for (float x = 5.f + strand * 7.f; x < titleW; x += 14.f) {
            const float y = y0 + 4.f * std::sin(std::fmod(x + 10.f, 58.f) / 58.f * pi);
            c.line({x - 2.5f, y - 2.5f}, {x + 2.5f, y + 2.5f}, 0.9f, rgb(18, 16, 16));
            c.line({x - 2.5f, y + 2.5f}, {x + 2.5f, y - 2.5f}, 0.9f, rgb(18, 16, 16));
        }
    }
    // Sandbag wall in the lower left.
    Rng rng(16);
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 7; ++i) {
            const Vec2 m{-6.f + i * 34.f + (row % 2) * 17.f - row * 6.f, 352.f - row * 15.f};
            if (m.x > 200 - row * 30)
                continue;
            const float tint = rng.range(0.85f, 1.1f);
            auto bag = [=](Vec2 p) { return sdf::box(p, m, {17.f, 8.f}, 7.f); };
            c.fill(m.x - 19, m.y - 10, m.x + 19, m.y + 10, bag, [&](Vec2 p, float) {
                const float lit = 0.55f + 0.7f * bevel(bag, p, 6.f);
                return shade(rgb(74, 64, 46),
                             tint * lit * (0.85f + 0.3f * fbm(p.x / 4, p.y / 4, 17, 2)));
            });
        }
    // A burning wreck in the lower right: a hull tipped on its side, flames and smoke.
    {
        auto wreck = [&](Vec2 p) {
            const Vec2 q = rotate(p - Vec2{446, 322}, 0.22f);
            const float hull = sdf::box(q, {0, 0}, {30, 9}, 3.f);
            const float turret = sdf::box(q, {-6, -11}, {12, 5}, 3.f);
            const float gun = sdf::segment(q, {4, -12}, {26, -30}, 1.6f);
            return sdf::unite(sdf::unite(hull, turret), gun);
        };
        // Smoke leaning away on the wind.
        c.mapPixels([&](Rgba px, Vec2 p) {
            const float t = clamp01((300.f - p.y) / 170.f);
            if (p.y > 304.f || t >= 1.f)
                return px;
            const float cx = 440.f - 70.f * t * t, width = 10.f + 40.f * t;
            const float n = fbm(p.x / 14.f, p.y / 10.f, 19, 4);
            const float a =
                smoothstep(width, width * 0.3f, std::abs(p.x - cx) + (n - 0.5f) * 30.f) * (1 - t) *
                0.75f;
            return mix(px, rgb(30, 26, 26), a);
        });
        c.fill(400, 270, 490, 350, wreck, [&](Vec2 p, float) {
            return mix(rgb(20, 16, 14), rgb(120, 60, 26), clamp01((p.y - 300.f) / 40.f) * 0.5f);
        });
        c.mapPixels([&](Rgba px, Vec2 p) {
            const Vec2 q{(p.x - 436.f) / 20.f, (p.y - 306.f) / 30.f};
            if (q.y > 0.3f || q.y < -1.8f || std::abs(q.x) > 1.6f)
                return px;
            const float n = fbm(p.x / 7.f, p.y / 9.f, 18, 4);
            const float shape = 1.f - length(Vec2{q.x * (1.2f - q.y * 0.4f), (q.y + 0.4f) * 0.8f}) -
                                (n - 0.5f) * 0.9f;
            const float a = smoothstep(0.f, 0.35f, shape);
            if (a <= 0)
                return px;
            const Rgba flame =
                mix(rgb(200, 60, 20), rgb(255, 220, 120), smoothstep(0.2f, 0.8f, shape));
            return mix(px, flame, a * 0.95f);
        });
    }
    // Embers drifting up from a fire beyond the right edge.
    for (int i = 0; i < 70; ++i) {
        const Vec2 m{rng.range(360, 500) + rng.range(-40, 0), rng.range(140, 320)};
        const float r = rng.range(0.5f, 1.3f);
        const float a = rng.range(0.4f, 1.f);
        c.fill(
            m.x - 3, m.y - 3, m.x + 3, m.y + 3, [&](Vec2 p) { return sdf::circle(p, m, r); },
            rgb(255, 170, 80, a), 1.2f);
    }
    // Vignette.
    c.mapPixels([&](Rgba px, Vec2 p) {
        const Vec2 q{(p.x - titleW / 2.f) / (titleW * 0.62f), (p.y - 200.f) / (titleH * 0.7f)};
        return shade(px, 1.f - 0.45f * smoothstep(0.6f, 1.2f, length(q)));
    });
    return c;
}

// --- Menu panel and page steel ---------------------------------------------------------------

Canvas paintPanelMetal() {
    const int w = 960, h = 425;
    Canvas c(w, h);
    const Rgba steel = rgb(106, 112, 114);
    const float bandH = 24.f;
    c.paintAll([&](Vec2 p) {
        const float brushed = 0.92f + 0.1f * fbm(p.x / 80.f, p.y / 1.2f, 21, 3);
        const float mottled = 0.9f + 0.18f * fbm(p.x / 120.f, p.y / 80.f, 22, 4);
        Rgba col = shade(steel, brushed * mottled);
        // Panel seams every 320 px: a dark groove with a lit edge.
        const float sx = std::fmod(p.x, 320.f);
        if (sx < 2.f)
            col = shade(col, 0.45f);
        else if (sx < 3.5f)
            col = shade(col, 1.25f);
        // Warning bands along the top and bottom edges.
        const float edge = std::min(p.y, h - p.y);
        if (edge < bandH) {
            const bool yellow = static_cast<int>(std::floor((p.x + p.y) / 18.f)) % 2 == 0;
            Rgba stripe = yellow ? rgb(196, 160, 38) : rgb(30, 28, 26);
            stripe = shade(stripe, mottled * (0.9f + 0.15f * fbm(p.x / 6.f, p.y / 6.f, 23, 2)));
            col = edge < bandH - 3 ? stripe : shade(col, 0.5f);
        } else if (edge < bandH + 4.f) {
            col = shade(col, 0.7f + 0.3f * (edge - bandH) / 4.f);
        }
        return col;
    });
    for (float x = 16; x < w; x += 320.f / 6)
        for (float y : {bandH + 14.f, h - bandH - 14.f})
            paint::rivet(c, {x, y}, 3.6f, rgb(150, 154, 150));
    for (float sx : {320.f, 640.f})
        for (float y = bandH + 40.f; y < h - bandH - 30.f; y += 36.f)
            for (float side : {-9.f, 9.f})
                paint::rivet(c, {sx + side, y}, 2.8f, rgb(150, 154, 150));
    paint::weather(c, 24, 0.45f);
    return c;
}

// --- Mission map -----------------------------------------------------------------------------

Canvas paintMission() {
    const int w = 480, h = 330;
    Canvas c(w, h);
    auto riverY = [](float x) { return 70.f + x * 0.42f + 22.f * std::sin(x / 46.f); };
    c.paintAll([&](Vec2 p) {
        const float e = fbm(p.x / 130.f, p.y / 130.f, 31, 5);
        Rgba col = mix(rgb(206, 210, 170), rgb(222, 200, 156), smoothstep(0.35f, 0.7f, e));
        // Woods.
        const float woods = fbm(p.x / 45.f + 7, p.y / 45.f, 32, 4);
        col = mix(col, rgb(160, 186, 126), smoothstep(0.58f, 0.62f, woods) * 0.8f);
        // Contour lines, every fifth one heavier.
        const float level = e * 24.f;
        const float fr = std::abs(level - std::round(level));
        const float width = static_cast<int>(std::round(level)) % 5 == 0 ? 0.09f : 0.05f;
        col = mix(col, rgb(150, 104, 62), smoothstep(width, width * 0.4f, fr) * 0.7f);
        // Paper grain and stains.
        const float stain = fbm(p.x / 60.f, p.y / 60.f, 33, 3);
        col = shade(col, 0.93f +
                             0.1f * latticeValue(static_cast<int>(p.x), static_cast<int>(p.y), 34) -
                             0.12f * smoothstep(0.62f, 0.8f, stain));
        return col;
    });
    // River and its banks.
    for (float x = -4; x < w + 4; x += 1.f) {
        const Vec2 a{x, riverY(x)}, b{x + 1.f, riverY(x + 1.f)};
        const float wdt = 5.f + 2.f * std::sin(x / 31.f);
        c.line(a, b, wdt + 3.f, rgb(70, 110, 150, 0.5f));
        c.line(a, b, wdt, rgb(110, 156, 196));
    }
    // Roads: a main road and a track, with a bridge where the road crosses the river.
    auto road = [&](const std::vector<Vec2>& pts, float width, Rgba col) {
        for (std::size_t i = 1; i < pts.size(); ++i)
            c.line(pts[i - 1], pts[i], width + 2.f, rgb(60, 40, 30));
        for (std::size_t i = 1; i < pts.size(); ++i)
            c.line(pts[i - 1], pts[i], width, col);
    };
    road({{0, 250}, {90, 236}, {170, 200}, {236, 150}, {300, 120}, {380, 100}, {480, 92}}, 4.f,
         rgb(226, 120, 70));
    road({{120, 330}, {150, 280}, {170, 200}}, 2.5f, rgb(240, 230, 200));
    road({{300, 120}, {330, 190}, {360, 330}}, 2.5f, rgb(240, 230, 200));
    // Grid with labels.
    for (float x = 40; x < w; x += 80) {
        c.line({x, 0}, {x, static_cast<float>(h)}, 1.f, rgb(40, 60, 90, 0.45f));
        paint::bitmapText(c, std::string(1, static_cast<char>('A' + static_cast<int>(x) / 80)),
                          x + 36, 4, 1, rgb(30, 40, 60, 0.85f));
    }
    for (float y = 40; y < h; y += 80) {
        c.line({0, y}, {static_cast<float>(w), y}, 1.f, rgb(40, 60, 90, 0.45f));
        paint::bitmapText(c, std::to_string(static_cast<int>(y) / 80 + 1), 4, y + 36, 1,
                          rgb(30, 40, 60, 0.85f));
    }
    // Own units (blue, infantry crosses) in the south-west, enemy positions (red) in the
    // north-east, and the planned thrust between them.
    auto unit = [&](Vec2 m, bool own) {
        const Rgba col = own ? rgb(40, 80, 170) : rgb(190, 30, 30);
        if (own) {
            c.fill(
                m.x - 11, m.y - 8, m.x + 11, m.y + 8,
                [&](Vec2 p) { return sdf::rect(p, m.x - 9, m.y - 6, m.x + 9, m.y + 6); },
                rgb(200, 216, 240, 0.9f));
            c.fill(
                m.x - 11, m.y - 8, m.x + 11, m.y + 8,
                [&](Vec2 p) {
                    return std::abs(sdf::rect(p, m.x - 9, m.y - 6, m.x + 9, m.y + 6)) - 0.8f;
                },
                col);
            c.line({m.x - 9, m.y - 6}, {m.x + 9, m.y + 6}, 1.2f, col);
            c.line({m.x - 9, m.y + 6}, {m.x + 9, m.y - 6}, 1.2f, col);
        } else {
            auto diamond = [&](Vec2 p) {
                return (std::abs(p.x - m.x) + std::abs(p.y - m.y)) * 0.7071f - 7.f;
            };
            c.fill(m.x - 12, m.y - 12, m.x + 12, m.y + 12, diamond, rgb(246, 200, 196, 0.9f));
            c.fill(
                m.x - 12, m.y - 12, m.x + 12, m.y + 12,
                [&](Vec2 p) { return std::abs(diamond(p)) - 0.8f; }, col);
        }
    };
    for (Vec2 m : {Vec2{70, 280}, Vec2{110, 300}, Vec2{48, 232}})
        unit(m, true);
    for (Vec2 m : {Vec2{392, 72}, Vec2{430, 126}, Vec2{352, 56}})
        unit(m, false);
    // The thrust: a thick curved arrow.
    std::vector<Vec2> spine;
    for (int i = 0; i <= 40; ++i) {
        const float t = i / 40.f;
        const Vec2 a{100, 268}, ctrl{170, 110}, b{352, 112};
        const Vec2 q = a * ((1 - t) * (1 - t)) + ctrl * (2 * (1 - t) * t) + b * (t * t);
        spine.push_back(q);
    }
    for (std::size_t i = 1; i < spine.size(); ++i) {
        const float t = static_cast<float>(i) / spine.size();
        c.line(spine[i - 1], spine[i], 9.f - 3.f * t, rgb(200, 30, 26, 0.8f));
    }
    {
        const Vec2 tip{372, 112}, back = spine.back();
        const Vec2 dir = (tip - back) * (1.f / length(tip - back));
        const Vec2 side{-dir.y, dir.x};
        const std::vector<Vec2> head = {tip, back + side * 11.f - dir * 6.f,
                                        back - side * 11.f - dir * 6.f};
        c.fill(
            back.x - 20, back.y - 20, tip.x + 4, tip.y + 20,
            [&](Vec2 p) { return sdf::polygon(p, head); }, rgb(200, 30, 26, 0.9f));
    }
    // The objective.
    const Vec2 goal{400, 96};
    c.fill(
        goal.x - 34, goal.y - 34, goal.x + 34, goal.y + 34,
        [&](Vec2 p) { return sdf::ring(p, goal, 30.f, 2.5f); }, rgb(200, 30, 26, 0.9f));
    paint::bitmapText(c, "ZIEL", goal.x - paint::bitmapTextWidth("ZIEL", 2) / 2, goal.y + 36, 2,
                      rgb(170, 20, 20));
    // Title block and frame.
    c.fill(
        8, h - 30.f, 200, h - 8.f,
        [&](Vec2 p) { return sdf::rect(p, 10, h - 28.f, 196, h - 10.f); },
        rgb(240, 234, 214, 0.92f));
    paint::bitmapText(c, "EINSATZGEBIET VELMARCH", 16, h - 23.f, 1, rgb(40, 36, 30));
    c.fill(
        0, 0, static_cast<float>(w), static_cast<float>(h),
        [&](Vec2 p) { return std::abs(sdf::rect(p, 2, 2, w - 2.f, h - 2.f)) - 1.5f; },
        rgb(50, 44, 36));
    // Creases where the map was folded.
    c.mapPixels([&](Rgba px, Vec2 p) {
        const float fx = std::abs(p.x - w / 2.f), fy = std::abs(p.y - h / 2.f);
        float f = 1.f;
        if (fx < 3)
            f *= p.x < w / 2.f ? 0.9f + 0.03f * fx : 1.08f - 0.02f * fx;
        if (fy < 3)
            f *= p.y < h / 2.f ? 0.9f + 0.03f * fy : 1.08f - 0.02f * fy;
        return shade(px, f);
    });
    return c;
}

} // namespace

void paintScenes(std::vector<Picture>& out) {
    out.push_back({"Images/Title Image.jpg", paintTitle(), true});
    out.push_back({"Images/Metall.jpg", paintPanelMetal(), true});
    out.push_back({"Images/Mission-Image.jpg", paintMission(), true});
}
