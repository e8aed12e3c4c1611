#include "platform/GameWindow.hpp"
#include "render/DrawingCache.hpp"
#include "render/Layout.hpp"
#include "render/Painter.hpp"
#include "render/PlayDrawing.hpp"
#include "world/LevelTables.hpp"
#include "world/PlayState.hpp"

#include <optional>

namespace {

using V = sf::Vector2f;

V at(int x, int y) {
    return {static_cast<float>(x), static_cast<float>(y)};
}

const sf::Color ringColour(0, 255, 255, 100);
// The old library built every circle from 40 corners.
constexpr int ringCorners = 40;

void healthBar(Batch& shapes, const Box& box, int life) {
    const V anchor = at(box.left, box.top);
    shapes.line(anchor, anchor + V(25.f, 0.f), 5.f, sf::Color::Red);
    shapes.line(anchor, anchor + V(static_cast<float>(life) * 0.25f, 0.f), 5.f, sf::Color::Green);
}

void rangeRing(Painter& painter, Point centre, int radius) {
    painter.ring(at(centre.x, centre.y), static_cast<float>(radius), 2.f, ringColour, ringCorners);
}

void drawBackground(const PlayState& game, Painter& painter) {
    const Box& m = game.mapArea;
    // The black underlay that covers all the world view shows is the cleared window.
    painter.clear(sf::Color::Black);
    painter.image(pictures(game).area, at(m.left - 40, m.top - 40),
                  at(m.width + 80, m.height + 80));
    Batch& shapes = painter.shapes();
    for (int i = 0; i < 40; i += 5) {
        shapes.rectOutline(at(m.left - i, m.top - i),
                           at(m.left + m.width + i, m.top + m.height + i), 5.f,
                           sf::Color(0, 0, 0, static_cast<sf::Uint8>(6 * i)));
    }
    shapes.rectOutline(at(m.left, m.top), at(m.left + m.width, m.top + m.height), 5.f,
                       sf::Color::Cyan);
}

void drawGrid(const PlayState& game, Painter& painter) {
    const Box& m = game.mapArea;
    const sf::Color colour(0, 255, 255, 50);
    Batch& shapes = painter.shapes();
    for (int x = m.left; x < m.left + m.width; x += 36)
        shapes.line(at(x, m.top), at(x, m.top + m.height), 2.f, colour);
    for (int y = m.top; y < m.top + m.height; y += 41)
        shapes.line(at(m.left, y), at(m.left + m.width, y), 2.f, colour);
}

void drawRoads(const PlayState& game, Painter& painter) {
    for (const Track& track : game.tracks) {
        painter.image(pictures(game).street, at(-50, track.origin.y),
                      at(game.mapArea.width + 100, 82));
    }
}

void drawMarkerLines(const PlayState& game, Painter& painter) {
    const Box& m = game.mapArea;
    Batch& shapes = painter.shapes();
    const std::pair<int, sf::Color> markers[] = {{m.top + levels::topLine, sf::Color::Yellow},
                                                 {m.top + levels::nearTopLine, sf::Color::Red},
                                                 {m.top + m.height / 2, sf::Color::Blue},
                                                 {m.top + m.height, sf::Color::Green}};
    for (const auto& [y, colour] : markers)
        shapes.line(at(m.left, y), at(m.left + m.width, y), 10.f, colour);
}

void drawBlocks(const PlayState& game, Painter& painter) {
    for (const Block& block : game.blocks)
        painter.sprite(block);
}

void drawShots(const PlayState& game, Painter& painter) {
    static const sf::Color colours[6] = {{255, 0, 0, 100},   {125, 125, 0, 100}, {0, 255, 0, 100},
                                         {0, 125, 125, 100}, {0, 0, 255, 100},   {255, 0, 0, 100}};
    for (const Shot& shot : game.shots) {
        // Kinds 1 to 6 are seen; 0, anything above 6 and negative kinds are not.
        const unsigned index = static_cast<unsigned>(shot.shotKind) - 1u;
        if (index >= 6u)
            continue;
        // Corners enough to stay within a quarter pixel of a true circle at this size.
        painter.disc(at(shot.x, shot.y), 4.f, colours[index], 10);
        painter.disc(at(shot.x, shot.y), 2.f, sf::Color::White, 8);
    }
}

void drawPlayer(const PlayState& game, Painter& painter) {
    if (!game.player)
        return;
    const Soldier& player = *game.player;
    painter.sprite(player);
    rangeRing(painter, player.centre(), 50);
    healthBar(painter.shapes(), player.box, player.life);
}

void drawTanks(const PlayState& game, Painter& painter) {
    for (const Track& track : game.tracks) {
        for (const Tank& tank : track.tanks) {
            painter.sprite(tank);
            if (tank.kind != 3)
                healthBar(painter.shapes(), tank.box, tank.life);
        }
    }
}

void drawTowers(const PlayState& game, Painter& painter) {
    for (const Tower& tower : game.towers) {
        painter.sprite(tower);
        rangeRing(painter, tower.centre(), tower.range);
        healthBar(painter.shapes(), tower.box, tower.life);
    }
}

void drawSoldiers(const PlayState& game, Painter& painter) {
    for (const auto& soldier : game.soldiers) {
        painter.sprite(*soldier);
        rangeRing(painter, soldier->centre(), soldier->range / 2);
        healthBar(painter.shapes(), soldier->box, soldier->life);
    }
}

void drawItems(const PlayState& game, Painter& painter) {
    for (const Item& item : game.items)
        painter.sprite(item);
}

void drawExplosions(const PlayState& game, Painter& painter) {
    for (const Explosion& explosion : game.explosions) {
        if (explosion.frame < 0 ||
            explosion.frame >= static_cast<int>(pictures(game).effectFrames.size()))
            continue;
        // The picture of the explosion's frame, built here so that drawing leaves the
        // explosion as it was: full size at scale 1, the others at half size.
        sf::Sprite sprite(pictures(game).effectFrames[static_cast<std::size_t>(explosion.frame)]);
        sprite.setOrigin(128.f, 104.f);
        if (!explosion.fullSize)
            sprite.setScale(0.5f, 0.5f);
        sprite.setPosition(at(explosion.position.x, explosion.position.y));
        painter.sprite(sprite);
    }
}

void drawPopups(const PlayState& game, Painter& painter) {
    for (const auto& popup : game.popups)
        painter.draw(*popup);
}

void drawCrosshair(const PlayState& game, Painter& painter) {
    painter.image(pictures(game).visier, at(game.mouse.x - 100, game.mouse.y - 100),
                  {200.f, 200.f});
}

// Window pixels the world shows through: between the HUD's opaque side panels.
sf::IntRect openMiddle() {
    return {layout::leftPanelRight, 0, layout::rightPanelLeft - layout::leftPanelRight,
            layout::height};
}

// The layers that stay the same until the level or the field changes.
void drawWorldBase(const PlayState& game, Painter& painter) {
    drawBackground(game, painter);
    drawGrid(game, painter);
    drawRoads(game, painter);
    drawMarkerLines(game, painter);
}

std::vector<int> worldBaseKey(const PlayState& game) {
    const Box& m = game.mapArea;
    std::vector<int> key = {m.left, m.top, m.width, m.height};
    for (const Track& track : game.tracks)
        key.push_back(track.origin.y);
    return key;
}

// Draws the still picture when the field or the level changed since it was drawn.
void prepareStillPicture(const PlayState& game, DrawingCache& drawing, const sf::View& view);

} // namespace

bool drawsThroughCache(GameWindow& window) {
    // Cached pictures are copied pixel for pixel, which needs the window unscaled.
    return window.viewport() == sf::FloatRect(0.f, 0.f, 1.f, 1.f) &&
           window.target().getSize() == sf::Vector2u(layout::width, layout::height) &&
           framebufferCopyAvailable(window);
}

sf::View worldView() {
    const float left = static_cast<float>(-layout::leftPanelRight - 50);
    const float right = static_cast<float>(layout::width) * 3.f * 0.25f + 50.f;
    const float bottom = static_cast<float>(layout::height + 50);
    return sf::View(sf::FloatRect(left, -50.f, right - left, bottom + 50.f));
}

void render::prepareDrawing(const PlayState& game, std::unique_ptr<DrawingCache>& drawing) {
    drawing = std::make_unique<DrawingCache>();
    drawing->madeFor = game.assets.get();
    if (!game.assets)
        return;
    const AssetStore& a = *game.assets;
    std::vector<const sf::Texture*> small = {
        &a.block,        &a.visier,     &a.towerImage,      &a.timeSymbol,
        &a.pointsSymbol, &a.lifeSymbol, &a.munnitionSymbol, &a.frameCorners,
        &a.frameLines,   &a.door,       &a.street};
    for (const sf::Texture& tank : a.tankImages)
        small.push_back(&tank);
    for (const sf::Texture& frame : a.effectFrames)
        small.push_back(&frame);
    drawing->atlas.build(small);
}

void render::drawFrame(PlayState& game, std::unique_ptr<DrawingCache>& drawing) {
    if (game.paused) {
        drawPauseOverlay(game);
        game.window.display();
        return;
    }
    game.window.setView(worldView());
    drawWorld(game, drawing);
    game.window.setScreenView();
    drawHud(game, drawing);
    game.window.display();
}

void render::drawWorld(const PlayState& game, std::unique_ptr<DrawingCache>& drawing) {
    if (!drawing || drawing->madeFor != game.assets.get())
        prepareDrawing(game, drawing);
    const sf::View view = worldView();
    const Atlas* atlas = &drawing->atlas;
    const bool still = drawing->layerCaches && drawsThroughCache(game.window);
    sf::IntRect middle = openMiddle();
    std::optional<WindowClip> clip;
    if (still) {
        prepareStillPicture(game, *drawing, view);
        // The still picture covers the whole window; the world's moving parts then show only
        // between the panels, as they would under panels drawn over them.
        drawing->still.copyTo(game.window, {0, 0, layout::width, layout::height});
        middle = {drawing->leftPanelEnd + 1, 0,
                  drawing->rightPanelStart - drawing->leftPanelEnd - 1, layout::height};
        sf::IntRect shown = middle;
        if (drawing->borderInStill) { // nor under the frame border at the top and bottom
            const sf::IntRect inside = insideFrameBorder();
            shown.top = inside.top;
            shown.height = inside.height;
        }
        clip.emplace(game.window, shown);
    } else {
        Painter painter(game.window, atlas);
        drawWorldBase(game, painter);
    }

    Painter painter(game.window, atlas);
    // Whatever lies wholly under the HUD's side panels is covered by them: skip it.
    const sf::FloatRect world(view.getCenter() - view.getSize() / 2.f, view.getSize());
    const float unitsPerPixel = world.width / static_cast<float>(layout::width);
    painter.setVisibleArea({world.left + static_cast<float>(middle.left) * unitsPerPixel, world.top,
                            static_cast<float>(middle.width) * unitsPerPixel, world.height});
    drawBlocks(game, painter);
    drawShots(game, painter);
    drawPlayer(game, painter);
    drawTanks(game, painter);
    drawTowers(game, painter);
    drawSoldiers(game, painter);
    drawItems(game, painter);
    drawExplosions(game, painter);
    drawPopups(game, painter);
    drawCrosshair(game, painter);
    painter.flush(); // before the clip ends
}

namespace {
bool opaque(const sf::Texture& picture) {
    if (picture.getSize().x == 0 || picture.getSize().y == 0)
        return false;
    const sf::Image image = picture.copyToImage();
    for (unsigned x = 0; x < image.getSize().x; ++x)
        for (unsigned y = 0; y < image.getSize().y; ++y)
            if (image.getPixel(x, y).a != 255)
                return false;
    return true;
}

void prepareStillPicture(const PlayState& game, DrawingCache& drawing, const sf::View& view) {
    LayerCache& still = drawing.still;
    const std::vector<int> key = worldBaseKey(game);
    if (still.holds(key))
        return;
    const sf::Vector2i screen(layout::width, layout::height);
    if (drawing.panelsMeasuredFor != screen) {
        // The panels alone first, to find the columns they cover as the rasteriser draws them.
        Painter panels(still.start(key, sf::Color::Transparent), nullptr);
        drawPanelBase(panels.shapes());
        panels.flush();
        still.finish();
        const sf::Image copy = still.copy();
        const unsigned row = static_cast<unsigned>(layout::height / 2);
        int left = 0, right = layout::width;
        while (left + 1 < right && copy.getPixel(static_cast<unsigned>(left + 1), row).a == 255)
            ++left;
        while (right - 1 > left && copy.getPixel(static_cast<unsigned>(right - 1), row).a == 255)
            --right;
        drawing.leftPanelEnd = left;
        drawing.rightPanelStart = right;
        drawing.panelsMeasuredFor = screen;
    }
    sf::RenderTarget& picture = still.start(key, sf::Color::Black);
    picture.setView(view);
    {
        Painter world(picture, &drawing.atlas);
        drawWorldBase(game, world);
    }
    picture.setView(picture.getDefaultView());
    // The frame border lies over everything of the HUD but the door, curtain and fade; opaque,
    // it can be laid down here as long as nothing drawn later reaches under it (the HUD makes
    // sure of that).
    const AssetStore& a = pictures(game);
    drawing.borderInStill = opaque(a.frameLines) && opaque(a.frameCorners);
    {
        Painter panels(picture, &drawing.atlas);
        drawPanelBase(panels.shapes());
        if (drawing.borderInStill)
            drawFrameBorder(game, panels);
    }
    still.finish();
}
} // namespace

const AssetStore& pictures(const PlayState& game) {
    static const AssetStore none;
    return game.assets ? *game.assets : none;
}
