#include "tests/content/ContentFiles.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector3.hpp>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// The pictures the build assembled into the game folder: present, loadable, and shaped the way
// the game's geometry needs them.

namespace {

// Alpha statistics of a picture.
struct AlphaStats {
    double mass = 0;       // sum of alpha / 255
    double cx = 0, cy = 0; // alpha-weighted centre
    int maxBorderAlpha = 0;
};

AlphaStats alphaStats(const sf::Image& image) {
    AlphaStats s;
    const sf::Vector2u size = image.getSize();
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x) {
            const int a = image.getPixel(x, y).a;
            s.mass += a / 255.0;
            s.cx += a / 255.0 * (x + 0.5);
            s.cy += a / 255.0 * (y + 0.5);
            if (x == 0 || y == 0 || x + 1 == size.x || y + 1 == size.y)
                s.maxBorderAlpha = std::max(s.maxBorderAlpha, a);
        }
    if (s.mass > 0) {
        s.cx /= s.mass;
        s.cy /= s.mass;
    }
    return s;
}

sf::Image load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(contentRoot + path)) << path;
    return image;
}

bool cornersTransparent(const sf::Image& image) {
    const sf::Vector2u s = image.getSize();
    return image.getPixel(0, 0).a == 0 && image.getPixel(s.x - 1, 0).a == 0 &&
           image.getPixel(0, s.y - 1).a == 0 && image.getPixel(s.x - 1, s.y - 1).a == 0;
}

double aspect(const sf::Image& image) {
    return double(image.getSize().x) / image.getSize().y;
}

// Mean colour distance between two columns (or rows) of a picture.
double lineDifference(const sf::Image& image, unsigned a, unsigned b, bool columns) {
    const sf::Vector2u s = image.getSize();
    const unsigned n = columns ? s.y : s.x;
    double sum = 0;
    for (unsigned i = 0; i < n; ++i) {
        const sf::Color p = columns ? image.getPixel(a, i) : image.getPixel(i, a);
        const sf::Color q = columns ? image.getPixel(b, i) : image.getPixel(i, b);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / n;
}

} // namespace

struct PictureRule {
    const char* path;
    unsigned minW, maxW, minH, maxH;
    bool figure; // on transparent ground, a good part of it solid
};

TEST(Pictures, SizesFitHowTheGameShowsThem) {
    const PictureRule rules[] = {
        {"Images/Images/Title Image.jpg", 500, 500, 358, 358, false}, // scaled by 2.88 to 1440
        {"Images/Images/Mission-Image.jpg", 100, 500, 100, 400, false}, // beside the story text
        {"Images/Symbols/The Union.png", 32, 80, 32, 80, true}, // turned at four times the size
        {"Images/Symbols/The Collective.png", 32, 80, 32, 80, true},
        {"Images/Texture/Armee.jpg", 128, 1024, 128, 1024, false}, // tiled at natural size
        {"Images/Texture/Door.png", 128, 1440, 128, 450, false},
        {"Images/Texture/Block.jpg", 40, 60, 40, 60, false}, // its size is its collision box
        {"Images/Tanks/Tank_01.png", 60, 100, 40, 78, true}, // lanes 82 high, tanks 154 apart at
        {"Images/Tanks/Tank_02.png", 60, 100, 40, 78, true}, // the closest, with a soldier between
        {"Images/Tanks/Tank_03.png", 60, 100, 40, 78, true},
        {"Images/Tanks/Tower_01.png", 42, 42, 96, 140, true},
        {"Images/Symbols/Visier.png", 100, 400, 100, 400, true},
        // Pick-ups collide with their picture's box: about 40 x 60.
        {"Images/Symbols/Time.png", 34, 46, 51, 69, true},
        {"Images/Symbols/Points.png", 34, 46, 51, 69, true},
        {"Images/Symbols/Life.png", 34, 46, 51, 69, true},
        {"Images/Symbols/Munnition.png", 34, 46, 51, 69, true},
        {"Images/Soldiers/Soldier_01.png", 36, 42, 60, 140, true},
        {"Images/Soldiers/Soldier_05.png", 36, 42, 60, 140, true},
    };
    for (const PictureRule& r : rules) {
        const sf::Image image = load(r.path);
        const sf::Vector2u s = image.getSize();
        EXPECT_TRUE(r.minW <= s.x && s.x <= r.maxW && r.minH <= s.y && s.y <= r.maxH)
            << r.path << " is " << s.x << " x " << s.y;
        if (r.figure) {
            EXPECT_TRUE(cornersTransparent(image)) << r.path;
            EXPECT_GT(alphaStats(image).mass, 0.12 * s.x * s.y) << r.path;
        }
    }
    for (const char* icon : {"Time", "Points", "Life", "Munnition"}) // the HUD's icons too
        EXPECT_NEAR(aspect(load("Images/Symbols/" + std::string(icon) + ".png")), 2.0 / 3.0, 0.05);
    // Stretched pictures keep the proportions they are shown at.
    EXPECT_NEAR(aspect(load("Images/Texture/Area.jpg")), 800.0 / 980.0, 0.04);
    EXPECT_NEAR(aspect(load("Images/Texture/Metall.jpg")), 720.0 / 900.0, 0.04);
    EXPECT_NEAR(aspect(load("Images/Texture/Street.png")), 820.0 / 82.0, 0.4);
    for (const char* square : {"Images/Texture/FrameCorners.jpg", "Images/Texture/FrameLines.jpg",
                               "Images/Texture/Block.jpg", "Images/Symbols/Visier.png"})
        EXPECT_EQ(aspect(load(square)), 1.0) << square;
    const double metall = aspect(load("Images/Images/Metall.jpg")); // shown at 1440x450 and 1440x900
    EXPECT_GT(metall, 1.6);
    EXPECT_LT(metall, 3.2);
}

// The game turns soldiers and the tower about a fixed point: the body must be centred on it,
// and the gun must reach the top edge (the direction of fire).
TEST(Pictures, FiguresTurnAboutTheirBody) {
    const struct {
        const char* path;
        unsigned width, x, y;
    } pivots[] = {
        {"Images/Soldiers/Soldier_01.png", 42, 21, 81},
        {"Images/Soldiers/Soldier_02.png", 42, 21, 66},
        {"Images/Soldiers/Soldier_03.png", 42, 21, 53},
        {"Images/Soldiers/Soldier_04.png", 36, 18, 63},
        {"Images/Soldiers/Soldier_05.png", 36, 18, 69},
        {"Images/Tanks/Tower_01.png", 42, 21, 74},
    };
    for (const auto& p : pivots) {
        const sf::Image image = load(p.path);
        const sf::Vector2u s = image.getSize();
        ASSERT_EQ(s.x, p.width) << p.path;
        ASSERT_GT(s.y, p.y + 8) << p.path;
        EXPECT_GT(image.getPixel(p.x, p.y).a, 200) << p.path;
        // The solid span of the turning point's row is centred on it (shadows aside).
        int left = -1, right = -1;
        for (unsigned x = 0; x < s.x; ++x)
            if (image.getPixel(x, p.y).a > 160) {
                if (left < 0)
                    left = static_cast<int>(x);
                right = static_cast<int>(x);
            }
        EXPECT_NEAR((left + right) / 2.0, p.x, 2.5) << p.path;
        EXPECT_GT(right - left, static_cast<int>(p.width) / 2) << p.path;
        // Solid above and below the point: the body, not a limb, is there.
        for (int dy : {-6, 6})
            EXPECT_GT(image.getPixel(p.x, p.y + dy).a, 160) << p.path << " dy " << dy;
        bool gunAtTop = false;
        for (unsigned y = 0; y < 3; ++y)
            for (unsigned x = 0; x < s.x; ++x)
                gunAtTop = gunAtTop || image.getPixel(x, y).a > 160;
        EXPECT_TRUE(gunAtTop) << p.path;
    }
}

// Kind 3 is the harmless vehicle the player may touch; it must not pass for a tank.
TEST(Pictures, HarmlessVehicleLooksDifferent) {
    auto meanColour = [](const sf::Image& image) {
        double r = 0, g = 0, b = 0, n = 0;
        for (unsigned y = 0; y < image.getSize().y; ++y)
            for (unsigned x = 0; x < image.getSize().x; ++x) {
                const sf::Color c = image.getPixel(x, y);
                if (c.a < 200)
                    continue;
                r += c.r;
                g += c.g;
                b += c.b;
                ++n;
            }
        return sf::Vector3f(float(r / n), float(g / n), float(b / n));
    };
    const sf::Vector3f harmless = meanColour(load("Images/Tanks/Tank_03.png"));
    for (const char* tank : {"Images/Tanks/Tank_01.png", "Images/Tanks/Tank_02.png"}) {
        const sf::Vector3f c = meanColour(load(tank));
        const sf::Vector3f d = harmless - c;
        EXPECT_GT(std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z), 80.f) << tank;
        EXPECT_GT(harmless.x + harmless.y + harmless.z, c.x + c.y + c.z + 150.f) << tank;
    }
}

TEST(Pictures, TiledTexturesJoinWithoutSeams) {
    const sf::Image image = load("Images/Texture/Armee.jpg");
    for (bool columns : {true, false}) {
        const unsigned last = (columns ? image.getSize().x : image.getSize().y) - 1;
        double inside = 0;
        for (unsigned i = 1; i < 9; ++i)
            inside += lineDifference(image, last / 2 + i - 1, last / 2 + i, columns) / 8;
        EXPECT_LT(lineDifference(image, last, 0, columns), inside * 1.6 + 4) << columns;
    }
}

// Twenty frames centred on the blast point, fading out at the frame's edges, growing then
// fading away.
TEST(Pictures, ExplosionGrowsThenFades) {
    std::vector<double> mass;
    for (int i = 0; i < 20; ++i) {
        const std::string path = "Images/Effects/Pic_" + std::to_string(i) + ".png";
        const sf::Image image = load(path);
        ASSERT_EQ(image.getSize(), sf::Vector2u(256, 208)) << path;
        const AlphaStats s = alphaStats(image);
        EXPECT_LE(s.maxBorderAlpha, 8) << path;
        mass.push_back(s.mass);
        if (s.mass > 200) {
            EXPECT_NEAR(s.cx, 128, 10) << path;
            EXPECT_NEAR(s.cy, 104, 12) << path;
        }
    }
    const auto peak = std::max_element(mass.begin(), mass.end()) - mass.begin();
    EXPECT_GE(peak, 3);
    EXPECT_LE(peak, 14);
    EXPECT_LT(mass.front(), mass[peak] * 0.5);
    EXPECT_LT(mass.back(), mass[peak] * 0.2);
    EXPECT_GT(mass.front(), 0.0); // the flash is visible from the first frame
}
