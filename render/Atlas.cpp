#include "render/Atlas.hpp"

#include <algorithm>

namespace {
constexpr unsigned atlasWidth = 2048;
// Every picture is framed by a copy of its own edge, so that sampling right at a border never
// picks up a neighbour.
constexpr unsigned pad = 1;

// The smallest rectangle holding every texel that is not fully transparent.
sf::IntRect inkedPart(const sf::Image& image) {
    const sf::Vector2u size = image.getSize();
    int left = static_cast<int>(size.x), top = static_cast<int>(size.y), right = -1, bottom = -1;
    for (unsigned y = 0; y < size.y; ++y) {
        for (unsigned x = 0; x < size.x; ++x) {
            if (image.getPixel(x, y).a == 0)
                continue;
            left = std::min(left, static_cast<int>(x));
            right = std::max(right, static_cast<int>(x));
            top = std::min(top, static_cast<int>(y));
            bottom = std::max(bottom, static_cast<int>(y));
        }
    }
    if (right < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

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
    struct Entry {
        const sf::Texture* picture;
        sf::Image image;
        sf::IntRect inked;
    };
    std::vector<Entry> entries;
    for (const sf::Texture* picture : pictures) {
        if (!picture || std::any_of(entries.begin(), entries.end(),
                                    [&](const Entry& e) { return e.picture == picture; }))
            continue;
        const sf::Vector2u size = picture->getSize();
        if (size.x == 0 || size.y == 0 || size.x > maxSide || size.y > maxSide)
            continue;
        Entry entry{picture, picture->copyToImage(), {}};
        entry.inked = inkedPart(entry.image);
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.inked.height > b.inked.height;
    });

    // Shelves of pictures sorted by height; the white texels take the first corner.
    const unsigned limit = sf::Texture::getMaximumSize();
    std::vector<sf::Vector2u> corners;
    unsigned x = 2, y = 0, shelf = 2;
    for (const Entry& entry : entries) {
        const auto w = static_cast<unsigned>(entry.inked.width);
        const auto h = static_cast<unsigned>(entry.inked.height);
        if (w == 0) { // wholly transparent: kept with nothing to draw
            corners.push_back({0, 0});
            continue;
        }
        const unsigned cellW = w + 2 * pad, cellH = h + 2 * pad;
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
    entries.resize(corners.size());

    sf::Image image;
    image.create(atlasWidth, y + shelf, sf::Color::Transparent);
    for (unsigned i = 0; i < 2; ++i)
        for (unsigned j = 0; j < 2; ++j)
            image.setPixel(i, j, sf::Color::White);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        const sf::IntRect& inked = entry.inked;
        if (inked.width > 0) {
            image.copy(entry.image, corners[i].x, corners[i].y, inked);
            frameWithEdges(image, corners[i].x, corners[i].y, static_cast<unsigned>(inked.width),
                           static_cast<unsigned>(inked.height));
        }
        places_.push_back({entry.picture,
                           {static_cast<float>(corners[i].x) - static_cast<float>(inked.left),
                            static_cast<float>(corners[i].y) - static_cast<float>(inked.top)},
                           sf::FloatRect(inked)});
    }
    texture_.loadFromImage(image);
}

const Atlas::Place* Atlas::find(const sf::Texture* picture) const {
    for (const Place& place : places_) {
        if (place.picture == picture)
            return &place;
    }
    return nullptr;
}
