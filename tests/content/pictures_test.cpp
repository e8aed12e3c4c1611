#include "tests/content/ContentFiles.hpp"

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Stats {
    double mass = 0;       // sum of alpha / 255
    double cx = 0, cy = 0; // alpha-weighted centre
    int borderAlpha = 0;   // the most opaque pixel of the outer frame
    double brightness = 0; // mean r + g + b of the solid pixels
};

Stats statsOf(const sf::Image& image) {
    Stats s;
    const sf::Vector2u size = image.getSize();
    double solid = 0;
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x) {
            const sf::Color c = image.getPixel(x, y);
            s.mass += c.a / 255.0;
            s.cx += c.a / 255.0 * (x + 0.5);
            s.cy += c.a / 255.0 * (y + 0.5);
            if (x == 0 || y == 0 || x + 1 == size.x || y + 1 == size.y)
                s.borderAlpha = std::max(s.borderAlpha, int(c.a));
            if (c.a >= 200) {
                s.brightness += c.r + c.g + c.b;
                ++solid;
            }
        }
    s.cx /= std::max(s.mass, 1e-9);
    s.cy /= std::max(s.mass, 1e-9);
    s.brightness /= std::max(solid, 1.0);
    return s;
}

// Transparent corners, a good part solid.
bool figure(const sf::Image& image) {
    const sf::Vector2u s = image.getSize();
    return image.getPixel(0, 0).a + image.getPixel(s.x - 1, 0).a + image.getPixel(0, s.y - 1).a +
                   image.getPixel(s.x - 1, s.y - 1).a ==
               0 &&
           statsOf(image).mass > 0.12 * s.x * s.y;
}

sf::Image load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(contentRoot + "Images/" + path)) << path;
    return image;
}

// Mean colour distance between two columns (or rows) of a picture.
double lineDifference(const sf::Image& image, unsigned a, unsigned b, bool columns) {
    const unsigned n = columns ? image.getSize().y : image.getSize().x;
    double sum = 0;
    for (unsigned i = 0; i < n; ++i) {
        const sf::Color p = columns ? image.getPixel(a, i) : image.getPixel(i, a);
        const sf::Color q = columns ? image.getPixel(b, i) : image.getPixel(i, b);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / n;
}

} // namespace

TEST(Pictures, SizesFitHowTheGameShowsThem) {
    const struct {
        std::vector<std::string> paths;
        unsigned minW, maxW, minH, maxH;
        bool figure;
    } rules[] = {
        {{"Images/Title Image.jpg"}, 500, 500, 358, 358, false},   // scaled by 2.88 to 1440
        {{"Images/Mission-Image.jpg"}, 100, 500, 100, 400, false}, // beside the story text
        {{"Symbols/The Union.png", "Symbols/The Collective.png"}, 32, 80, 32, 80, true}, // turned
        {{"Texture/Armee.jpg"}, 128, 1024, 128, 1024, false}, // tiled at natural size
        {{"Texture/Door.png"}, 128, 1440, 128, 450, false},
        {{"Texture/Block.jpg"}, 40, 60, 40, 60, false}, // its size is its collision box
        // Lanes 82 high, tanks 154 apart at the closest, with a soldier between.
        {{"Tanks/Tank_01.png", "Tanks/Tank_02.png", "Tanks/Tank_03.png"}, 60, 100, 40, 78, true},
        {{"Tanks/Tower_01.png"}, 42, 42, 96, 140, true},
        {{"Symbols/Visier.png"}, 100, 400, 100, 400, true},
        // Pick-ups collide with their picture's box: about 40 x 60.
        {{"Symbols/Time.png", "Symbols/Points.png"}, 34, 46, 51, 69, true},
        {{"Symbols/Life.png", "Symbols/Munnition.png"}, 34, 46, 51, 69, true},
        {{"Soldiers/Soldier_01.png", "Soldiers/Soldier_05.png"}, 36, 42, 60, 140, true},
    };
    for (const auto& r : rules)
        for (const std::string& path : r.paths) {
            const sf::Image image = load(path);
            const sf::Vector2u s = image.getSize();
            EXPECT_TRUE(r.minW <= s.x && s.x <= r.maxW && r.minH <= s.y && s.y <= r.maxH)
                << path << " is " << s.x << " x " << s.y;
            EXPECT_TRUE(!r.figure || figure(image)) << path;
        }
    // Pictures shown stretched or as HUD icons keep the proportions they are shown at.
    const struct {
        const char* path;
        double aspect, tolerance;
    } shapes[] = {
        {"Symbols/Time.png", 2 / 3.0, .05},     {"Symbols/Points.png", 2 / 3.0, .05},
        {"Symbols/Life.png", 2 / 3.0, .05},     {"Symbols/Munnition.png", 2 / 3.0, .05},
        {"Texture/Area.jpg", 800 / 980.0, .04}, {"Texture/Metall.jpg", 720 / 900.0, .04},
        {"Texture/Street.png", 820 / 82.0, .4}, {"Texture/FrameCorners.jpg", 1, 0},
        {"Texture/FrameLines.jpg", 1, 0},       {"Texture/Block.jpg", 1, 0},
        {"Symbols/Visier.png", 1, 0},           {"Images/Metall.jpg", 2.4, .8}, // 1440 x 450 to 900
    };
    for (const auto& shape : shapes) {
        const sf::Vector2u s = load(shape.path).getSize();
        EXPECT_NEAR(double(s.x) / s.y, shape.aspect, shape.tolerance) << shape.path;
    }
    // Kind 3 is the harmless vehicle the player may touch: far brighter than either tank.
    const double harmless = statsOf(load("Tanks/Tank_03.png")).brightness;
    for (const char* tank : {"Tanks/Tank_01.png", "Tanks/Tank_02.png"})
        EXPECT_GT(harmless, statsOf(load(tank)).brightness + 150) << tank;
}

// Soldiers and the tower turn about a fixed point at their body's centre; the gun points up.
TEST(Pictures, FiguresTurnAboutTheirBody) {
    const struct {
        const char* path;
        unsigned width, x, y;
    } pivots[] = {
        {"Soldiers/Soldier_01.png", 42, 21, 81}, {"Soldiers/Soldier_02.png", 42, 21, 66},
        {"Soldiers/Soldier_03.png", 42, 21, 53}, {"Soldiers/Soldier_04.png", 36, 18, 63},
        {"Soldiers/Soldier_05.png", 36, 18, 69}, {"Tanks/Tower_01.png", 42, 21, 74},
    };
    for (const auto& p : pivots) {
        const sf::Image image = load(p.path);
        const sf::Vector2u s = image.getSize();
        ASSERT_TRUE(s.x == p.width && s.y > p.y + 8) << p.path;
        // The row's solid span is centred on the point, and the body (not a limb) is there.
        int left = -1, right = -1;
        for (unsigned x = 0; x < s.x; ++x)
            if (image.getPixel(x, p.y).a > 160) {
                left = left < 0 ? int(x) : left;
                right = int(x);
            }
        EXPECT_NEAR((left + right) / 2.0, p.x, 2.5) << p.path;
        EXPECT_GT(right - left, int(p.width) / 2) << p.path;
        for (int dy : {-6, 0, 6})
            EXPECT_GT(image.getPixel(p.x, p.y + dy).a, dy ? 160 : 200) << p.path << " dy " << dy;
        bool gunAtTop = false;
        for (unsigned i = 0; i < 3 * s.x; ++i)
            gunAtTop = gunAtTop || image.getPixel(i % s.x, i / s.x).a > 160;
        EXPECT_TRUE(gunAtTop) << p.path;
    }
}

// Tiles join without seams; the explosion's frames are centred, fade at the edges, grow and fade.
TEST(Pictures, TilesJoinAndTheExplosionGrowsThenFades) {
    const sf::Image tile = load("Texture/Armee.jpg");
    for (bool columns : {true, false}) {
        const unsigned last = (columns ? tile.getSize().x : tile.getSize().y) - 1;
        double inside = 0;
        for (unsigned i = 1; i < 9; ++i)
            inside += lineDifference(tile, last / 2 + i - 1, last / 2 + i, columns) / 8;
        EXPECT_LT(lineDifference(tile, last, 0, columns), inside * 1.6 + 4) << columns;
    }
    std::vector<double> mass;
    for (int i = 0; i < 20; ++i) {
        const std::string path = "Effects/Pic_" + std::to_string(i) + ".png";
        const sf::Image image = load(path);
        ASSERT_EQ(image.getSize(), sf::Vector2u(256, 208)) << path;
        const Stats s = statsOf(image);
        EXPECT_LE(s.borderAlpha, 8) << path;
        mass.push_back(s.mass);
        EXPECT_TRUE(s.mass <= 200 || (std::abs(s.cx - 128) <= 10 && std::abs(s.cy - 104) <= 12))
            << path;
    }
    const auto peak = std::max_element(mass.begin(), mass.end()) - mass.begin();
    EXPECT_TRUE(peak >= 3 && peak <= 14) << peak;
    EXPECT_LT(mass.front(), mass[peak] * 0.5);
    EXPECT_LT(mass.back(), mass[peak] * 0.2);
    EXPECT_GT(mass.front(), 0.0); // the flash is visible from the first frame
}
