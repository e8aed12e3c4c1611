#include "tools/content/Noise.hpp"
#include "tools/content/Pictures.hpp"

// Top-down figures. Soldiers face up with the gun reaching the top edge and turn about a fixed
// point; tanks face right; the tower's barrel points up.

namespace {

// A camouflage of up to three blotch colours over a base, in the figure's own pixel space.
Rgba camo(Vec2 p, Rgba base, Rgba c1, Rgba c2, Rgba c3, float scale, std::uint32_t seed) {
    const float n1 = fbm(p.x / scale, p.y / scale, seed, 3);
    const float n2 = fbm(p.x / scale + 17.3f, p.y / scale - 4.1f, seed + 5, 3);
    Rgba c = base;
    if (n1 > 0.56f)
        c = c1;
    if (n2 > 0.58f)
        c = c2;
    if (n1 < 0.36f)
        c = c3;
    return c;
}

// --- Soldiers --------------------------------------------------------------------------------

enum class Weapon { LongRifle, Rifle, Carbine, MachineGun, Launcher };

struct SoldierLook {
    const char* path;
    int width, height;
    Vec2 pivot;
    Rgba base, blotch1, blotch2, blotch3; // uniform camouflage
    Rgba gear;                            // vest, pouches, pack
    Rgba helmet;
    Weapon weapon;
    int armour; // 0 none, 1 vest, 2 vest and pads, 3 heavy plates
    std::uint32_t seed;
};

const Rgba skin = rgb(196, 150, 112);
const Rgba gunMetal = rgb(46, 48, 50);
const Rgba wood = rgb(112, 72, 40);

// The gun along x = gx from the top edge down to the shoulder; returns where the hands go.
struct Grip {
    Vec2 rear, front;
};

Grip paintWeapon(Canvas& c, const SoldierLook& s, float gx) {
    const float py = s.pivot.y;
    auto part = [&](float x0, float y0, float x1, float y1, float r, Rgba col) {
        auto f = [=](Vec2 p) { return sdf::rect(p, x0, y0, x1, y1, r); };
        c.fill(x0, y0, x1, y1, f, [&](Vec2 p, float) {
            // Rounded in cross-section: lit on the left, dark on the right.
            const float t = (p.x - x0) / std::max(x1 - x0, 1.f);
            return shade(col, 1.25f - 0.55f * t + 0.4f * bevel(f, p, 1.2f));
        });
    };
    switch (s.weapon) {
    case Weapon::LongRifle:
        part(gx - 1.3f, 1, gx + 1.3f, py - 36, 1.2f, gunMetal);       // barrel
        part(gx - 2.0f, 2, gx + 2.0f, 6, 0.8f, gunMetal);             // front sight
        part(gx - 2.6f, py - 44, gx + 2.6f, py - 14, 1.5f, wood);     // fore-end
        part(gx - 2.2f, py - 18, gx + 2.2f, py - 8, 1.0f, gunMetal);  // action
        part(gx + 2.0f, py - 16, gx + 5.0f, py - 13, 1.0f, gunMetal); // bolt handle
        part(gx - 3.0f, py - 9, gx + 3.0f, py + 3, 2.0f, wood);       // stock
        return {{gx, py - 8}, {gx, py - 32}};
    case Weapon::Rifle:
        part(gx - 1.2f, 1, gx + 1.2f, py - 34, 1.1f, gunMetal);
        part(gx - 2.2f, 1, gx + 2.2f, 6, 1.0f, gunMetal);                    // flash hider
        part(gx - 2.8f, py - 40, gx + 2.8f, py - 22, 1.2f, rgb(60, 62, 58)); // handguard
        part(gx - 3.0f, py - 24, gx + 3.0f, py - 6, 1.2f, gunMetal);
        part(gx - 1.6f, py - 28, gx + 1.6f, py - 14, 0.8f, rgb(30, 30, 30)); // sight rail
        part(gx - 2.6f, py - 7, gx + 2.6f, py + 3, 1.5f, rgb(40, 42, 40));
        return {{gx, py - 9}, {gx, py - 30}};
    case Weapon::Carbine:
        part(gx - 2.4f, 1, gx + 2.4f, py - 26, 2.0f, rgb(38, 40, 42)); // suppressor
        part(gx - 3.2f, py - 30, gx + 3.2f, py - 6, 1.4f, gunMetal);
        part(gx - 1.8f, py - 24, gx + 1.8f, py - 12, 1.0f, rgb(120, 36, 30)); // red-dot sight
        part(gx - 2.5f, py - 7, gx + 2.5f, py + 3, 1.5f, rgb(40, 42, 40));
        return {{gx, py - 9}, {gx, py - 24}};
    case Weapon::MachineGun:
        part(gx - 1.8f, 1, gx + 1.8f, py - 30, 1.5f, gunMetal);
        part(gx - 3.0f, 1, gx + 3.0f, 5, 1.2f, gunMetal);
        // Perforated heat shield.
        part(gx - 2.8f, py - 46, gx + 2.8f, py - 28, 1.4f, rgb(70, 72, 70));
        for (float y = py - 44; y < py - 30; y += 4)
            c.fill(
                gx - 1.2f, y, gx + 1.2f, y + 2,
                [=](Vec2 p) {
                    return sdf::circle(p, {gx, y + 1}, 0.9f);
                },
                rgb(15, 15, 15));
        part(gx - 3.8f, py - 30, gx + 3.8f, py - 6, 1.5f, gunMetal);
        // Ammunition box on the left side.
        part(gx - 10.f, py - 24, gx - 3.5f, py - 13, 1.2f, rgb(78, 86, 56));
        part(gx - 3.0f, py - 7, gx + 3.0f, py + 4, 1.8f, rgb(40, 42, 40));
        return {{gx, py - 9}, {gx, py - 28}};
    case Weapon::Launcher:
        // A tube over the shoulder with the warhead peeking out at the top.
        part(gx - 3.0f, 7, gx + 3.0f, 20, 2.8f, rgb(96, 104, 64));          // warhead
        part(gx - 1.2f, 1, gx + 1.2f, 9, 1.1f, rgb(96, 104, 64));           // nose
        part(gx - 4.2f, 18, gx + 4.2f, py + 12, 2.0f, rgb(62, 70, 52));     // tube
        part(gx - 4.6f, 18, gx + 4.6f, 22, 1.0f, rgb(40, 42, 40));          // front ring
        part(gx - 4.6f, py + 8, gx + 4.6f, py + 12, 1.0f, rgb(40, 42, 40)); // rear ring
        part(gx - 6.8f, py - 28, gx - 3.6f, py - 18, 1.0f, gunMetal);       // sight
        return {{gx - 2, py - 10}, {gx - 2, py - 24}};
    }
    return {};
}

Canvas paintSoldier(const SoldierLook& s) {
    Canvas fig(s.width, s.height);
    const Vec2 P = s.pivot;
    const float rx = s.width / 2.f - 2.5f; // shoulder half width
    auto uniform = [&](Vec2 p) {
        return mix(s.base, camo(p, s.base, s.blotch1, s.blotch2, s.blotch3, 6.f, s.seed), 0.7f);
    };

    // Pack on the back.
    {
        const float hw = s.armour >= 2 ? 10.5f : 9.f, hh = s.armour >= 2 ? 9.f : 8.f;
        const Vec2 c{P.x, P.y + 7};
        auto f = [=](Vec2 p) { return sdf::box(p, c, {hw, hh}, 3.f); };
        fig.fill(c.x - hw, c.y - hh, c.x + hw, c.y + hh, f, [&](Vec2 p, float) {
            return shade(shade(s.gear, 0.85f), 1.f + 0.35f * bevel(f, p, 3.f));
        });
        // Bedroll across the top of the pack.
        auto roll = [=](Vec2 p) {
            return sdf::segment(p, {c.x - hw + 2, c.y + hh - 3}, {c.x + hw - 2, c.y + hh - 3},
                                2.2f);
        };
        fig.fill(c.x - hw - 3, c.y + hh - 5, c.x + hw + 3, c.y + hh + 1, roll, [&](Vec2 p, float) {
            return shade(mix(s.gear, rgb(90, 80, 58), 0.5f),
                         0.7f + 0.45f * (1 - clamp01(std::abs(p.y - (c.y + hh - 3.5f)) / 2.2f)));
        });
    }
    // Shoulders and torso.
    auto torso = [=](Vec2 p) { return sdf::ellipse(p, P, rx, 9.5f); };
    fig.fill(P.x - rx, P.y - 10, P.x + rx, P.y + 10, torso, [&](Vec2 p, float) {
        return shade(uniform(p), 0.8f + 0.45f * bevel(torso, p, 5.f) + 0.15f * (P.y - p.y) / 10.f);
    });
    // Armour.
    if (s.armour >= 1) {
        const float hw = rx - (s.armour >= 3 ? 3.f : 5.f);
        auto vest = [=](Vec2 p) { return sdf::box(p, {P.x, P.y + 0.5f}, {hw, 7.5f}, 3.5f); };
        fig.fill(P.x - hw, P.y - 8, P.x + hw, P.y + 9, vest,
                 [&](Vec2 p, float) { return shade(s.gear, 1.f + 0.4f * bevel(vest, p, 2.f)); });
        // Pouches across the chest.
        for (int i = -1; i <= 1; ++i) {
            const Vec2 c{P.x + i * 6.2f, P.y - 6.f};
            auto pouch = [=](Vec2 p) { return sdf::box(p, c, {2.6f, 2.2f}, 0.8f); };
            fig.fill(c.x - 3, c.y - 3, c.x + 3, c.y + 3, pouch, [&](Vec2 p, float) {
                return shade(s.gear, 0.8f + 0.5f * bevel(pouch, p, 1.2f));
            });
        }
    }
    if (s.armour >= 2) {
        for (int side : {-1, 1}) {
            const Vec2 c{P.x + side * (rx - 3.f), P.y - 0.5f};
            const float r = s.armour >= 3 ? 6.5f : 5.5f;
            fig.fill(
                c.x - r, c.y - r, c.x + r, c.y + r, [=](Vec2 p) { return sdf::circle(p, c, r); },
                [&](Vec2 p, float) {
                    return shade(s.armour >= 3 ? rgb(88, 92, 96) : s.gear,
                                 0.45f + 0.55f * domeLight(p, c, r, 0.1f));
                });
        }
    }
    if (s.armour >= 3) {
        // Collar plate.
        auto collar = [=](Vec2 p) { return sdf::ring(p, {P.x, P.y - 1}, 9.5f, 3.f); };
        fig.fill(
            P.x - 11, P.y - 12, P.x + 11, P.y + 10,
            [=](Vec2 p) { return sdf::intersect(collar(p), p.y - (P.y + 2)); },
            [&](Vec2 p, float) {
                return shade(rgb(78, 82, 86), 1.f + 0.5f * bevel(collar, p, 1.5f));
            });
    }
    // Arms reaching to the gun.
    const float gx = s.weapon == Weapon::Launcher ? P.x + 7.f : P.x + 4.5f;
    // Paint the gun on its own canvas so the hands can go over it.
    Canvas gun(s.width, s.height);
    const Grip grip = paintWeapon(gun, s, gx);
    const Vec2 rightShoulder{P.x + rx - 5.f, P.y - 1.f}, leftShoulder{P.x - rx + 5.f, P.y - 1.f};
    auto arm = [&](Vec2 a, Vec2 b) {
        auto f = [=](Vec2 p) { return sdf::segment(p, a, b, 2.9f); };
        fig.fill(std::min(a.x, b.x) - 4, std::min(a.y, b.y) - 4, std::max(a.x, b.x) + 4,
                 std::max(a.y, b.y) + 4, f, [&](Vec2 p, float d) {
                     return shade(mix(s.base, uniform(p), 0.4f),
                                  0.7f + 0.45f * clamp01(-d / 2.9f) + 0.25f * bevel(f, p, 2.f));
                 });
    };
    arm(rightShoulder, grip.rear);
    arm(leftShoulder, grip.front);
    fig.draw(gun, 0, 0);
    const Rgba glove = s.armour >= 1 ? rgb(52, 50, 44) : skin;
    for (Vec2 h : {grip.rear, grip.front})
        fig.fill(
            h.x - 3.5f, h.y - 3.5f, h.x + 3.5f, h.y + 3.5f,
            [=](Vec2 p) { return sdf::circle(p, h, 2.8f); },
            [&](Vec2 p, float) { return shade(glove, domeLight(p, h, 2.8f, 0.2f)); });
    // Head: helmet or cap, centred on the turning point.
    {
        const Vec2 c{P.x, P.y - 1.f};
        const float r = s.armour >= 3 ? 8.2f : 7.4f;
        // Brim or helmet rim as a slightly larger dark disc.
        fig.fill(
            c.x - r - 2, c.y - r - 2, c.x + r + 2, c.y + r + 2,
            [=](Vec2 p) {
                return sdf::circle(p, c + Vec2{0, -0.6f}, r + 1.2f);
            },
            shade(s.helmet, 0.55f));
        fig.fill(
            c.x - r, c.y - r, c.x + r, c.y + r, [=](Vec2 p) { return sdf::circle(p, c, r); },
            [&](Vec2 p, float) {
                Rgba base = s.helmet;
                if (s.armour == 1 || s.armour == 2) {
                    // Helmet net.
                    const float n = std::fmod(std::abs(p.x - p.y + 40.f), 3.f) < 0.7f ||
                                            std::fmod(std::abs(p.x + p.y), 3.f) < 0.7f
                                        ? 0.8f
                                        : 1.f;
                    base = shade(base, n);
                }
                return shade(base, domeLight(p, c, r, 0.35f));
            });
        if (s.armour >= 3) {
            // Visor slit facing forward.
            auto visor = [=](Vec2 p) {
                return sdf::intersect(sdf::ring(p, c, r - 1.5f, 2.2f), p.y - (c.y - 3.f));
            };
            fig.fill(c.x - r, c.y - r, c.x + r, c.y, visor, rgb(200, 60, 30, 0.9f));
        }
    }
    Canvas out(s.width, s.height);
    paint::withShadow(out, fig, 1, 2, 2.5f, 0.45f);
    return out;
}

// --- Tanks -----------------------------------------------------------------------------------

// A run of track: rubber pads crossing it, drive sprocket glints at the ends.
void paintTrack(Canvas& c, float x0, float x1, float y0, float y1, Rgba col) {
    auto f = [=](Vec2 p) { return sdf::rect(p, x0, y0, x1, y1, (y1 - y0) * 0.45f); };
    c.fill(x0, y0, x1, y1, f, [&](Vec2 p, float) {
        const float link = std::fmod(p.x - x0, 5.f);
        const float groove = link < 1.2f ? 0.55f : 1.f;
        const float guide = std::abs(p.y - (y0 + y1) / 2) < 1.2f ? 0.8f : 1.f;
        return shade(col, groove * guide * (1.f + 0.35f * bevel(f, p, 2.5f)));
    });
}

struct TankLook {
    const char* path;
    int width, height;
    Rgba hull, blotch1, blotch2, track;
    bool heavy;
    std::uint32_t seed;
};

Canvas paintTank(const TankLook& t) {
    const float W = static_cast<float>(t.width), H = static_cast<float>(t.height);
    Canvas fig(t.width, t.height);
    const float cy = H / 2;
    const float trackW = t.heavy ? 16.f : 14.f;
    paintTrack(fig, 3, W - 18, 2, 2 + trackW, t.track);
    paintTrack(fig, 3, W - 18, H - 2 - trackW, H - 2, t.track);
    // Hull with fenders over the inner part of the tracks, chamfered front.
    const float hx0 = 5, hx1 = W - 20, hy0 = 2 + trackW - 5, hy1 = H - 2 - trackW + 5;
    const std::vector<Vec2> hullPts = {{hx0, hy0 + 2}, {hx1 - 9, hy0}, {hx1, hy0 + 7},
                                       {hx1, hy1 - 7}, {hx1 - 9, hy1}, {hx0, hy1 - 2}};
    auto hull = [&](Vec2 p) { return sdf::polygon(p, hullPts) - 1.f; };
    auto hullColour = [&](Vec2 p) {
        Rgba c = mix(t.hull, camo(p, t.hull, t.blotch1, t.blotch2, t.hull, 10.f, t.seed),
                     t.heavy ? 0.45f : 0.6f);
        if (t.heavy) {
            // Rust where the paint has worn off.
            const float rust = fbm(p.x / 4.f, p.y / 4.f, t.seed + 3, 3);
            c = mix(c, rgb(120, 66, 36), smoothstep(0.66f, 0.78f, rust) * 0.8f);
        }
        return c;
    };
    fig.fill(hx0 - 2, hy0 - 2, hx1 + 2, hy1 + 2, hull, [&](Vec2 p, float) {
        return shade(hullColour(p), 1.f + 0.45f * bevel(hull, p, 3.f));
    });
    // Engine deck: grilles at the rear.
    for (int i = 0; i < 2; ++i) {
        const float gy0 = cy - 14 + i * 15, gy1 = gy0 + 12;
        auto g = [=](Vec2 p) { return sdf::rect(p, hx0 + 4, gy0, hx0 + 24, gy1, 1.5f); };
        fig.fill(hx0 + 3, gy0 - 1, hx0 + 25, gy1 + 1, g, [&](Vec2 p, float) {
            const float slat = std::fmod(p.x - hx0, 3.f) < 1.4f ? 0.45f : 0.8f;
            return shade(hullColour(p), slat * (1.f - 0.4f * bevel(g, p, 1.5f)));
        });
    }
    // Exhausts and tools along the fenders.
    for (int side : {-1, 1}) {
        const float y = cy + side * (H / 2 - trackW - 1.5f);
        auto tool = [=](Vec2 p) { return sdf::segment(p, {hx0 + 32, y}, {hx0 + 58, y}, 1.3f); };
        fig.fill(hx0 + 30, y - 2, hx0 + 60, y + 2, tool, rgb(96, 74, 50));
        const Vec2 ex{hx0 + 2.5f, cy + side * 9.f};
        fig.fill(
            ex.x - 3, ex.y - 3, ex.x + 3, ex.y + 3,
            [=](Vec2 p) { return sdf::circle(p, ex, 2.6f); },
            [&](Vec2 p, float) { return shade(rgb(50, 44, 40), domeLight(p, ex, 2.6f)); });
    }
    // Turret with shadow.
    const Vec2 tc{W * (t.heavy ? 0.50f : 0.48f), cy};
    // Compact hulls: the turret keeps its share of the hull's depth.
    const float tr = (t.heavy ? 23.f : 20.f) * H / (t.heavy ? 78.f : 72.f);
    std::vector<Vec2> turretPts;
    if (t.heavy) {
        turretPts = {{tc.x - tr, tc.y - tr * 0.75f},
                     {tc.x + tr * 0.55f, tc.y - tr * 0.9f},
                     {tc.x + tr * 1.15f, tc.y - tr * 0.35f},
                     {tc.x + tr * 1.15f, tc.y + tr * 0.35f},
                     {tc.x + tr * 0.55f, tc.y + tr * 0.9f},
                     {tc.x - tr, tc.y + tr * 0.75f},
                     {tc.x - tr * 1.25f, tc.y}};
    }
    auto turret = [&](Vec2 p) {
        if (t.heavy)
            return sdf::polygon(p, turretPts) - 1.5f;
        return sdf::ellipse(p, tc, tr * 1.1f, tr * 0.9f);
    };
    Canvas top(t.width, t.height);
    // Barrel first so the turret covers its root.
    const float bx0 = tc.x + tr * 0.6f, bx1 = W - 1;
    const float br = t.heavy ? 3.4f : 2.8f;
    auto barrel = [=](Vec2 p) { return sdf::rect(p, bx0, cy - br, bx1 - 8, cy + br, br * 0.8f); };
    auto barrelColour = [&](Vec2 p) {
        return shade(t.hull, 0.75f + 0.5f * (1 - clamp01(std::abs(p.y - (cy - br * 0.4f)) / br)));
    };
    top.fill(bx0, cy - br - 1, bx1, cy + br + 1, barrel,
             [&](Vec2 p, float) { return barrelColour(p); });
    if (t.heavy) {
        // Fume extractor bulge.
        auto bulge = [=](Vec2 p) {
            return sdf::rect(p, bx0 + 18, cy - br - 1.4f, bx0 + 30, cy + br + 1.4f, 2.5f);
        };
        top.fill(bx0 + 16, cy - br - 3, bx0 + 32, cy + br + 3, bulge,
                 [&](Vec2 p, float) { return shade(barrelColour(p), 0.95f); });
    }
    auto brake = [=](Vec2 p) {
        return sdf::rect(p, bx1 - 10, cy - br - 1.8f, bx1, cy + br + 1.8f, 1.2f);
    };
    top.fill(bx1 - 11, cy - br - 3, bx1, cy + br + 3, brake, [&](Vec2 p, float) {
        const float slot = std::abs(p.x - (bx1 - 5)) < 1.0f ? 0.35f : 1.f;
        return shade(t.hull, slot * (0.8f + 0.45f * bevel(brake, p, 1.5f)));
    });
    top.fill(tc.x - tr * 1.3f, tc.y - tr - 1, tc.x + tr * 1.2f, tc.y + tr + 1, turret,
             [&](Vec2 p, float) {
                 return shade(mix(hullColour(p + Vec2{31.f, 7.f}), t.hull, 0.5f),
                              1.12f + 0.5f * bevel(turret, p, 4.f));
             });
    // Mantlet.
    auto mantlet = [=](Vec2 p) {
        return sdf::rect(p, tc.x + tr * 0.7f, cy - br - 3, tc.x + tr * 1.15f + 3, cy + br + 3, 2.f);
    };
    top.fill(tc.x + tr * 0.6f, cy - br - 4, tc.x + tr * 1.3f + 4, cy + br + 4, mantlet,
             [&](Vec2 p, float) { return shade(t.hull, 0.9f + 0.5f * bevel(mantlet, p, 2.f)); });
    // Hatches, periscope and a machine gun on the roof.
    const Vec2 hatch{tc.x - tr * 0.35f, tc.y - tr * 0.35f};
    top.fill(
        hatch.x - 7, hatch.y - 7, hatch.x + 7, hatch.y + 7,
        [=](Vec2 p) { return sdf::circle(p, hatch, 6.f); },
        [&](Vec2 p, float) {
            return shade(t.hull, 0.55f + 0.5f * domeLight(p, hatch, 6.f, 0.2f));
        });
    const Vec2 hatch2{tc.x - tr * 0.3f, tc.y + tr * 0.42f};
    top.fill(
        hatch2.x - 6, hatch2.y - 6, hatch2.x + 6, hatch2.y + 6,
        [=](Vec2 p) { return sdf::circle(p, hatch2, 4.6f); },
        [&](Vec2 p, float) {
            return shade(t.hull, 0.5f + 0.45f * domeLight(p, hatch2, 4.6f, 0.2f));
        });
    top.line(hatch + Vec2{3, 0}, hatch + Vec2{17, -2}, 1.8f, rgb(40, 40, 40));
    if (t.heavy) {
        // Reactive armour blocks on the turret front.
        for (int side : {-1, 1})
            for (int i = 0; i < 3; ++i) {
                const float x = tc.x + tr * 0.25f + i * 5.f, y = cy + side * (tr * 0.55f);
                auto blk = [=](Vec2 p) { return sdf::box(p, {x, y}, {2.1f, 3.5f}, 0.6f); };
                top.fill(x - 3, y - 5, x + 3, y + 5, blk, [&](Vec2 p, float) {
                    return shade(rgb(96, 100, 92), 0.9f + 0.6f * bevel(blk, p, 1.2f));
                });
            }
    } else {
        // Stowage basket at the turret rear.
        auto basket = [=](Vec2 p) {
            return sdf::rect(p, tc.x - tr * 1.45f, cy - 9, tc.x - tr * 0.95f, cy + 9, 1.5f);
        };
        top.fill(tc.x - tr * 1.5f, cy - 10, tc.x - tr * 0.9f, cy + 10, basket, [&](Vec2 p, float) {
            const float mesh = std::fmod(p.y + 30.f, 3.f) < 1.f ? 0.6f : 1.f;
            return shade(rgb(80, 74, 52), mesh * (0.9f + 0.4f * bevel(basket, p, 1.5f)));
        });
    }
    paint::withShadow(fig, top, 3, 4, 3.5f, 0.65f);
    paint::weather(fig, t.seed + 11, 0.35f);
    Canvas out(t.width, t.height);
    paint::withShadow(out, fig, 1, 2, 2.f, 0.35f);
    return out;
}

// The harmless vehicle: a white ambulance truck with red crosses, no gun.
Canvas paintAmbulance(int width, int height) {
    const float W = static_cast<float>(width), H = static_cast<float>(height), cy = H / 2;
    Canvas fig(width, height);
    const Rgba white = rgb(226, 222, 206), red = rgb(196, 30, 28);
    // Wheels peeking out at the sides.
    for (float x : {16.f, 34.f, W - 30.f})
        for (int side : {-1, 1}) {
            const float y = cy + side * (H / 2 - 6.f);
            auto wheel = [=](Vec2 p) { return sdf::box(p, {x, y}, {7.f, 4.5f}, 2.f); };
            fig.fill(x - 8, y - 6, x + 8, y + 6, wheel, [&](Vec2 p, float) {
                const float tread = std::fmod(p.x, 3.f) < 1.2f ? 0.6f : 1.f;
                return shade(rgb(34, 34, 34), tread * (1.f + 0.6f * bevel(wheel, p, 2.f)));
            });
        }
    // Cargo box.
    const float by0 = 7, by1 = H - 7;
    auto box = [=](Vec2 p) { return sdf::rect(p, 3, by0, W - 30, by1, 3.f); };
    fig.fill(2, by0 - 1, W - 29, by1 + 1, box, [&](Vec2 p, float) {
        const float rib = std::fmod(p.x, 10.f) < 1.f ? 0.92f : 1.f;
        return shade(white, rib * (1.f + 0.3f * bevel(box, p, 3.f)));
    });
    // Green band along the roof edges.
    for (float y : {by0 + 4.f, by1 - 4.f})
        fig.fill(
            4, y - 2, W - 31, y + 2,
            [=](Vec2 p) { return sdf::rect(p, 5, y - 1.6f, W - 32, y + 1.6f); }, rgb(60, 120, 70));
    // Red cross in a white disc on the roof.
    const Vec2 rc{(W - 30) / 2 + 1, cy};
    fig.fill(
        rc.x - 19, rc.y - 19, rc.x + 19, rc.y + 19,
        [=](Vec2 p) { return sdf::circle(p, rc, 17.f); },
        [&](Vec2 p, float) {
            return shade(rgb(250, 250, 246), 0.95f + 0.08f * domeLight(p, rc, 40.f));
        });
    auto cross = [=](Vec2 p) {
        return sdf::unite(sdf::box(p, rc, {12.5f, 4.6f}), sdf::box(p, rc, {4.6f, 12.5f}));
    };
    fig.fill(rc.x - 14, rc.y - 14, rc.x + 14, rc.y + 14, cross,
             [&](Vec2 p, float) { return shade(red, 1.f + 0.25f * bevel(cross, p, 1.5f)); });
    // Cab at the front with its windscreen and a blue beacon.
    const float cx0 = W - 30, cx1 = W - 2;
    auto cab = [=](Vec2 p) { return sdf::rect(p, cx0, by0 + 3, cx1, by1 - 3, 5.f); };
    fig.fill(cx0 - 1, by0 + 2, cx1 + 1, by1 - 2, cab,
             [&](Vec2 p, float) { return shade(white, 0.95f + 0.35f * bevel(cab, p, 3.f)); });
    auto glass = [=](Vec2 p) { return sdf::rect(p, cx1 - 14, by0 + 7, cx1 - 8, by1 - 7, 1.5f); };
    fig.fill(cx1 - 15, by0 + 6, cx1 - 7, by1 - 6, glass, [&](Vec2 p, float) {
        return mix(rgb(40, 60, 80), rgb(150, 190, 210),
                   clamp01((by1 - 7 - p.y) / (by1 - by0 - 14)) * 0.6f);
    });
    const Vec2 beacon{cx0 + 6, cy};
    fig.fill(
        beacon.x - 5, beacon.y - 5, beacon.x + 5, beacon.y + 5,
        [=](Vec2 p) { return sdf::circle(p, beacon, 3.6f); },
        [&](Vec2 p, float) { return shade(rgb(70, 120, 255), domeLight(p, beacon, 3.6f, 0.8f)); });
    // Red crosses on the cargo doors at the rear.
    const Vec2 rear{8.f, cy};
    auto small = [=](Vec2 p) {
        return sdf::unite(sdf::box(p, rear, {3.6f, 1.4f}), sdf::box(p, rear, {1.4f, 3.6f}));
    };
    fig.fill(rear.x - 5, rear.y - 5, rear.x + 5, rear.y + 5, small, red);
    paint::weather(fig, 93, 0.18f);
    Canvas out(width, height);
    paint::withShadow(out, fig, 1, 2, 2.f, 0.35f);
    return out;
}

// --- Tower -----------------------------------------------------------------------------------

Canvas paintTower() {
    const int w = 42, h = 96;
    const Vec2 P{21, 74};
    Canvas fig(w, h);
    // Sandbag ring around the emplacement.
    Rng rng(404);
    const int bags = 12;
    for (int i = 0; i < bags; ++i) {
        const float a = (i + 0.5f) / bags * 2 * pi;
        const Vec2 c = P + Vec2{std::cos(a), std::sin(a)} * 15.5f;
        const float ang = a + pi / 2;
        auto bag = [=](Vec2 p) { return sdf::box(p, c, {4.6f, 2.8f}, 2.3f, ang); };
        const float tint = rng.range(0.9f, 1.08f);
        fig.fill(c.x - 6, c.y - 6, c.x + 6, c.y + 6, bag, [&](Vec2 p, float) {
            return shade(rgb(150, 130, 90), tint * (0.8f + 0.5f * bevel(bag, p, 2.2f)));
        });
    }
    // Steel base ring.
    auto base = [=](Vec2 p) { return sdf::circle(p, P, 12.5f); };
    fig.fill(P.x - 13, P.y - 13, P.x + 13, P.y + 13, base, [&](Vec2 p, float) {
        return shade(rgb(70, 74, 70), 1.f + 0.5f * bevel(base, p, 2.5f));
    });
    for (int i = 0; i < 8; ++i) {
        const float a = i / 8.f * 2 * pi;
        paint::rivet(fig, P + Vec2{std::cos(a), std::sin(a)} * 10.8f, 0.9f, rgb(150, 150, 140));
    }
    // Twin barrels up to the top edge.
    Canvas top(w, h);
    for (float bx : {P.x - 3.6f, P.x + 3.6f}) {
        auto barrel = [=](Vec2 p) { return sdf::rect(p, bx - 1.7f, 4, bx + 1.7f, P.y - 8, 1.2f); };
        top.fill(bx - 3, 3, bx + 3, P.y - 7, barrel, [&](Vec2 p, float) {
            return shade(rgb(62, 66, 60), 1.2f - 0.6f * clamp01((p.x - bx + 1.7f) / 3.4f));
        });
        auto muzzle = [=](Vec2 p) { return sdf::rect(p, bx - 2.4f, 0.5f, bx + 2.4f, 7, 1.f); };
        top.fill(bx - 3, 0, bx + 3, 8, muzzle, [&](Vec2 p, float) {
            const float slot = std::abs(p.y - 3.5f) < 0.8f ? 0.4f : 1.f;
            return shade(rgb(50, 52, 50), slot * (1.1f + 0.4f * bevel(muzzle, p, 1.f)));
        });
        auto sleeve = [=](Vec2 p) {
            return sdf::rect(p, bx - 2.3f, P.y - 24, bx + 2.3f, P.y - 10, 1.2f);
        };
        top.fill(bx - 3, P.y - 25, bx + 3, P.y - 9, sleeve, [&](Vec2 p, float) {
            const float fin = std::fmod(p.y, 3.f) < 1.f ? 0.7f : 1.f;
            return shade(rgb(74, 78, 70), fin * (1.1f - 0.5f * clamp01((p.x - bx + 2.3f) / 4.6f)));
        });
    }
    // Turret dome with a gun shield.
    auto shield = [=](Vec2 p) {
        return sdf::intersect(sdf::ring(p, P, 10.5f, 4.f), p.y - (P.y - 4.f));
    };
    auto dome = [=](Vec2 p) { return sdf::circle(p, P, 9.5f); };
    top.fill(P.x - 10, P.y - 10, P.x + 10, P.y + 10, dome, [&](Vec2 p, float) {
        return shade(camo(p, rgb(100, 108, 70), rgb(70, 80, 50), rgb(124, 110, 76),
                          rgb(100, 108, 70), 5.f, 7),
                     domeLight(p, P, 9.5f, 0.4f));
    });
    top.fill(P.x - 13, P.y - 13, P.x + 13, P.y, shield, [&](Vec2 p, float) {
        return shade(rgb(86, 94, 62), 1.f + 0.6f * bevel(shield, p, 2.f));
    });
    const Vec2 sight{P.x - 4.f, P.y + 3.f};
    top.fill(
        sight.x - 3, sight.y - 3, sight.x + 3, sight.y + 3,
        [=](Vec2 p) { return sdf::circle(p, sight, 2.2f); },
        [&](Vec2 p, float) { return shade(rgb(40, 44, 50), domeLight(p, sight, 2.2f, 0.9f)); });
    paint::withShadow(fig, top, 1, 2, 2.f, 0.5f);
    Canvas out(w, h);
    paint::withShadow(out, fig, 1, 2, 2.f, 0.35f);
    return out;
}

} // namespace

void paintFigures(std::vector<Picture>& out) {
    const SoldierLook soldiers[] = {
        {"Soldiers/Soldier_01.png",
         42,
         104,
         {21, 81},
         rgb(128, 124, 80),
         rgb(104, 104, 64),
         rgb(150, 140, 98),
         rgb(96, 94, 60),
         rgb(110, 104, 72),
         rgb(120, 118, 76),
         Weapon::LongRifle,
         0,
         101},
        {"Soldiers/Soldier_02.png",
         42,
         90,
         {21, 66},
         rgb(86, 102, 58),
         rgb(60, 74, 44),
         rgb(110, 96, 64),
         rgb(44, 48, 36),
         rgb(72, 80, 52),
         rgb(78, 92, 54),
         Weapon::Rifle,
         1,
         202},
        {"Soldiers/Soldier_03.png",
         42,
         78,
         {21, 53},
         rgb(176, 156, 112),
         rgb(150, 126, 86),
         rgb(196, 180, 138),
         rgb(120, 100, 70),
         rgb(150, 128, 90),
         rgb(160, 140, 100),
         Weapon::Carbine,
         1,
         303},
        {"Soldiers/Soldier_04.png",
         36,
         86,
         {18, 63},
         rgb(100, 104, 108),
         rgb(74, 78, 82),
         rgb(130, 132, 134),
         rgb(56, 58, 62),
         rgb(62, 66, 70),
         rgb(84, 88, 92),
         Weapon::MachineGun,
         2,
         404},
        {"Soldiers/Soldier_05.png",
         36,
         94,
         {18, 69},
         rgb(58, 60, 62),
         rgb(44, 46, 48),
         rgb(84, 70, 58),
         rgb(36, 36, 38),
         rgb(48, 50, 52),
         rgb(66, 70, 74),
         Weapon::Launcher,
         3,
         505},
    };
    for (const SoldierLook& s : soldiers)
        out.push_back({s.path, paintSoldier(s)});

    out.push_back(
        {"Tanks/Tank_01.png", paintTank({"", 90, 58, rgb(98, 108, 64), rgb(72, 82, 48),
                                         rgb(124, 114, 78), rgb(52, 52, 48), false, 11})});
    out.push_back({"Tanks/Tank_02.png", paintTank({"", 94, 62, rgb(84, 88, 86), rgb(64, 68, 68),
                                                   rgb(100, 96, 84), rgb(44, 44, 42), true, 22})});
    out.push_back({"Tanks/Tank_03.png", paintAmbulance(86, 52)});
    out.push_back({"Tanks/Tower_01.png", paintTower()});
}
