#include "render/DrawingCache.hpp"
#include "tests/render/RenderTestSupport.hpp"

#include <functional>

using namespace rendertest;

TEST(WorldDrawing, ShotsMarkerLinesRangeRingsAndHealthBarsThroughTheScaledView) {
    Scene scene;
    Game& game = scene.game;
    // Shots of kinds 1 to 6 are seen, others not, along world y 102 from x 61, 72 apart.
    const std::pair<int, bool> kinds[] = {{-1, false}, {0, false}, {1, true},
                                          {3, true},   {6, true},  {7, false}};
    for (std::size_t i = 0; i < std::size(kinds); ++i)
        game.shots.emplace_back(61 + 72 * int(i), 102, 0.0, 1.0, kinds[i].first, false);
    // Near the field's right edge too: what the panels cover is skipped, no more.
    game.shots.emplace_back(700, 102, 0.0, 1.0, 1, false);
    solid(scene.pictures().towerImage, 42, 96, sf::Color::White);
    solid(scene.pictures().tankImages[0], 124, 72, sf::Color::Blue);
    solid(scene.pictures().tankImages[2], 124, 72, sf::Color::Blue);
    game.prepareDrawing();

    Tower tower(scene.pictures(), 5, game.gameClock); // range 250
    tower.setPosition(385, 450);
    game.towers.push_back(tower);
    auto soldier = std::make_unique<Soldier>("5", game.gameClock); // range 300, ring 150
    soldier->setPosition(385, 620);
    game.soldiers.push_back(std::move(soldier));
    Track track(1, 720, true, scene.pictures(), game.random);
    track.tanks.clear();
    // Hurt, armoured and healed.
    for (const auto& [x, kind, life] :
         {std::tuple{100.f, 1, 40}, {400.f, 3, 40}, {250.f, 1, 140}}) {
        track.tanks.emplace_back(1, kind, scene.pictures().tankImages[kind - 1]);
        track.tanks.back().setPosition(x, 150);
        track.tanks.back().life = life;
    }
    game.tracks.push_back(track);
    game.player = std::make_unique<Soldier>("5", game.gameClock); // range 300, ring always 50
    game.player->setPosition(200, 700);
    game.player->life = 0;

    const sf::Image shot = scene.frame();
    EXPECT_EQ(worldPixel(shot, 700.f, 102.f), sf::Color::White);
    for (std::size_t i = 0; i < std::size(kinds); ++i)
        EXPECT_EQ(worldPixel(shot, 61.f + 72.f * float(i), 102.f) == sf::Color::White,
                  kinds[i].second)
            << "kind " << kinds[i].first;
    // Rings: the tower's at its range, the soldier's at half its range, the player's at 50.
    for (const auto& [x, y, ring] : {std::tuple{390.f, 700.f, true},
                                     {535.f, 620.f, true},
                                     {685.f, 620.f, false},
                                     {200.f, 750.f, true},
                                     {200.f, 850.f, false}})
        EXPECT_EQ(near(worldPixel(shot, x, y), sf::Color(0, 100, 100), 8), ring) << x << ", " << y;
    // Life 40: green to 10 units, red on to 25; a kind 3 tank has no bar at all; life 140: green
    // past the red bar's end; life 0: red from the start.
    const Box& box = game.player->box;
    for (const auto& [x, y, colour] : {std::tuple{120.f, 150.f, sf::Color::Red},
                                       {105.f, 150.f, sf::Color::Green},
                                       {420.f, 151.f, sf::Color::Blue},
                                       {280.f, 150.f, sf::Color::Green},
                                       {box.left + 1.f, float(box.top), sf::Color::Red}})
        EXPECT_EQ(worldPixel(shot, x, y), colour) << x << ", " << y;
    // Kind 6 wears the colour of kind 1.
    const sf::Color one = worldPixel(shot, 61.f + 72.f * 2 + 3.f, 102.f);
    EXPECT_EQ(one, worldPixel(shot, 61.f + 72.f * 4 + 3.f, 102.f));
    EXPECT_TRUE(near(one, sf::Color(100, 0, 0)));

    for (const auto& [worldY, colour] : {std::pair{20.f, sf::Color::Yellow},
                                         {300.f, sf::Color::Red},
                                         {450.f, sf::Color::Blue},
                                         {900.f, sf::Color::Green}}) {
        const sf::Vector2u at = windowPixel(600.f, worldY);
        EXPECT_EQ(shot.getPixel(at.x, at.y), colour) << "marker at " << worldY;
        // Ten world units thick: nine pixels, so six pixels away it is gone.
        EXPECT_NE(shot.getPixel(at.x, at.y + 6), colour);
    }
    // The field ends at window x 407 and 1080; left of it the panel, beyond it black.
    EXPECT_EQ(shot.getPixel(1100, 600), sf::Color::Black);
}

namespace {

// Pixels differing between cached and fresh frames: in the world exactly, in the panels by more
// than rounding (the scan lines go over the grid there rather than under it, the same green).
std::pair<int, int> cachedAgainstFresh(Scene& scene) {
    Game& game = scene.game;
    game.prepareDrawing();
    const sf::Image cached = scene.frame();
    game.drawing->layerCaches = false;
    const sf::Image fresh = scene.frame();
    int world = 0, panels = 0;
    for (unsigned x = 0; x < 1440; ++x) {
        for (unsigned y = 0; y < 900; ++y) {
            if (x < 365 || x >= 1125)
                panels += !near(cached.getPixel(x, y), fresh.getPixel(x, y), 1);
            else
                world += cached.getPixel(x, y) != fresh.getPixel(x, y);
        }
    }
    return {world, panels};
}

} // namespace

TEST(WorldDrawing, LayersCoverEachOtherInTheirOrderExplosionsShowTheirFrameAndCachesMatch) {
    Scene scene;
    Game& game = scene.game;
    AssetStore& pictures = scene.pictures();
    const sf::Color blockColour(90, 60, 30), playerColour(0, 200, 200), tankColour(0, 0, 255),
        towerColour(120, 0, 120), soldierColour(0, 120, 0), itemColour(200, 100, 0),
        explosionColour(255, 0, 255), crosshairColour(255, 255, 0), ground(200, 200, 200);
    solid(pictures.block, 36, 36, blockColour);
    solid(pictures.tankImages[0], 124, 72, tankColour);
    solid(pictures.towerImage, 42, 96, towerColour);
    solid(pictures.lifeSymbol, 40, 60, itemColour);
    solid(pictures.effectFrames[0], 256, 208, explosionColour);
    solid(pictures.visier, 64, 64, crosshairColour);
    solid(pictures.area, 8, 8, ground);
    game.prepareDrawing();

    // Everything at one spot (clear of marker and grid lines).
    const Point p(300, 620);
    const auto soldierAt = [&](sf::Color colour) {
        auto soldier = std::make_unique<Soldier>("1", game.gameClock);
        solid(soldier->image, 40, 40, colour);
        soldier->setTexture(soldier->image, true);
        soldier->setOrigin(20.f, 20.f);
        soldier->setPosition(p.x, p.y);
        return soldier;
    };
    Block block(pictures.block);
    block.setPosition(p.x - 18, p.y - 18);
    game.blocks.push_back(block);
    game.shots.emplace_back(p.x, p.y, 0.0, 1.0, 1, false);
    game.player = soldierAt(playerColour);
    Track track(1, 720, true, pictures, game.random);
    Tank tank(1, 1, pictures.tankImages[0]);
    tank.setPosition(p.x - 60, p.y - 30);
    track.tanks = {tank};
    game.tracks.push_back(track);
    Tower tower(pictures, 1, game.gameClock);
    tower.setPosition(p.x + 10, p.y - 10); // its health bar off the spot
    game.towers.push_back(tower);
    game.soldiers.push_back(soldierAt(soldierColour));
    Item item(1, &pictures.lifeSymbol);
    item.setPosition(p.x - 20, p.y - 30);
    game.items.push_back(item);
    game.explosions.emplace_back(p, true, game.gameClock);
    game.mouse = p;

    // Taken away from the top, each layer shows the next one down.
    const struct {
        const char* what;
        sf::Color colour;
        std::function<void()> takeAway;
    } layers[] = {
        {"crosshair", crosshairColour, [&] { game.mouse = Point(-300, -300); }},
        {"explosion", explosionColour, [&] { game.explosions.clear(); }},
        {"item", itemColour, [&] { game.items.clear(); }},
        {"enemy soldier", soldierColour, [&] { game.soldiers.clear(); }},
        {"tower", towerColour, [&] { game.towers.clear(); }},
        {"tank", tankColour, [&] { game.tracks.clear(); }},
        {"player", playerColour, [&] { game.player.reset(); }},
        {"shot", sf::Color::White, [&] { game.shots.clear(); }},
        {"block", blockColour, [] {}},
    };
    for (const auto& layer : layers) {
        EXPECT_EQ(worldPixel(scene.frame(), p.x, p.y), layer.colour) << layer.what;
        layer.takeAway();
    }

    // Under them: marker lines over roads over the grid.
    solid(pictures.street, 64, 32, sf::Color(90, 90, 90));
    Track road(1, 720, true, pictures, game.random);
    road.place(0, 260); // the road from y 260 to 342, across the red line at 300
    road.tanks.clear();
    game.tracks.push_back(road);
    // Explosions show their frame, 128 units either side at full size, 64 at half.
    solid(pictures.effectFrames[3], 256, 208, sf::Color::Magenta);
    game.explosions.emplace_back(Point(250, 800), true, game.gameClock);
    game.explosions.emplace_back(Point(550, 800), false, game.gameClock);
    for (Explosion& explosion : game.explosions)
        explosion.frame = 3;
    game.mouse = Point(400, 180);
    // A popup's text, red while new, on the bare ground.
    game.popups.push_back(
        std::make_unique<ScorePopup>("100", 600, 450, game.builtinFont, game.gameClock));
    const sf::Image shot = scene.frame();
    int popupInk = 0;
    for (float x = 595.f; x < 700.f; x += 1.f)
        for (float y = 440.f; y < 500.f; y += 1.f)
            popupInk += near(worldPixel(shot, x, y), sf::Color::Red, 60) ? 1 : 0;
    EXPECT_GT(popupInk, 50) << "the popup";
    EXPECT_EQ(worldPixel(shot, 300.f, 300.f), sf::Color::Red);
    for (const float x : {313.f, 700.f})
        EXPECT_EQ(worldPixel(shot, x, 330.f), sf::Color(90, 90, 90)) << "road at " << x;
    EXPECT_EQ(worldPixel(shot, 350.f, 800.f), sf::Color::Magenta);
    EXPECT_NE(worldPixel(shot, 650.f, 800.f), sf::Color::Magenta);
    EXPECT_EQ(worldPixel(shot, 600.f, 800.f), sf::Color::Magenta);
    EXPECT_EQ(worldPixel(shot, 400.f, 180.f), crosshairColour);
    // The grid on the ground: a line every 41 units down, 36 across from the field's left.
    EXPECT_EQ(shot.getPixel(600, 400), ground);
    for (const sf::Color line : {worldPixel(shot, 331.f, 492.f), worldPixel(shot, 385.f, 400.f)})
        EXPECT_GT(line.g, line.r + 20);
    // The ground reaches 40 units past the field, darkened within 37.5 units of its edge.
    EXPECT_EQ(shot.getPixel(700, 10), ground);
    const sf::Color shade = shot.getPixel(700, 27);
    EXPECT_LT(shade.r, 120);
    EXPECT_GT(shade.r, 40);

    // Cached still layers give the same picture as layers drawn afresh.
    sf::Image field;
    field.create(97, 61);
    for (unsigned x = 0; x < 97; ++x)
        for (unsigned y = 0; y < 61; ++y)
            field.setPixel(
                x, y, sf::Color(static_cast<sf::Uint8>(x * 2), static_cast<sf::Uint8>(y * 4), 60));
    pictures.area.loadFromImage(field);
    Track passing(1, 720, false, pictures, game.random);
    passing.place(0, 300);
    // Partly under the panels and the frame border: hidden in both ways of drawing.
    passing.tanks.front().setPosition(-60, 500);
    passing.tanks.back().setPosition(740, 600);
    game.tracks.push_back(passing);
    game.explosions.emplace_back(Point(790, 200), true, game.gameClock);
    game.explosions.emplace_back(Point(400, 930), true, game.gameClock);
    game.scanX = 100;
    game.scanY = 500;

    // No frame border pictures, an opaque border, a title big enough to reach under the border.
    for (const auto& [opaqueBorder, titleScale] :
         {std::pair{false, 1.f}, {true, 1.f}, {true, 3.f}}) {
        if (opaqueBorder) {
            solid(pictures.frameLines, 25, 25, sf::Color(120, 120, 130));
            solid(pictures.frameCorners, 50, 50, sf::Color(200, 180, 0));
        }
        game.text.setScale(titleScale, titleScale);
        const auto [world, panels] = cachedAgainstFresh(scene);
        EXPECT_EQ(world, 0) << titleScale << opaqueBorder;
        EXPECT_EQ(panels, 0) << titleScale << opaqueBorder;
        EXPECT_EQ(game.drawing->borderInStill, opaqueBorder);
    }
}
