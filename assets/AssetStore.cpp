#include "assets/AssetStore.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"

#include <string>

namespace {

void load(sf::Texture& texture, const std::string& file) {
    // A missing picture stays empty; the library reports it and whatever shows it draws nothing.
    loadPicture(texture, content::pictures + file);
}

} // namespace

void AssetStore::loadAll() {
    load(armee, "Texture/Armee.jpg");
    load(area, "Texture/Area.jpg");
    load(block, "Texture/Block.jpg");
    load(door, "Texture/Door.png");
    for (std::size_t n = 0; n < effectFrames.size(); ++n)
        load(effectFrames[n], "Effects/Pic_" + std::to_string(n) + ".png");
    load(frameCorners, "Texture/FrameCorners.jpg");
    load(frameLines, "Texture/FrameLines.jpg");
    load(metall, "Texture/Metall.jpg");
    load(visier, "Symbols/Visier.png");
    load(street, "Texture/Street.png");
    for (std::size_t n = 0; n < soldierImages.size(); ++n)
        load(soldierImages[n], "Soldiers/Soldier_0" + std::to_string(n + 1) + ".png");
    for (std::size_t n = 0; n < tankImages.size(); ++n)
        load(tankImages[n], "Tanks/Tank_0" + std::to_string(n + 1) + ".png");
    load(towerImage, "Tanks/Tower_01.png");
    load(unionSymbol, "Symbols/The Union.png");
    load(collectiveSymbol, "Symbols/The Collective.png");
    load(timeSymbol, "Symbols/Time.png");
    load(pointsSymbol, "Symbols/Points.png");
    load(lifeSymbol, "Symbols/Life.png");
    load(munnitionSymbol, "Symbols/Munnition.png");
}
