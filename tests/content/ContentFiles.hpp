#pragma once

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <string>
#include <vector>

// Every generated file the game reads, below sources/. Kept here, apart from the generator,
// so that a picture or sound the generator forgets is noticed.
inline std::vector<std::string> generatedFiles() {
    std::vector<std::string> files = {
        "Images/Images/Title Image.jpg",
        "Images/Images/Metall.jpg",
        "Images/Images/Mission-Image.jpg",
        "Images/Symbols/The Union.png",
        "Images/Symbols/The Collective.png",
        "Images/Texture/Armee.jpg",
        "Images/Texture/Area.jpg",
        "Images/Texture/Block.jpg",
        "Images/Texture/Door.png",
        "Images/Texture/FrameCorners.jpg",
        "Images/Texture/FrameLines.jpg",
        "Images/Texture/Metall.jpg",
        "Images/Texture/Street.png",
        "Images/Symbols/Visier.png",
        "Images/Symbols/Time.png",
        "Images/Symbols/Points.png",
        "Images/Symbols/Life.png",
        "Images/Symbols/Munnition.png",
        "Images/Tanks/Tank_01.png",
        "Images/Tanks/Tank_02.png",
        "Images/Tanks/Tank_03.png",
        "Images/Tanks/Tower_01.png",
        "Sounds/Print.wav",
        "Sounds/Error.wav",
        "Sounds/Accept.wav",
        "Sounds/Shoot1.ogg",
        "Sounds/Shoot2.ogg",
        "Sounds/Blaster1.wav",
        "Sounds/Blaster2.wav",
        "Sounds/damage.ogg",
        "Sounds/Collect.wav",
        "Sounds/Refill.wav",
        "Sounds/NextLevel.wav",
        "Music/Taldrin - Skyforge.ogg",
    };
    for (int i = 1; i <= 5; ++i)
        files.push_back("Images/Soldiers/Soldier_0" + std::to_string(i) + ".png");
    for (int i = 0; i < 20; ++i)
        files.push_back("Images/Effects/Pic_" + std::to_string(i) + ".png");
    return files;
}

// The game reads everything relative to its folder; tests run there.
inline const std::string contentRoot = "sources/";

// Alpha statistics of a picture.
struct AlphaStats {
    double mass = 0;       // sum of alpha / 255
    double cx = 0, cy = 0; // alpha-weighted centre
    int maxBorderAlpha = 0;
};

inline AlphaStats alphaStats(const sf::Image& image) {
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
