#include "tools/content/Noise.hpp"
#include "tools/content/Pictures.hpp"

#include <string>

// The explosion: 20 frames of 256 x 208, blast centred at (128, 104). A white-hot flash and a
// shock ring, a boiling fireball that cools from yellow to red, sparks and debris flying out,
// and a cloud of smoke that lingers and fades to nothing.

namespace {

constexpr int frameW = 256, frameH = 208;
constexpr int frameCount = 20;
const Vec2 centre{128, 104};

Rgba fireColour(float heat) {
    struct Stop {
        float at;
        Rgba c;
    };
    static const Stop ramp[] = {
        {0.00f, rgb(40, 12, 6)},    {0.18f, rgb(150, 30, 8)},    {0.40f, rgb(236, 96, 20)},
        {0.62f, rgb(255, 170, 50)}, {0.82f, rgb(255, 228, 130)}, {1.00f, rgb(255, 252, 236)},
    };
    heat = clamp01(heat);
    for (std::size_t i = 1; i < std::size(ramp); ++i)
        if (heat <= ramp[i].at)
            return mix(ramp[i - 1].c, ramp[i].c,
                       (heat - ramp[i - 1].at) / (ramp[i].at - ramp[i - 1].at));
    return ramp[std::size(ramp) - 1].c;
}

struct Particle {
    Vec2 dir;
    float speed, size, life;
    bool spark;
};

Canvas paintFrame(int f, const std::vector<Particle>& particles) {
    Canvas c(frameW, frameH);
    const float ff = static_cast<float>(f);
    const float fireRadius = 22.f + 62.f * (1.f - std::exp(-ff / 3.2f));
    const float heat = std::exp(-ff / 5.5f);
    const float fireAlpha = 1.f - smoothstep(9.f, 15.f, ff);
    const float smokeRadius = std::min(90.f, fireRadius * 1.05f + ff * 1.6f);
    const float smokeAlpha = smoothstep(1.f, 6.f, ff) * (1.f - smoothstep(10.f, 19.5f, ff)) * 0.9f;
    const float grow = 1.f + 0.05f * ff; // billows swell with the blast

    // Smoke and fire in one pass over the pixels.
    c.paintAll([&](Vec2 p) {
        const Vec2 q = p - centre;
        const float d = length(q);
        // Keep clear of the frame's edges.
        const float edge = 1.f - smoothstep(0.86f, 0.98f, length(Vec2{q.x / 128.f, q.y / 104.f}));
        if (edge <= 0)
            return Rgba{};
        const float n1 =
            fbm(q.x / (16.f * grow) + 50.f, q.y / (16.f * grow) + 50.f + ff * 0.06f, 71, 4);
        const float n2 = fbm(q.x / (9.f * grow) + 20.f, q.y / (9.f * grow) - ff * 0.1f, 72, 3);
        // Smoke: a lumpy cloud, lit from the upper left, slowly rising.
        Rgba out{};
        if (smokeAlpha > 0) {
            const float ds = length(q + Vec2{0, ff * 0.5f}) - (n1 - 0.5f) * 34.f;
            const float density = smoothstep(smokeRadius, smokeRadius * 0.55f, ds);
            const float lit =
                0.75f + 0.6f * (n2 - 0.5f) - 0.25f * q.y / 100.f - 0.15f * q.x / 120.f;
            Rgba smoke = shade(rgb(70, 64, 58), lit);
            // Glowing from below while the fire burns.
            smoke =
                mix(smoke, rgb(150, 60, 20),
                    fireAlpha * heat * 0.6f * smoothstep(fireRadius * 1.4f, fireRadius * 0.6f, d));
            out = withAlpha(smoke, density * smokeAlpha);
        }
        if (fireAlpha > 0) {
            const float df = d - (n1 - 0.5f) * 40.f - (n2 - 0.5f) * 14.f;
            const float density = smoothstep(fireRadius, fireRadius * 0.45f, df);
            const float core = smoothstep(fireRadius * 0.9f, 0.f, d);
            const float t =
                clamp01(density * (0.35f + 0.75f * heat) + core * heat * 0.5f + (n2 - 0.5f) * 0.3f);
            const Rgba fire = fireColour(t);
            const float a = clamp01(density * 1.3f) * fireAlpha;
            // Fire over smoke.
            const float total = a + out.a * (1 - a);
            if (total > 0) {
                const float ws = out.a * (1 - a) / total, wf = a / total;
                out = {fire.r * wf + out.r * ws, fire.g * wf + out.g * ws, fire.b * wf + out.b * ws,
                       total};
            }
        }
        out.a *= edge;
        return out;
    });

    // The first flash and its shock ring.
    if (f < 6) {
        const float r = 16.f + ff * 15.f, a = (1.f - ff / 6.f) * 0.55f;
        c.fill(
            centre.x - r - 6, centre.y - r - 6, centre.x + r + 6, centre.y + r + 6,
            [&](Vec2 p) { return sdf::ring(p, centre, r, 3.f + ff); }, rgb(255, 244, 210, a), 3.f);
    }
    if (f < 3) {
        const float r = 40.f - ff * 8.f;
        c.fill(
            centre.x - r, centre.y - r, centre.x + r, centre.y + r,
            [&](Vec2 p) { return sdf::circle(p, centre, r); },
            [&](Vec2 p, float) {
                return rgb(255, 255, 240,
                           (1.f - ff / 3.f) * smoothstep(r, 0.f, length(p - centre)));
            },
            4.f);
    }
    // Sparks streak outwards; debris tumbles and darkens.
    for (const Particle& pt : particles) {
        if (ff > pt.life)
            continue;
        const float fade = 1.f - ff / pt.life;
        const float dist0 = 8.f + pt.speed * std::max(0.f, ff - 0.8f),
                    dist1 = 8.f + pt.speed * (ff + 0.2f);
        const Vec2 a = centre + pt.dir * dist0,
                   b = centre + pt.dir * dist1 + Vec2{0, ff * ff * 0.12f};
        const Vec2 off = b - centre;
        if (std::abs(off.x) > 120 || std::abs(off.y) > 96)
            continue;
        if (pt.spark) {
            c.line(a, b, pt.size * 2.2f, rgb(255, 150, 50, 0.35f * fade));
            c.line(a, b, pt.size, rgb(255, 236, 170, 0.95f * fade));
        } else if (length(off) > fireRadius * 0.8f) {
            // Debris shows once it has left the fireball.
            c.fill(
                b.x - 4, b.y - 4, b.x + 4, b.y + 4,
                [&](Vec2 p) {
                    return sdf::box(p, b, {pt.size, pt.size * 0.6f}, 0.4f, ff * 0.7f + pt.speed);
                },
                rgb(36, 30, 26, 0.9f * fade));
        }
    }
    return c;
}

} // namespace

void paintEffects(std::vector<Picture>& out) {
    Rng rng(2024);
    std::vector<Particle> particles;
    for (int i = 0; i < 46; ++i) {
        const float ang = rng.range(0, 2 * pi);
        const bool spark = i < 34;
        particles.push_back({{std::cos(ang), std::sin(ang) * 0.85f},
                             spark ? rng.range(6.f, 12.f) : rng.range(4.f, 8.f),
                             spark ? rng.range(0.9f, 1.8f) : rng.range(1.4f, 2.6f),
                             spark ? rng.range(6.f, 12.f) : rng.range(10.f, 16.f),
                             spark});
    }
    for (int f = 0; f < frameCount; ++f)
        out.push_back({"Effects/Pic_" + std::to_string(f) + ".png", paintFrame(f, particles)});
}
