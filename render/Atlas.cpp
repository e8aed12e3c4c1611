#include "render/Atlas.hpp"

#include <algorithm>

namespace {
constexpr unsigned atlasWidth = 2048;
// Every picture is framed by a copy of its own edge, so that sampling right at a border never
// picks up a neighbour.
constexpr unsigned pad = 1;

void frameWithEdges(sf::Image& image, unsigned x, unsigned y, unsigned w, unsigned h) {
    for (unsigned row = y; row < y + h; ++row) {
        image.setPixel(x - 1, row, image.getPixel(x, row));
        image.setPixel(x + w, row, image.getPixel(x + w - 1, row));
    }
    for (unsigned col = x - 1; col <= x + w; ++col) {
        image.setPixel(col, y - 1, image.getPixel(col, y));
        image.setPixel(col, y + h, image.getPixel(col, y + h - 1));
    }
}
} // namespace

void Atlas::build(const std::vector<const sf::Texture*>& pictures, unsigned maxSide) {
    places_.clear();
    std::vector<const sf::Texture*> chosen;
    for (const sf::Texture* picture : pictures) {
        if (!picture || std::find(chosen.begin(), chosen.end(), picture) != chosen.end())
            continue;
        const sf::Vector2u size = picture->getSize();
        if (size.x == 0 || size.y == 0 || size.x > maxSide || size.y > maxSide)
            continue;
        chosen.push_back(picture);
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const sf::Texture* a, const sf::Texture* b) {
        return a->getSize().y > b->getSize().y;
    });

    // Shelves of pictures sorted by height; the white texels take the first corner.
    const unsigned limit = sf::Texture::getMaximumSize();
    std::vector<sf::Vector2u> corners;
    unsigned x = 2, y = 0, shelf = 2;
    for (const sf::Texture* picture : chosen) {
        const sf::Vector2u size = picture->getSize();
        const unsigned cellW = size.x + 2 * pad, cellH = size.y + 2 * pad;
        if (x + cellW > atlasWidth) {
            y += shelf;
            x = 0;
            shelf = 0;
        }
        if (y + cellH > limit)
            break;
        corners.push_back({x + pad, y + pad});
        x += cellW;
        shelf = std::max(shelf, cellH);
    }
    chosen.resize(corners.size());

    sf::Image image;
    image.create(atlasWidth, y + shelf, sf::Color::Transparent);
    for (unsigned i = 0; i < 2; ++i)
        for (unsigned j = 0; j < 2; ++j)
            image.setPixel(i, j, sf::Color::White);
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const sf::Image source = chosen[i]->copyToImage();
        const sf::Vector2u size = source.getSize();
        image.copy(source, corners[i].x, corners[i].y);
        frameWithEdges(image, corners[i].x, corners[i].y, size.x, size.y);
        places_.push_back(
            {chosen[i], {static_cast<float>(corners[i].x), static_cast<float>(corners[i].y)}});
    }
    texture_.loadFromImage(image);
}

const sf::Vector2f* Atlas::find(const sf::Texture* picture) const {
    for (const Place& place : places_) {
        if (place.picture == picture)
            return &place.offset;
    }
    return nullptr;
}
