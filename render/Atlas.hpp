#pragma once

#include <SFML/Graphics.hpp>
#include <vector>

// Small pictures copied side by side into one texture, so that a frame's sprites, lines and
// shapes reach the window in a few draw calls while keeping their order. Texel (0, 0) is opaque
// white: untextured shapes drawn with this texture keep their own colour.
//
// The atlas is sampled smoothly, as every picture of the game is. Only the part of a picture
// inside its fully transparent margins (less the one texel next to the ink, which smooth sampling
// blends in) is kept: drawing the rest would change no pixel.
class Atlas {
  public:
    struct Place {
        const sf::Texture* picture;
        sf::Vector2f offset; // atlas position of the picture's texel (0, 0)
        sf::FloatRect inked; // the part kept, in the picture's own texels
    };

    // Copies every given picture that fits (empty ones are left out, as are ones beyond
    // `maxSide` in either direction).
    void build(const std::vector<const sf::Texture*>& pictures, unsigned maxSide = 512);

    const sf::Texture& texture() const { return texture_; }
    // Where a picture sits in the atlas; nullptr when it is not in it.
    const Place* find(const sf::Texture* picture) const;
    std::size_t size() const { return places_.size(); }

  private:
    sf::Texture texture_;
    std::vector<Place> places_;
};
