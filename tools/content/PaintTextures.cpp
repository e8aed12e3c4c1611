#include "tools/content/Noise.hpp"
#include "tools/content/Pictures.hpp"

// Surfaces: the ground of the field, the road, camouflage cloth, steel for the frame, door and
// curtain, and the concrete obstacle.

namespace {

// Woodland camouflage cloth that tiles seamlessly (256 px, noise periods divide it).
Canvas paintArmee() {
    const int size = 256;
    Canvas c(size, size);
    const Rgba khaki = rgb(146, 134, 94), green = rgb(80, 96, 54), brown = rgb(104, 78, 50),
               black = rgb(38, 38, 32);
    c.paintAll([&](Vec2 p) {
        const float u = p.x / 32.f, v = p.y / 32.f; // 8 cells across
        // Warp the blotches so they look torn rather than round.
        const float wx = fbm(u, v, 301, 3, 8) - 0.5f, wy = fbm(u, v, 302, 3, 8) - 0.5f;
        const float g = fbm(u + wx * 1.6f, v + wy * 1.6f, 303, 4, 8);
        const float b = fbm(u + 3.3f + wx, v - 1.7f + wy, 304, 4, 8);
        const float k = fbm(u * 2 + wy * 2, v * 2 + wx * 2, 305, 3, 16);
        Rgba col = khaki;
        if (g > 0.52f)
            col = green;
        if (b > 0.6f)
            col = brown;
        if (k > 0.66f && g > 0.42f)
            col = black;
        // Weave: a fine crosswise pattern, and threads that vary.
        const int ix = static_cast<int>(p.x), iy = static_cast<int>(p.y);
        const float weave = ((ix + iy) % 2 ? 0.96f : 1.03f) * ((iy % 4) == 0 ? 0.97f : 1.f);
        const float thread = 0.94f + 0.12f * latticeValue(ix % size, iy / 3, 306);
        return shade(col, weave * thread);
    });
    return c;
}

// The field's ground: dry earth with grass, ruts, stones and a few old craters.
Canvas paintArea() {
    const int w = 800, h = 980;
    Canvas c(w, h);
    c.paintAll([&](Vec2 p) {
        const float n = fbm(p.x / 120.f, p.y / 120.f, 401, 5);
        const float fine = fbm(p.x / 9.f, p.y / 9.f, 402, 3);
        const float grain = latticeValue(static_cast<int>(p.x), static_cast<int>(p.y), 403);
        Rgba earth = mix(rgb(124, 110, 78), rgb(96, 84, 58), smoothstep(0.35f, 0.7f, n));
        const float grassMask = smoothstep(0.5f, 0.62f, fbm(p.x / 70.f + 9.f, p.y / 70.f, 404, 5));
        const float blades = fbm(p.x / 2.5f, p.y / 5.f, 405, 2);
        const Rgba grass = mix(rgb(82, 92, 50), rgb(110, 116, 62), blades);
        Rgba col = mix(earth, grass, grassMask * (0.65f + 0.35f * blades));
        // Tufts: darker clumps in the grass, dry bits in the earth.
        const float tuft = fbm(p.x / 4.f, p.y / 4.f, 409, 2);
        col = shade(col, 1.f - 0.18f * smoothstep(0.55f, 0.75f, tuft) * grassMask);
        col = shade(col, 0.88f + 0.2f * fine + 0.08f * (grain - 0.5f));
        return col;
    });
    Rng rng(406);
    // Wheel ruts running up the field, pressed dark and worn unevenly.
    for (int i = 0; i < 2; ++i) {
        const float x0 = rng.range(120, 680);
        const float wobble = rng.range(20, 50), phase = rng.range(0, 6);
        for (float side : {-14.f, 14.f})
            for (float y = 0; y < h; y += 2.f) {
                const float x = x0 + side + wobble * std::sin(y / 260.f + phase);
                const float a = 0.16f * smoothstep(0.35f, 0.6f, fbm(x / 40, y / 40, 407 + i, 3));
                c.fill(
                    x - 7, y - 2, x + 7, y + 2, [&](Vec2 p) { return std::abs(p.x - x) - 3.5f; },
                    rgb(62, 52, 36, a), 3.f);
            }
    }
    // Craters: a scorched bowl with a raised, lit rim.
    for (int i = 0; i < 5; ++i) {
        const Vec2 m{rng.range(60, 740), rng.range(60, 920)};
        const float r = rng.range(22, 38);
        // Scorched earth around it.
        c.fill(
            m.x - r * 2.4f, m.y - r * 2.4f, m.x + r * 2.4f, m.y + r * 2.4f,
            [&](Vec2 p) { return sdf::circle(p, m, r * 2.4f); },
            [&](Vec2 p, float) {
                const float d = length(p - m) / (r * 2.4f);
                const float n = fbm(p.x / 12, p.y / 12, 420 + i, 3);
                return rgb(40, 34, 26, 0.4f * (1 - d) * (0.5f + n));
            });
        c.fill(
            m.x - r * 1.6f, m.y - r * 1.6f, m.x + r * 1.6f, m.y + r * 1.6f,
            [&](Vec2 p) { return sdf::circle(p, m, r * 1.5f); },
            [&](Vec2 p, float) {
                const Vec2 q = p - m;
                const float d = length(q) / r;
                const float lump = fbm(p.x / 6, p.y / 6, 408 + i, 3) - 0.5f;
                if (d < 1.f + lump * 0.3f) {
                    const float lit =
                        -(q.x * Light::x + q.y * Light::y) / r; // inner wall faces away
                    const float depth = 1.f - d * d;
                    return withAlpha(
                        shade(rgb(96, 82, 60), 0.85f + 0.45f * lit * d - 0.12f * depth),
                        0.85f * smoothstep(1.f + lump * 0.3f, 0.8f, d) + 0.1f);
                }
                const float lit = (q.x * Light::x + q.y * Light::y) / (length(q) + 1e-3f);
                const float rim = smoothstep(1.5f, 1.15f, d) * smoothstep(0.95f, 1.1f, d);
                return withAlpha(lit > 0 ? rgb(176, 158, 116) : rgb(56, 46, 32),
                                 rim * 0.6f * std::abs(lit));
            });
    }
    // Stones with a highlight and a shadow.
    for (int i = 0; i < 140; ++i) {
        const Vec2 m{rng.range(0, static_cast<float>(w)), rng.range(0, static_cast<float>(h))};
        const float r = rng.range(1.2f, 3.f), ang = rng.range(0, pi);
        const Rgba stone = mix(rgb(136, 126, 104), rgb(100, 92, 76), rng.uniform());
        c.fill(
            m.x - r - 2, m.y - r - 2, m.x + r + 3, m.y + r + 3,
            [&](Vec2 p) {
                return sdf::box(p, m + Vec2{0.8f, 1.f}, {r, r * 0.7f}, r * 0.6f, ang);
            },
            rgb(30, 24, 16, 0.35f), 1.5f);
        c.fill(
            m.x - r - 1, m.y - r - 1, m.x + r + 1, m.y + r + 1,
            [&](Vec2 p) {
                return sdf::box(p, m, {r, r * 0.7f}, r * 0.6f, ang);
            },
            [&](Vec2 p, float) { return shade(stone, domeLight(p, m, r * 1.2f, 0.2f)); });
    }
    return c;
}

// A concrete anti-tank block seen from above: a squat pyramid with a flat top.
Canvas paintBlock() {
    const int s = 48;
    Canvas c(s, s);
    const float m = s / 2.f, top = 8.f;
    c.paintAll([&](Vec2 p) {
        const Vec2 q = p - Vec2{m, m};
        const float ax = std::abs(q.x), ay = std::abs(q.y);
        // Which face: the flat top, or the slope facing left, right, up or down.
        float light;
        if (ax <= top && ay <= top)
            light = 1.02f;
        else if (ax > ay)
            light = q.x < 0 ? 1.2f : 0.62f;
        else
            light = q.y < 0 ? 1.12f : 0.55f;
        const float n = fbm(p.x / 5, p.y / 5, 501, 4);
        const float pits =
            latticeValue(static_cast<int>(p.x), static_cast<int>(p.y), 502) > 0.93f ? 0.8f : 1.f;
        Rgba col = shade(rgb(150, 146, 136), light * (0.85f + 0.3f * n) * pits);
        // Moss and grime creeping up from the ground.
        const float edge = std::max(ax, ay) / m;
        col = mix(col, rgb(78, 84, 52),
                  smoothstep(0.75f, 1.f, edge) *
                      smoothstep(0.45f, 0.7f, fbm(p.x / 4, p.y / 4, 503, 3)));
        // Dark ground line at the foot.
        col = shade(col, 1.f - 0.5f * smoothstep(0.9f, 1.f, edge));
        return col;
    });
    // Edges of the faces: a fine dark line where two slopes meet.
    for (Vec2 corner : {Vec2{-1, -1}, Vec2{1, -1}, Vec2{1, 1}, Vec2{-1, 1}})
        c.line(Vec2{m, m} + corner * top, Vec2{m, m} + corner * (m - 0.5f), 1.f,
               rgb(40, 38, 34, 0.5f));
    // A crack and chipped corner.
    c.line({m + 2, m - 3}, {m + 9, m + 5}, 0.8f, rgb(40, 38, 34, 0.7f));
    c.line({m + 9, m + 5}, {m + 14, m + 7}, 0.7f, rgb(40, 38, 34, 0.6f));
    // Hazard stripes painted on the top.
    c.fill(
        m - top, m - top, m + top, m + top,
        [&](Vec2 p) {
            return sdf::rect(p, m - top + 1.5f, m - top + 1.5f, m + top - 1.5f, m + top - 1.5f);
        },
        [&](Vec2 p, float) {
            const bool yellow = static_cast<int>(std::floor((p.x + p.y) / 4.f)) % 2 == 0;
            return yellow ? rgb(214, 176, 40, 0.85f) : rgb(30, 28, 24, 0.85f);
        });
    return c;
}

// A steel door panel that tiles: raised frame, tread plate, rivets.
Canvas paintDoor() {
    const int w = 180, h = 150;
    Canvas c(w, h);
    const Rgba steelCol = rgb(98, 102, 92);
    auto panel = [&](Vec2 p) {
        return sdf::rect(p, 0, 0, static_cast<float>(w), static_cast<float>(h), 3.f);
    };
    auto recess = [&](Vec2 p) { return sdf::rect(p, 14, 14, w - 14.f, h - 14.f, 4.f); };
    c.paintAll([&](Vec2 p) {
        const float brushed = 0.94f + 0.08f * fbm(p.x / 40.f, p.y / 1.5f, 601, 3);
        Rgba col = shade(steelCol, brushed * (1.f + 0.35f * bevel(panel, p, 6.f)));
        const float r = recess(p);
        if (r < 0.5f) {
            // Diamond tread plate: raised lozenges in alternating directions.
            const float cell = 12.f;
            const float gx = std::floor(p.x / cell), gy = std::floor(p.y / cell);
            const Vec2 cc{(gx + 0.5f) * cell, (gy + 0.5f) * cell};
            const float ang = (static_cast<int>(gx + gy) % 2 ? 1.f : -1.f) * pi / 4;
            auto lozenge = [&](Vec2 q) { return sdf::box(q, cc, {4.6f, 1.3f}, 1.2f, ang); };
            const float dl = lozenge(p);
            Rgba plate = shade(steelCol, 0.82f * brushed * (1.f - 0.45f * bevel(recess, p, 4.f)));
            if (dl < 0.5f)
                plate = shade(plate, 1.f + 0.5f * bevel(lozenge, p, 1.2f) + 0.1f);
            col = mix(plate, col, clamp01(r + 0.5f));
        }
        return col;
    });
    // Rivets along the frame.
    for (float x = 7; x < w; x += 20.75f) {
        paint::rivet(c, {x, 7}, 2.3f, rgb(140, 144, 130));
        paint::rivet(c, {x, h - 7.f}, 2.3f, rgb(140, 144, 130));
    }
    for (float y = 27.5f; y < h - 20; y += 20.f) {
        paint::rivet(c, {7, y}, 2.3f, rgb(140, 144, 130));
        paint::rivet(c, {w - 7.f, y}, 2.3f, rgb(140, 144, 130));
    }
    paint::weather(c, 602, 0.4f);
    return c;
}

Canvas paintFrameLines() {
    const int s = 25;
    Canvas c(s, s);
    auto plate = [&](Vec2 p) { return sdf::rect(p, 0, 0, s, s, 1.f); };
    c.paintAll([&](Vec2 p) {
        const float n = fbm(p.x / 6, p.y / 6, 701, 3);
        return shade(rgb(82, 88, 82), (0.9f + 0.2f * n) * (1.f + 0.5f * bevel(plate, p, 3.f)));
    });
    paint::rivet(c, {12.5f, 12.5f}, 3.f, rgb(150, 154, 140));
    return c;
}

Canvas paintFrameCorners() {
    const int s = 50;
    Canvas c(s, s);
    auto plate = [&](Vec2 p) { return sdf::rect(p, 0, 0, s, s, 2.f); };
    auto inner = [&](Vec2 p) { return sdf::rect(p, 9, 9, s - 9.f, s - 9.f, 3.f); };
    c.paintAll([&](Vec2 p) {
        const float n = fbm(p.x / 8, p.y / 8, 702, 3);
        Rgba col = shade(rgb(78, 84, 78), (0.9f + 0.2f * n) * (1.f + 0.5f * bevel(plate, p, 4.f)));
        if (inner(p) < 0.5f) {
            // Yellow and black warning stripes on the inset square.
            const bool yellow = static_cast<int>(std::floor((p.x - p.y + 100.f) / 6.f)) % 2 == 0;
            Rgba stripe = yellow ? rgb(204, 168, 40) : rgb(34, 32, 28);
            stripe = shade(stripe, (0.85f + 0.25f * n) * (1.f - 0.5f * bevel(inner, p, 2.5f)));
            col = mix(stripe, col, clamp01(inner(p) + 0.5f));
        }
        return col;
    });
    // Centre bolt: a hexagon head on a washer.
    const Vec2 m{25, 25};
    c.fill(
        15, 15, 35, 35, [&](Vec2 p) { return sdf::circle(p, m, 7.5f); },
        [&](Vec2 p, float) { return shade(rgb(120, 124, 116), domeLight(p, m, 12.f, 0.2f)); });
    std::vector<Vec2> hex;
    for (int i = 0; i < 6; ++i)
        hex.push_back(m + Vec2{std::cos(i * pi / 3), std::sin(i * pi / 3)} * 5.5f);
    auto head = [&](Vec2 p) { return sdf::polygon(p, hex); };
    c.fill(18, 18, 32, 32, head, [&](Vec2 p, float) {
        return shade(rgb(150, 152, 140), 1.f + 0.5f * bevel(head, p, 2.f));
    });
    for (Vec2 r : {Vec2{5, 5}, Vec2{45, 5}, Vec2{45, 45}, Vec2{5, 45}})
        paint::rivet(c, r, 2.2f, rgb(150, 154, 140));
    paint::weather(c, 703, 0.3f);
    return c;
}

// The left curtain half: heavy gunmetal armour plate (shown at 720 x 900).
Canvas paintCurtainMetal() {
    const int w = 480, h = 600;
    Canvas c(w, h);
    const Rgba gun = rgb(70, 76, 80);
    auto band = [&](Vec2 p, float y) { return sdf::rect(p, -10, y - 14, w + 10.f, y + 14, 3.f); };
    auto seam = [&](Vec2 p) { return sdf::rect(p, w - 34.f, -10, w + 10.f, h + 10.f, 3.f); };
    c.paintAll([&](Vec2 p) {
        const float brushed = 0.9f + 0.12f * fbm(p.x / 1.5f + p.y / 3.f, p.y / 60.f, 801, 3);
        const float mottled = 0.9f + 0.2f * fbm(p.x / 90.f, p.y / 90.f, 802, 4);
        const float vertical = 1.08f - 0.2f * p.y / h;
        Rgba col = shade(gun, brushed * mottled * vertical);
        for (float y : {200.f, 400.f}) {
            auto b = [&](Vec2 q) { return band(q, y); };
            if (b(p) < 0.5f)
                col = mix(shade(gun, 1.05f * mottled * (1.f + 0.55f * bevel(b, p, 5.f))), col,
                          clamp01(b(p) + 0.5f));
            else if (p.y > y + 14 && p.y < y + 22)
                col = shade(col, 0.75f + 0.25f * (p.y - y - 14) / 8.f); // shadow under the band
        }
        if (seam(p) < 0.5f)
            col = mix(shade(gun, 0.95f * mottled * (1.f + 0.55f * bevel(seam, p, 5.f))), col,
                      clamp01(seam(p) + 0.5f));
        return col;
    });
    for (float y : {200.f, 400.f})
        for (float x = 20; x < w - 40; x += 40)
            paint::rivet(c, {x, y}, 4.f, rgb(120, 126, 128));
    for (float y = 24; y < h; y += 44)
        paint::rivet(c, {w - 17.f, y}, 4.f, rgb(120, 126, 128));
    // Faded stencil marking.
    paint::bitmapText(c, "VM-01", 40, 500, 8, rgb(200, 190, 150, 0.22f));
    paint::weather(c, 803, 0.5f);
    return c;
}

// The road under a tank lane (shown at 820 x 82): packed dirt and gravel with track marks and
// soft edges.
Canvas paintStreet() {
    const int w = 820, h = 82;
    Canvas c(w, h);
    c.paintAll([&](Vec2 p) {
        const float n = fbm(p.x / 40.f, p.y / 20.f, 901, 4);
        const float grit = latticeValue(static_cast<int>(p.x), static_cast<int>(p.y), 902);
        Rgba col = mix(rgb(86, 82, 74), rgb(64, 62, 56), n);
        col = shade(col, 0.9f + 0.2f * grit);
        // Track marks where the tanks' tracks run.
        for (float y0 : {6.f, 60.f}) {
            if (p.y > y0 && p.y < y0 + 15) {
                const float pad =
                    std::fmod(p.x + (y0 > 30 ? 2.5f : 0.f), 5.f) < 1.6f ? 0.78f : 0.92f;
                const float worn = 0.6f + 0.4f * fbm(p.x / 30.f, y0, 903, 2);
                col = shade(col, lerp(1.f, pad, worn));
            }
        }
        // Gravel shoulders, fading out at the edges.
        const float edgeDist = std::min(p.y, h - p.y);
        const float ragged = 3.f * fbm(p.x / 8.f, p.y > h / 2 ? 1.f : 0.f, 904, 3);
        if (edgeDist < 8)
            col = mix(rgb(138, 128, 106), col, clamp01(edgeDist / 8.f));
        const float alpha = smoothstep(0.f, 3.5f, edgeDist - ragged + 2.f);
        return withAlpha(col, alpha);
    });
    Rng rng(905);
    // Pebbles on the shoulders and a few potholes.
    for (int i = 0; i < 200; ++i) {
        const float y = rng.uniform() < 0.5f ? rng.range(2, 9) : rng.range(h - 9.f, h - 2.f);
        const Vec2 m{rng.range(0, static_cast<float>(w)), y};
        const float r = rng.range(0.8f, 2.f);
        c.fill(
            m.x - r - 1, m.y - r - 1, m.x + r + 1, m.y + r + 1,
            [&](Vec2 p) { return sdf::circle(p, m, r); },
            [&](Vec2 p, float) { return shade(rgb(160, 152, 136), domeLight(p, m, r, 0.1f)); });
    }
    for (int i = 0; i < 7; ++i) {
        const Vec2 m{rng.range(30, w - 30.f), rng.range(28, h - 28.f)};
        const float rx = rng.range(6, 14), ry = rng.range(3, 6);
        c.fill(
            m.x - rx - 2, m.y - ry - 2, m.x + rx + 2, m.y + ry + 2,
            [&](Vec2 p) { return sdf::ellipse(p, m, rx, ry); },
            [&](Vec2 p, float d) {
                return rgb(40, 36, 30, 0.3f * clamp01(-d / 3.f) + 0.1f * (p.y < m.y));
            });
    }
    return c;
}

} // namespace

void paintTextures(std::vector<Picture>& out) {
    out.push_back({"Texture/Armee.jpg", paintArmee(), true});
    out.push_back({"Texture/Area.jpg", paintArea(), true});
    out.push_back({"Texture/Block.jpg", paintBlock(), true});
    out.push_back({"Texture/Door.png", paintDoor(), true});
    out.push_back({"Texture/FrameCorners.jpg", paintFrameCorners(), true});
    out.push_back({"Texture/FrameLines.jpg", paintFrameLines(), true});
    out.push_back({"Texture/Metall.jpg", paintCurtainMetal(), true});
    out.push_back({"Texture/Street.png", paintStreet()});
}
