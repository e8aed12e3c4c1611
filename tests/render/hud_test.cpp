#include "platform/ScreenLayout.hpp"
#include "render/Layout.hpp"
#include "tests/render/RenderTestSupport.hpp"

using namespace rendertest;

TEST(Hud, RowsPanelsLevelListAndMarker) {
    Scene scene;
    Game& game = scene.game;
    game.player = std::make_unique<Soldier>("1", game.gameClock);
    Soldier& player = *game.player;
    player.damage = 2.0;
    player.fireRate = 3.0;
    player.turnRate = 1.0;
    player.moveRate = 1.5;
    player.life = 75;
    player.ammo = 100;
    game.shownPoints = 50;
    game.points = 150; // the row shows what has been counted up so far
    game.clock.restart();
    game.gameClock.advance(59.9);
    const char* expected[] = {"Zeit : 59 s",
                              "Punkte : 50 XP",
                              "Leben : 75 LP",
                              "Munnition : 100 PE",
                              "Schaden : 2 (sc/ss)",
                              "Schuss    : 0.333333 (ss/s)",
                              "Drehen    : 20 (\xB0/s)",
                              "Bewegen : 75 (P/s)"};
    const float ys[] = {100, 150, 200, 250, 550, 600, 650, 700};
    // Icons grow and shrink in turn, the statistics below them the other way.
    const struct {
        float pulse;
        sf::Vector2f sizes[4];
    } pulses[] = {{1.f, {{24, 34}, {46, 71}, {54, 79}, {36, 56}}},
                  {-1.f, {{16, 26}, {54, 79}, {46, 71}, {44, 64}}}};
    for (const auto& c : pulses) {
        game.pulse = c.pulse;
        const std::vector<HudRow> rows = hudRows(game);
        ASSERT_EQ(rows.size(), 8u);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(rows[i].text, expected[i]);
            EXPECT_EQ(rows[i].y, ys[i]);
        }
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(rows[i].iconSize, c.sizes[i]) << "pulse " << c.pulse;
            EXPECT_EQ(rows[i].scale, 1.f);
            EXPECT_FLOAT_EQ(rows[i + 4].scale, 1.f + (i % 2 ? -c.pulse : c.pulse) / 30.f);
            EXPECT_EQ(rows[i + 4].icon, nullptr);
        }
        EXPECT_EQ(rows[0].icon, &game.assets->timeSymbol);
        EXPECT_EQ(rows[3].icon, &game.assets->munnitionSymbol);
    }
    for (const auto& [level, progress, text] :
         {std::tuple{1, 3, "3/5"}, {2, 0, "0/10"}, {5, 10, "10/10"}})
        EXPECT_EQ(levelCounterText(level, progress), text);
    // Without a player (after teardown) only time and points are left.
    game.player.reset();
    EXPECT_EQ(hudRows(game).size(), 2u);

    // The panels, the level list and the current level's marker.
    game.pulse = 0.f;
    scene.game.level = 6; // the current-level marker below the list, out of the way
    scene.game.scanX = 100;
    scene.game.scanY = 300;
    solid(scene.pictures().frameCorners, 50, 50, sf::Color::Magenta);
    sf::Image shot = scene.frame();
    EXPECT_GE(columnsWith(shot, 100, 130, sf::Color::White).first, 20);
    EXPECT_GE(columnsWith(shot, 200, 720, sf::Color::White).first, 1130); // the level list only
    // The right panel spans 1130..1440: its outline centred on x 1130, its screen beyond.
    EXPECT_EQ(shot.getPixel(1105, 100), sf::Color::Black);
    EXPECT_EQ(shot.getPixel(1130, 100), sf::Color::Green);
    EXPECT_EQ(shot.getPixel(1140, 100), sf::Color(0, 100, 0));
    // The scan lines cross both panels at one place, the upright one's trail fading to its left.
    for (const unsigned x : {50u, 1150u})
        EXPECT_EQ(shot.getPixel(x, 300), sf::Color::Green) << x;
    for (const unsigned x : {100u, 1230u}) {
        EXPECT_NEAR(columnsWith(shot, 500, 501, sf::Color::Green, 0, x - 3).first, x, 1) << x;
        // Four pixels behind it the trail has alpha 48 over the panel's screen.
        EXPECT_TRUE(near(shot.getPixel(x - 5, 500), sf::Color(0, 129, 0), 2)) << x;
    }
    // The frame border's corner pictures fill the window's corners, 50 pixels square.
    for (const auto& [x, y] : {std::pair{0u, 0u}, {1439u, 0u}, {1439u, 899u}, {0u, 899u}}) {
        EXPECT_EQ(shot.getPixel(x, y), sf::Color::Magenta) << x << "," << y;
        EXPECT_EQ(shot.getPixel(x ? x - 49 : 49, y ? y - 49 : 49), sf::Color::Magenta);
        EXPECT_NE(shot.getPixel(x ? x - 50 : 50, y ? y - 50 : 50), sf::Color::Magenta);
    }
    // Level list: title k at y 150 k, its counter 30 below, centred on x 1260, nothing between.
    for (unsigned y = 150; y <= 750; y += 150) {
        const auto title = columnsWith(shot, y, y + 30, sf::Color::White, 40, 1135);
        const auto counter = columnsWith(shot, y + 31, y + 55, sf::Color::White, 40, 1135);
        EXPECT_NEAR((title.first + title.second) / 2.0, 1260.0, 3.0) << y;
        EXPECT_NEAR((counter.first + counter.second) / 2.0, 1260.0, 3.0) << y;
        EXPECT_EQ(columnsWith(shot, y + 60, y + 140, sf::Color::White, 40, 1135).first, -1) << y;
    }
    // The left panel's outline in full green.
    EXPECT_EQ(shot.getPixel(359, 500), sf::Color::Green);
    // "Level 1" is centred on x 180 near the top of the left panel.
    const auto [first, last] = columnsWith(shot, 20, 80, sf::Color::White);
    EXPECT_NEAR((first + last) / 2.0, 180.0, 3.0);

    // The marker sits half a row below its level's title.
    for (const auto& [level, y] : {std::pair{1, 225u}, std::pair{3, 525u}, std::pair{5, 825u}}) {
        scene.game.level = level;
        shot = scene.frame();
        EXPECT_EQ(shot.getPixel(1150, y), sf::Color::White) << "level " << level;
        EXPECT_EQ(shot.getPixel(1430, y), sf::Color::White) << "level " << level;
        EXPECT_NE(shot.getPixel(1150, y == 225 ? 825 : 225), sf::Color::White) << level;
    }
}

TEST(Hud, TheLeftPanelsFourTextsEndClearOfTheirSymbolsAtTheirLongest) {
    Scene scene;
    Game& game = scene.game;
    game.player = std::make_unique<Soldier>("1", game.gameClock);
    game.player->life = 100;
    game.player->ammo = 999;
    game.shownPoints = 99999;
    game.clock.restart();
    game.gameClock.advance(99999.5);
    solid(scene.pictures().lifeSymbol, 40, 60, sf::Color::Magenta);
    game.prepareDrawing();
    const sf::Image shot = scene.frame();
    EXPECT_EQ(columnsWith(shot, 210, 250, sf::Color::Magenta, 10).first, 310) << "the life symbol";
    // The symbols stand from x 310 (W/4 - 50); the texts end 10 pixels before them at least.
    for (const unsigned y : {100u, 150u, 200u, 250u}) {
        int last = -1;
        for (unsigned x = 0; x < 360; ++x)
            for (unsigned dy = 0; dy < 40; ++dy)
                if (near(shot.getPixel(x, y + dy), sf::Color::White, 100))
                    last = static_cast<int>(x);
        EXPECT_GT(last, 150) << "row " << y;
        EXPECT_LE(last, 300) << "row " << y;
    }
}

TEST(HudDrawing, ClosedCurtainWithTheLogoThenDoorLeavesFadeAndPause) {
    Scene scene;
    solid(scene.pictures().metall, 50, 50, sf::Color::Blue);
    solid(scene.pictures().armee, 64, 64, sf::Color::Magenta);
    scene.game.curtainX = 0;
    scene.game.curtainY = 0;
    sf::Image shot = scene.frame();
    EXPECT_EQ(shot.getPixel(100, 100), sf::Color::Blue);
    EXPECT_EQ(shot.getPixel(1400, 850), sf::Color::Magenta);
    for (unsigned x : {716u, 720u, 724u})
        EXPECT_EQ(shot.getPixel(x, 100), sf::Color::White) << x;
    EXPECT_EQ(shot.getPixel(720, 0), sf::Color::White) << "the seam from the top";
    // "Vel" in red ends 20 pixels left of the seam, "March" in white starts 20 right of it.
    const auto vel = columnsWith(shot, 390, 450, sf::Color::Red, 10);
    EXPECT_LE(vel.second, 700);
    EXPECT_GE(vel.second, 690);
    EXPECT_NEAR(vel.first, 635, 1) << "the logo's size";
    const auto march = columnsWith(shot, 455, 510, sf::Color::White, 10, 730);
    EXPECT_GE(march.first, 740);
    EXPECT_LE(march.first, 750);

    // The curtain open, the door shut.
    const sf::Color door(255, 128, 0);
    solid(scene.pictures().door, 100, 100, door);
    scene.game.curtainX = layout::curtainOpenX;
    shot = scene.frame();
    EXPECT_EQ(shot.getPixel(720, 100), door);
    EXPECT_EQ(shot.getPixel(720, 800), door);
    // Each leaf 200 pixels from its closed place: the upper one's last tiles end at 300.
    scene.game.curtainY = 200;
    shot = scene.frame();
    EXPECT_EQ(shot.getPixel(720, 290), door);
    EXPECT_NE(shot.getPixel(720, 310), door);
    EXPECT_NE(shot.getPixel(720, 640), door);
    EXPECT_EQ(shot.getPixel(720, 660), door);

    scene.game.fade = 255.f;
    shot = scene.frame();
    for (const unsigned x : {0u, 10u, 1439u})
        EXPECT_EQ(shot.getPixel(x, 450), sf::Color::Black) << x;
    // The fade's alpha is its low 8 bits: 300 darkens like 44 (over the panel's (0, 100, 0)).
    for (const auto& [fade, green] : {std::pair{128.9f, 50}, std::pair{300.f, 83}}) {
        scene.game.fade = fade;
        EXPECT_TRUE(near(scene.frame().getPixel(100, 450), sf::Color(0, green, 0), 2)) << fade;
    }

    // Paused: two centred lines, the second in the scale the HUD left it.
    scene.game.fade = 0.f;
    const auto hint = [&scene](float pulse) {
        scene.game.paused = false;
        scene.game.pulse = pulse;
        scene.frame(); // the HUD leaves its counters' scale on the second text
        scene.game.paused = true;
        scene.game.pulse = 0.f;
        return columnsWith(scene.frame(), 500, 560, sf::Color::White);
    };
    const auto larger = hint(1.f), smaller = hint(-1.f);
    const double ratio =
        static_cast<double>(larger.second - larger.first) / (smaller.second - smaller.first);
    EXPECT_NEAR(ratio, (1 + 1 / 30.0) / (1 - 1 / 30.0), 0.02);

    shot = scene.frame();
    const auto title = columnsWith(shot, 400, 460, sf::Color::White);
    EXPECT_NEAR((title.first + title.second) / 2.0, 720.0, 3.0);
    sf::Text expected(fromCp1252("- Spiel Pausiert -"), *scene.game.text.getFont(), 50);
    expected.setScale(scene.game.text.getScale());
    EXPECT_NEAR(title.second - title.first, expected.getGlobalBounds().width, 4.0);
    EXPECT_NEAR((smaller.first + smaller.second) / 2.0, 720.0, 3.0);
    // Nothing above the title, between the lines or of the world and HUD.
    EXPECT_EQ(columnsWith(shot, 0, 398, sf::Color::White, 200).first, -1);
    EXPECT_EQ(shot.getPixel(100, 100), sf::Color::Black);
}
