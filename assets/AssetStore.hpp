#pragma once

#include <SFML/Graphics.hpp>
#include <array>

// Every picture the game screen shares, loaded once per game. Entities and drawing refer to these
// textures, so the store outlives everything drawn with them.
class AssetStore {
  public:
    AssetStore() = default;
    AssetStore(const AssetStore&) = delete;
    AssetStore& operator=(const AssetStore&) = delete;

    // Loads every picture of the content's pictures; a missing file leaves an empty texture.
    void loadAll();

    sf::Texture armee;
    sf::Texture area;
    sf::Texture block;
    sf::Texture door;
    std::array<sf::Texture, 20> effectFrames;
    sf::Texture frameCorners;
    sf::Texture frameLines;
    sf::Texture metall;
    sf::Texture visier;
    sf::Texture street;
    std::array<sf::Texture, 5> soldierImages;
    std::array<sf::Texture, 3> tankImages;
    sf::Texture towerImage;
    sf::Texture unionSymbol;
    sf::Texture collectiveSymbol;
    sf::Texture timeSymbol;
    sf::Texture pointsSymbol;
    sf::Texture lifeSymbol;
    sf::Texture munnitionSymbol;
};
