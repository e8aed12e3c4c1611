#include "render/Atlas.hpp"

#include <algorithm>

namespace {
constexpr unsigned atlasWidth = 2048;
// Every picture is framed by the texels that surround it in its own texture (or a copy of its
// edge, where the texture ends), so that smooth sampling right at a border blends with what it
// would blend with in the picture itself, never with a neighbour.
constexpr unsigned pad = 1;

// The smallest rectangle holding every texel that is not fully transparent, and one texel more
// on every side within the picture: smooth sampling lets a transparent texel next to an inked one
// show half of it.
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
    left = std::max(left - 1, 0);
    top = std::max(top - 1, 0);
    right = std::min(right + 1, static_cast<int>(size.x) - 1);
    bottom = std::min(bottom + 1, static_cast<int>(size.y) - 1);
    return {left, top, right - left + 1, bottom - top + 1};
}

// The kept part with its frame, at (x - pad, y - pad) in the atlas.
void copyFramed(sf::Image& atlas, const sf::Image& picture, const sf::IntRect& kept, unsigned x,
                unsigned y) {
    const sf::Vector2u size = picture.getSize();
    const int p = static_cast<int>(pad);
    for (int row = -p; row < kept.height + p; ++row) {
        const auto from =
            static_cast<unsigned>(std::clamp(kept.top + row, 0, static_cast<int>(size.y) - 1));
        for (int col = -p; col < kept.width + p; ++col) {
            const auto fromX =
                static_cast<unsigned>(std::clamp(kept.left + col, 0, static_cast<int>(size.x) - 1));
            atlas.setPixel(static_cast<unsigned>(static_cast<int>(x) + col),
                           static_cast<unsigned>(static_cast<int>(y) + row),
                           picture.getPixel(fromX, from));
        }
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
        if (inked.width > 0)
            copyFramed(image, entry.image, inked, corners[i].x, corners[i].y);
        places_.push_back({entry.picture,
                           {static_cast<float>(corners[i].x) - static_cast<float>(inked.left),
                            static_cast<float>(corners[i].y) - static_cast<float>(inked.top)},
                           sf::FloatRect(inked)});
    }
    texture_.loadFromImage(image);
    texture_.setSmooth(true);
}

const Atlas::Place* Atlas::find(const sf::Texture* picture) const {
    for (const Place& place : places_) {
        if (place.picture == picture)
            return &place;
    }
    return nullptr;
}
