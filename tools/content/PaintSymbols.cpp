#include "tools/content/Noise.hpp"
#include "tools/content/Pictures.hpp"

// Emblems of the two factions, the HUD icons (which double as the pick-up items) and the
// crosshair. All on transparent ground with a dark rim so that they read on any background.

namespace {

const Rgba gold = rgb(214, 170, 72);
const Rgba steel = rgb(150, 156, 160);

// A shape drawn with a dark rim, a bevelled body, and the body colour from paint(p).
template <class Sdf, class Paint>
void embossed(Canvas& c, const Sdf& f, float bevelWidth, const Paint& paint, float rim = 1.2f) {
    c.fill(
        0, 0, static_cast<float>(c.width()), static_cast<float>(c.height()),
        [&](Vec2 p) { return f(p) - rim; }, rgb(20, 18, 14, 0.85f));
    c.fill(0, 0, static_cast<float>(c.width()), static_cast<float>(c.height()), f,
           [&](Vec2 p, float) { return shade(paint(p), 1.f + 0.45f * bevel(f, p, bevelWidth)); });
}

float starSdf(Vec2 p, Vec2 c, float outer, float inner, float turn = 0) {
    std::vector<Vec2> pts;
    for (int i = 0; i < 10; ++i) {
        const float a = turn - pi / 2 + i * pi / 5;
        const float r = i % 2 ? inner : outer;
        pts.push_back(c + Vec2{std::cos(a), std::sin(a)} * r);
    }
    return sdf::polygon(p, pts);
}

// --- Emblems ---------------------------------------------------------------------------------

Canvas paintUnion() {
    Canvas c(80, 80);
    // Wings behind the shield.
    for (int side : {-1, 1})
        for (int i = 0; i < 5; ++i) {
            const float y = 14.f + i * 5.5f;
            const float len = 30.f - i * 4.5f;
            const Vec2 a{40.f + side * 18.f, y + 4.f},
                b{40.f + side * (18.f + len), y - 3.f + i * 0.6f};
            auto feather = [=](Vec2 p) { return sdf::segment(p, a, b, 3.f - i * 0.25f); };
            embossed(
                c, feather, 1.5f,
                [&](Vec2 p) {
                    return mix(rgb(200, 196, 180), rgb(150, 140, 120),
                               clamp01(std::abs(p.x - 40.f) / 40.f));
                },
                1.f);
        }
    // Heater shield.
    std::vector<Vec2> shield = {{16, 8}, {64, 8}, {64, 40}};
    for (int i = 1; i <= 8; ++i) {
        const float t = i / 8.f;
        shield.push_back({40.f + 24.f * std::cos(t * pi / 2), 40.f + 34.f * std::sin(t * pi / 2)});
    }
    for (int i = 7; i >= 1; --i) {
        const float t = i / 8.f;
        shield.push_back({40.f - 24.f * std::cos(t * pi / 2), 40.f + 34.f * std::sin(t * pi / 2)});
    }
    shield.push_back({16, 40});
    auto outer = [&](Vec2 p) { return sdf::polygon(p, shield); };
    embossed(
        c, outer, 3.f, [](Vec2) { return gold; }, 1.5f);
    auto field = [&](Vec2 p) { return outer(p) + 4.f; };
    c.fill(0, 0, 80, 80, field, [&](Vec2 p, float) {
        const float stripe = static_cast<int>((p.x - 16) / 6) % 2 ? 0.93f : 1.f;
        return shade(mix(rgb(104, 124, 70), rgb(60, 76, 42), clamp01((p.y - 10) / 60)),
                     stripe * (1.f - 0.45f * bevel(field, p, 2.f)));
    });
    // The star.
    auto star = [](Vec2 p) { return starSdf(p, {40, 35}, 17.f, 7.f); };
    embossed(
        c, star, 2.5f, [](Vec2) { return rgb(240, 236, 220); }, 1.f);
    // A gold bar under the star.
    auto bar = [](Vec2 p) { return sdf::rect(p, 29, 56, 51, 60, 1.f); };
    embossed(
        c, bar, 1.2f, [](Vec2) { return gold; }, 1.f);
    return c;
}

Canvas paintCollective() {
    Canvas c(80, 80);
    const Vec2 m{40, 40};
    auto gear = [&](Vec2 p) {
        float d = sdf::circle(p, m, 30.f);
        for (int i = 0; i < 12; ++i) {
            const float a = i * 2 * pi / 12;
            const Vec2 tc = m + Vec2{std::cos(a), std::sin(a)} * 32.5f;
            d = sdf::unite(d, sdf::box(p, tc, {4.6f, 4.2f}, 1.2f, a));
        }
        return d;
    };
    embossed(
        c, gear, 3.f,
        [&](Vec2 p) {
            return shade(rgb(150, 62, 36), 0.85f + 0.3f * fbm(p.x / 6, p.y / 6, 33, 3));
        },
        1.5f);
    // Steel inner ring and a dark field.
    auto ring = [&](Vec2 p) { return sdf::ring(p, m, 24.f, 4.f); };
    embossed(
        c, ring, 1.8f, [](Vec2) { return steel; }, 0.8f);
    auto field = [&](Vec2 p) { return sdf::circle(p, m, 21.5f); };
    c.fill(0, 0, 80, 80, field, [&](Vec2 p, float) {
        return shade(rgb(40, 34, 32),
                     1.f - 0.5f * bevel(field, p, 3.f) + 0.2f * (m.y - p.y) / 22.f);
    });
    // Three chevrons, point up: the Collective's ranks on the march.
    for (int i = 0; i < 3; ++i) {
        const float y = 27.f + i * 9.f;
        auto chevron = [=](Vec2 p) {
            const std::vector<Vec2> pts = {{40, y},     {54, y + 10}, {54, y + 15},
                                           {40, y + 5}, {26, y + 15}, {26, y + 10}};
            return sdf::polygon(p, pts);
        };
        embossed(
            c, chevron, 1.6f,
            [i](Vec2) { return mix(rgb(244, 140, 64), rgb(200, 64, 32), i / 2.f); }, 1.f);
    }
    return c;
}

// --- HUD icons and pick-ups (40 x 60) ---------------------------------------------------------

Canvas paintTime() {
    Canvas c(40, 60);
    const Vec2 m{20, 37};
    auto crown = [](Vec2 p) {
        return sdf::unite(sdf::rect(p, 16.5f, 9, 23.5f, 16, 1.f), sdf::rect(p, 13, 4, 27, 10, 2.f));
    };
    embossed(c, crown, 1.5f, [](Vec2) { return steel; });
    auto side = [&](Vec2 p) {
        return sdf::box(p, m + Vec2{12.5f, -13.f}, {3.f, 2.f}, 0.8f, pi / 4);
    };
    embossed(c, side, 1.f, [](Vec2) { return steel; });
    auto body = [&](Vec2 p) { return sdf::circle(p, m, 18.f); };
    embossed(
        c, body, 3.f, [&](Vec2 p) { return shade(steel, domeLight(p, m, 22.f, 0.5f)); }, 1.4f);
    auto face = [&](Vec2 p) { return sdf::circle(p, m, 14.f); };
    c.fill(0, 0, 40, 60, face, [&](Vec2 p, float) {
        return shade(rgb(238, 232, 212), 1.f - 0.35f * bevel(face, p, 2.5f));
    });
    // The elapsed part of the minute in red.
    c.fill(
        0, 0, 40, 60,
        [&](Vec2 p) {
            const Vec2 q = p - m;
            const float a = std::atan2(q.x, -q.y); // 0 straight up, clockwise
            return (a >= 0 && a <= 2.1f) ? length(q) - 12.f : 99.f;
        },
        rgb(210, 40, 30, 0.55f));
    for (int i = 0; i < 12; ++i) {
        const float a = i * pi / 6;
        const Vec2 dir{std::sin(a), -std::cos(a)};
        c.line(m + dir * (i % 3 ? 11.5f : 10.f), m + dir * 13.5f, i % 3 ? 1.f : 1.8f,
               rgb(30, 30, 30));
    }
    c.line(m, m + Vec2{std::sin(2.1f), -std::cos(2.1f)} * 11.f, 1.6f, rgb(180, 20, 20));
    c.line(m, m + Vec2{0, -9.f}, 2.2f, rgb(25, 25, 25));
    c.fill(
        m.x - 3, m.y - 3, m.x + 3, m.y + 3, [&](Vec2 p) { return sdf::circle(p, m, 2.f); },
        rgb(25, 25, 25));
    return c;
}

Canvas paintPoints() {
    Canvas c(40, 60);
    // Ribbon: two bands meeting behind the medal.
    for (int side : {-1, 1}) {
        const std::vector<Vec2> band = {{20.f + side * 2.f, 2},
                                        {20.f + side * 15.f, 2},
                                        {20.f + side * 7.f, 32},
                                        {20.f - side * 3.f, 32}};
        auto f = [band](Vec2 p) { return sdf::polygon(p, band); };
        embossed(
            c, f, 1.5f,
            [side](Vec2 p) {
                const float u = std::abs(p.x - 20.f - side * 8.f + (p.y - 2) * side * 0.25f);
                return u < 2.2f ? rgb(235, 230, 215) : rgb(170, 30, 36);
            },
            1.f);
    }
    const Vec2 m{20, 41};
    auto medal = [&](Vec2 p) { return sdf::circle(p, m, 16.f); };
    embossed(
        c, medal, 3.f, [&](Vec2 p) { return shade(gold, domeLight(p, m, 20.f, 0.7f)); }, 1.4f);
    auto inner = [&](Vec2 p) { return sdf::ring(p, m, 12.5f, 1.2f); };
    c.fill(0, 0, 40, 60, inner, rgb(120, 86, 30, 0.8f));
    auto star = [&](Vec2 p) { return starSdf(p, m + Vec2{0, 0.5f}, 10.f, 4.2f); };
    embossed(
        c, star, 1.8f,
        [&](Vec2 p) { return shade(rgb(250, 214, 110), domeLight(p, m, 14.f, 0.6f)); }, 0.8f);
    return c;
}

Canvas paintLife() {
    Canvas c(40, 60);
    const Rgba olive = rgb(98, 106, 62);
    auto loop = [](Vec2 p) { return sdf::ring(p, {20, 10}, 5.5f, 2.6f); };
    embossed(
        c, loop, 1.f, [](Vec2) { return rgb(70, 74, 46); }, 0.8f);
    auto pouch = [](Vec2 p) { return sdf::rect(p, 3, 12, 37, 57, 5.f); };
    embossed(
        c, pouch, 3.f,
        [&](Vec2 p) { return shade(olive, 0.9f + 0.2f * fbm(p.x / 3, p.y / 3, 61, 2)); }, 1.4f);
    auto flap = [](Vec2 p) { return sdf::rect(p, 3, 12, 37, 24, 4.f); };
    c.fill(0, 0, 40, 60, flap,
           [&](Vec2 p, float) { return shade(olive, 0.78f + 0.35f * bevel(flap, p, 2.f)); });
    c.line({4, 24.5f}, {36, 24.5f}, 1.2f, rgb(30, 32, 20, 0.7f));
    // White patch with the red cross.
    auto patch = [](Vec2 p) { return sdf::rect(p, 7, 28, 33, 54, 3.f); };
    embossed(
        c, patch, 1.5f, [](Vec2) { return rgb(244, 242, 234); }, 0.8f);
    auto cross = [](Vec2 p) {
        return sdf::unite(sdf::box(p, {20, 41}, {10.f, 3.8f}), sdf::box(p, {20, 41}, {3.8f, 10.f}));
    };
    c.fill(0, 0, 40, 60, cross, [&](Vec2 p, float) {
        return shade(rgb(206, 28, 30), 1.f + 0.3f * bevel(cross, p, 1.2f));
    });
    return c;
}

Canvas paintMunnition() {
    Canvas c(40, 60);
    for (int i : {0, 2, 1}) {
        const float cx = 9.f + i * 11.f;
        const float top = i == 1 ? 2.f : 9.f;
        const float hw = 4.6f;
        auto cyl = [&](Rgba col) {
            return [=](Vec2 p, float) {
                const float u = (p.x - cx) / hw; // -1..1 across
                const float light = 0.55f + 0.75f * std::sqrt(std::max(0.f, 1 - u * u)) - 0.25f * u;
                const float shine = std::pow(clamp01(1 - std::abs(u + 0.35f) * 3.f), 2.f) * 0.5f;
                return Rgba{col.r * light + shine, col.g * light + shine, col.b * light + shine, 1};
            };
        };
        // Dark rim first, then case, neck and bullet.
        auto whole = [=](Vec2 p) {
            const float tip = sdf::ellipse(p, {cx, top + 10.f}, hw - 0.8f, 10.f);
            return sdf::unite(sdf::rect(p, cx - hw, top + 14.f, cx + hw, 58, 1.f),
                              sdf::intersect(tip, p.y - (top + 16.f)));
        };
        c.fill(
            0, 0, 40, 60, [&](Vec2 p) { return whole(p) - 1.2f; }, rgb(20, 16, 10, 0.85f));
        auto bullet = [=](Vec2 p) {
            return sdf::intersect(sdf::ellipse(p, {cx, top + 10.f}, hw - 0.8f, 10.f),
                                  p.y - (top + 16.f));
        };
        c.fill(0, 0, 40, 60, bullet, cyl(rgb(190, 100, 56)));
        auto brass = [=](Vec2 p) { return sdf::rect(p, cx - hw, top + 14.f, cx + hw, 56, 1.f); };
        c.fill(0, 0, 40, 60, brass, cyl(rgb(206, 164, 74)));
        auto rim = [=](Vec2 p) {
            return sdf::rect(p, cx - hw - 0.3f, 54.5f, cx + hw + 0.3f, 58, 0.6f);
        };
        c.fill(0, 0, 40, 60, rim, cyl(rgb(170, 128, 54)));
        c.line({cx - hw + 0.5f, top + 15.f}, {cx + hw - 0.5f, top + 15.f}, 0.8f,
               rgb(90, 60, 24, 0.8f));
    }
    return c;
}

// --- Crosshair -------------------------------------------------------------------------------

Canvas paintVisier() {
    Canvas c(200, 200);
    const Vec2 m{100, 100};
    auto reticle = [&](Vec2 p) {
        const Vec2 q = p - m;
        // Outer ring, broken where the cross lines pass.
        float ring = sdf::ring(p, m, 76.f, 3.f);
        const float gap = std::min(std::abs(q.x), std::abs(q.y)) - 9.f;
        ring = sdf::intersect(ring, -gap);
        // Inner arcs on the diagonals.
        float arcs = sdf::ring(p, m, 34.f, 2.f);
        arcs = sdf::intersect(arcs, -(std::min(std::abs(q.x), std::abs(q.y)) - 14.f));
        // Cross lines with a gap at the centre, thicker towards the outside.
        float lines = 1e9f;
        for (Vec2 dir : {Vec2{1, 0}, Vec2{-1, 0}, Vec2{0, 1}, Vec2{0, -1}}) {
            lines = sdf::unite(lines, sdf::segment(p, m + dir * 14.f, m + dir * 56.f, 1.2f));
            lines = sdf::unite(lines, sdf::segment(p, m + dir * 56.f, m + dir * 96.f, 2.6f));
            for (int k = 1; k <= 3; ++k) {
                const Vec2 at = m + dir * (14.f + 10.f * k);
                const Vec2 side{dir.y, dir.x};
                lines = sdf::unite(lines, sdf::segment(p, at - side * 4.f, at + side * 4.f, 0.9f));
            }
        }
        const float dot = sdf::circle(p, m, 2.6f);
        return sdf::unite(sdf::unite(ring, arcs), sdf::unite(lines, dot));
    };
    c.fill(
        0, 0, 200, 200, [&](Vec2 p) { return reticle(p) - 1.6f; }, rgb(10, 10, 10, 0.6f), 2.f);
    c.fill(0, 0, 200, 200, reticle, [&](Vec2 p, float) {
        return length(p - m) < 6.f ? rgb(255, 236, 120) : rgb(255, 84, 48);
    });
    return c;
}

} // namespace

void paintSymbols(std::vector<Picture>& out) {
    out.push_back({"Symbols/The Union.png", paintUnion()});
    out.push_back({"Symbols/The Collective.png", paintCollective()});
    out.push_back({"Symbols/Time.png", paintTime()});
    out.push_back({"Symbols/Points.png", paintPoints()});
    out.push_back({"Symbols/Life.png", paintLife()});
    out.push_back({"Symbols/Munnition.png", paintMunnition()});
    out.push_back({"Symbols/Visier.png", paintVisier()});
}
