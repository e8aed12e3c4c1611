#include "tools/content/Icon.hpp"
#include "tools/content/Noise.hpp"
#include "tools/content/Pictures.hpp"

namespace {

Canvas paintLargeIcon() {
    constexpr float s = 256;
    Canvas c(256, 256);
    const Vec2 m{128, 128};
    auto plate = [](Vec2 p) { return sdf::rect(p, 12, 12, s - 12, s - 12, 36.f); };

    // Shadow and dark rim, then the camouflaged plate with its bevel.
    c.fill(
        0, 0, s, s,
        [&](Vec2 p) {
            return plate(p - Vec2{3, 5}) - 2.f;
        },
        rgb(0, 0, 0, 0.45f), 6.f);
    c.fill(
        0, 0, s, s, [&](Vec2 p) { return plate(p) - 3.f; }, rgb(20, 22, 16));
    c.fill(0, 0, s, s, plate, [&](Vec2 p, float) {
        const float n = fbm(p.x / 40.f, p.y / 40.f, 71, 4);
        const Rgba base = n < 0.42f   ? rgb(62, 74, 40)
                          : n < 0.55f ? rgb(98, 110, 62)
                                      : rgb(132, 120, 78);
        return shade(base, 1.f + 0.5f * bevel(plate, p, 8.f) + 0.15f * (m.y - p.y) / s);
    });
    for (Vec2 at : {Vec2{38, 38}, Vec2{s - 38, 38}, Vec2{38, s - 38}, Vec2{s - 38, s - 38}})
        paint::rivet(c, at, 7.f, rgb(150, 156, 160));

    // The gun sight, dark-edged so that it reads on the camouflage.
    auto sight = [&](Vec2 p) {
        const Vec2 q = p - m;
        const float gap = std::min(std::abs(q.x), std::abs(q.y)) - 12.f;
        float d = sdf::intersect(sdf::ring(p, m, 84.f, 9.f), -gap);
        for (Vec2 dir : {Vec2{1, 0}, Vec2{-1, 0}, Vec2{0, 1}, Vec2{0, -1}})
            d = sdf::unite(d, sdf::segment(p, m + dir * 60.f, m + dir * 106.f, 5.f));
        return d;
    };
    c.fill(
        0, 0, s, s, [&](Vec2 p) { return sight(p) - 3.f; }, rgb(10, 10, 10, 0.7f), 2.f);
    c.fill(0, 0, s, s, sight, rgb(240, 70, 40));

    // The star in the middle.
    std::vector<Vec2> star;
    for (int i = 0; i < 10; ++i) {
        const float a = -pi / 2 + i * pi / 5;
        star.push_back(m + Vec2{std::cos(a), std::sin(a)} * (i % 2 ? 22.f : 54.f));
    }
    auto starShape = [&](Vec2 p) { return sdf::polygon(p, star); };
    c.fill(
        0, 0, s, s, [&](Vec2 p) { return starShape(p) - 3.f; }, rgb(20, 18, 14, 0.85f));
    c.fill(0, 0, s, s, starShape, [&](Vec2 p, float) {
        return shade(rgb(240, 214, 120), 1.f + 0.45f * bevel(starShape, p, 6.f));
    });
    return c;
}

} // namespace

Canvas paintIcon(int size) {
    Canvas large = paintLargeIcon();
    if (size == large.width())
        return large;
    Canvas c(size, size);
    c.drawScaled(large, 0, 0, static_cast<float>(size), static_cast<float>(size));
    return c;
}
