#include "render/Layout.hpp"
#include "tests/render/RenderTestSupport.hpp"

using rendertest::columnsWith;
using rendertest::near;
using rendertest::Scene;
using rendertest::solid;

namespace {

std::unique_ptr<Soldier> playerWith(const GameClock& clock, double damage, double fireRate,
                                    double turnRate, double moveRate) {
    auto player = std::make_unique<Soldier>("1", clock);
    player->damage = damage;
    player->fireRate = fireRate;
    player->turnRate = turnRate;
    player->moveRate = moveRate;
    player->life = 75;
    player->ammo = 100;
    return player;
}

} // namespace

TEST(HudTexts, RowsWriteIntsPlainAndDoublesWithSixDigits) {
    Scene scene;
    Game& game = scene.game;
    game.player = playerWith(game.gameClock, 2.0, 3.0, 1.0, 1.5);
    game.shownPoints = 50;
    game.points = 150; // the row shows what has been counted up so far
    game.clock.restart();
    game.gameClock.advance(59.9);

    const std::vector<HudRow> rows = hudRows(game);
    const char* expected[] = {"Zeit : 59 s",
                              "Punkte : 50 XP",
                              "Leben : 75 LP",
                              "Munnition : 100 PE",
                              "Schaden : 2 (sc/ss)",
                              "Schuss    : 0.333333 (ss/s)",
                              "Drehen    : 20 (\xB0/s)",
                              "Bewegen : 75 (P/s)"};
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].text, expected[i]);
    const float ys[] = {100, 150, 200, 250, 550, 600, 650, 700};
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].y, ys[i]);

    game.player->fireRate = 1.0;
    game.player->damage = 2.5;
    EXPECT_EQ(hudRows(game)[5].text, "Schuss    : 1 (ss/s)");
    EXPECT_EQ(hudRows(game)[4].text, "Schaden : 2.5 (sc/ss)");
}

TEST(HudTexts, IconsAndStatisticsBreatheWithThePulse) {
    Scene scene;
    Game& game = scene.game;
    game.player = playerWith(game.gameClock, 1.0, 1.0, 1.0, 1.0);
    const struct {
        float pulse;
        sf::Vector2f sizes[4];
        float scales[4];
    } cases[] = {{1.f,
                  {{24, 34}, {46, 71}, {54, 79}, {36, 56}},
                  {1 + 1 / 30.f, 1 - 1 / 30.f, 1 + 1 / 30.f, 1 - 1 / 30.f}},
                 {-1.f,
                  {{16, 26}, {54, 79}, {46, 71}, {44, 64}},
                  {1 - 1 / 30.f, 1 + 1 / 30.f, 1 - 1 / 30.f, 1 + 1 / 30.f}}};
    for (const auto& c : cases) {
        game.pulse = c.pulse;
        const std::vector<HudRow> rows = hudRows(game);
        ASSERT_EQ(rows.size(), 8u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(rows[static_cast<std::size_t>(i)].iconSize, c.sizes[i])
                << "pulse " << c.pulse;
            EXPECT_EQ(rows[static_cast<std::size_t>(i)].scale, 1.f);
            EXPECT_FLOAT_EQ(rows[static_cast<std::size_t>(i) + 4].scale, c.scales[i]);
            EXPECT_EQ(rows[static_cast<std::size_t>(i) + 4].icon, nullptr);
        }
        EXPECT_EQ(rows[0].icon, &game.assets->timeSymbol);
        EXPECT_EQ(rows[3].icon, &game.assets->munnitionSymbol);
    }
}

TEST(HudTexts, LevelCountersAndTheFinalFrames) {
    EXPECT_EQ(levelCounterText(1, 3), "3/5");
    EXPECT_EQ(levelCounterText(2, 0), "0/10");
    EXPECT_EQ(levelCounterText(5, 10), "10/10");
    // Without a player (after teardown) only time and points are left.
    Scene scene;
    EXPECT_EQ(hudRows(scene.game).size(), 2u);
    EXPECT_NO_FATAL_FAILURE(scene.frame());
}

TEST(HudDrawing, CurrentLevelMarkerSitsHalfARowBelowItsTitle) {
    const struct {
        int level;
        unsigned y;
    } cases[] = {{1, 225}, {3, 525}, {5, 825}};
    for (const auto& c : cases) {
        Scene scene;
        scene.game.level = c.level;
        const sf::Image shot = scene.frame();
        EXPECT_EQ(shot.getPixel(1150, c.y), sf::Color::White) << "level " << c.level;
        EXPECT_EQ(shot.getPixel(1430, c.y), sf::Color::White) << "level " << c.level;
        const unsigned other = c.y == 225 ? 825 : 225;
        EXPECT_NE(shot.getPixel(1150, other), sf::Color::White) << "level " << c.level;
    }
}

TEST(HudDrawing, PanelsAndTexts) {
    Scene scene;
    const sf::Image shot = scene.frame();
    // Black under translucent green, between grid lines; the outline in full green.
    EXPECT_TRUE(near(shot.getPixel(100, 100), sf::Color(0, 100, 0), 1));
    EXPECT_EQ(shot.getPixel(359, 500), sf::Color::Green);
    // "Level 1" is centred on x 180 near the top of the left panel.
    const auto [first, last] = columnsWith(shot, 20, 80, sf::Color::White);
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + last) / 2.0, 180.0, 3.0);
}

TEST(HudDrawing, ClosedCurtainMeetsInTheMiddleWithTheLogo) {
    Scene scene;
    solid(scene.pictures().metall, 50, 50, sf::Color::Blue);
    solid(scene.pictures().armee, 64, 64, sf::Color::Magenta);
    scene.game.curtainX = 0;
    scene.game.curtainY = 0;
    const sf::Image shot = scene.frame();
    EXPECT_EQ(shot.getPixel(100, 100), sf::Color::Blue);
    EXPECT_EQ(shot.getPixel(1400, 850), sf::Color::Magenta);
    for (unsigned x : {716u, 720u, 724u})
        EXPECT_EQ(shot.getPixel(x, 100), sf::Color::White) << x;
    // "Vel" in red ends 20 pixels left of the seam, "March" in white starts 20 right of it.
    const auto vel = columnsWith(shot, 390, 450, sf::Color::Red, 10);
    ASSERT_GE(vel.first, 0);
    EXPECT_LE(vel.second, 700);
    EXPECT_GE(vel.second, 690);
    const auto march = columnsWith(shot, 455, 510, sf::Color::White, 10, 730);
    ASSERT_GE(march.first, 0);
    EXPECT_GE(march.first, 740);
    EXPECT_LE(march.first, 750);
}

TEST(HudDrawing, DoorLeavesAndFade) {
    Scene scene;
    solid(scene.pictures().door, 100, 100, sf::Color(255, 128, 0));
    const sf::Color door(255, 128, 0);
    scene.game.curtainY = 0;
    sf::Image shot = scene.frame();
    EXPECT_EQ(shot.getPixel(720, 100), door);
    EXPECT_EQ(shot.getPixel(720, 800), door);

    // Each leaf 200 pixels away from its closed place; the upper leaf's last row of tiles
    // reaches past the middle (tiles at y 400..500), so it ends at 300.
    scene.game.curtainY = 200;
    shot = scene.frame();
    EXPECT_EQ(shot.getPixel(720, 290), door);
    EXPECT_NE(shot.getPixel(720, 310), door);
    EXPECT_NE(shot.getPixel(720, 640), door);
    EXPECT_EQ(shot.getPixel(720, 660), door);

    scene.game.fade = 255.f;
    shot = scene.frame();
    for (unsigned x : {10u, 720u, 1430u})
        EXPECT_EQ(shot.getPixel(x, 450), sf::Color::Black);
}

TEST(HudDrawing, PauseOverlayShowsOnlyItsTwoLines) {
    Scene scene;
    scene.game.paused = true;
    const sf::Image shot = scene.frame();
    const auto title = columnsWith(shot, 400, 460, sf::Color::White);
    const auto hint = columnsWith(shot, 500, 550, sf::Color::White);
    ASSERT_GE(title.first, 0);
    ASSERT_GE(hint.first, 0);
    EXPECT_NEAR((title.first + title.second) / 2.0, 720.0, 3.0);
    EXPECT_NEAR((hint.first + hint.second) / 2.0, 720.0, 3.0);
    // Nothing above the title, between the lines or of the world and HUD.
    EXPECT_EQ(columnsWith(shot, 0, 398, sf::Color::White, 200).first, -1);
    EXPECT_EQ(shot.getPixel(100, 100), sf::Color::Black);
}

TEST(HudDrawing, PauseHintKeepsTheScaleTheHudLeft) {
    const auto hintWidth = [](float pulse) {
        Scene scene;
        scene.game.pulse = pulse;
        scene.frame(); // the HUD leaves its counters' scale on the second text
        scene.game.paused = true;
        scene.game.pulse = 0.f;
        const auto hint = columnsWith(scene.frame(), 500, 560, sf::Color::White);
        return hint.second - hint.first;
    };
    const int larger = hintWidth(1.f), smaller = hintWidth(-1.f);
    EXPECT_GT(larger, smaller);
    EXPECT_NEAR(static_cast<double>(larger) / smaller, (1 + 1 / 30.0) / (1 - 1 / 30.0), 0.02);
}
