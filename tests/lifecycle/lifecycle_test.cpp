#include "platform/GameWindow.hpp"
#include "render/DrawingCache.hpp"
#include "rules/Geometry.hpp"
#include "screens/Game.hpp"
#include "tests/game/TestWorld.hpp"
#include "tests/screens/ScreenTestSupport.hpp"

#include <cmath>
#include <cstring>

using rendertest::columnsWith;
using rendertest::dt;
using J = sf::Joystick;

namespace {

// A game loaded in an empty folder: no pictures, sounds, font or level files at all.
struct BareGame {
    BareGame() : game(window, 11u) {
        window.setFixedFrameTime(dt);
        game.loadResources();
    }

    ScratchFolder dir;
    GameWindow window{GameWindow::Mode::Offscreen};
    Game game;
};

const char* const highscores = "sources/Data/Highscores.data";

} // namespace

TEST(GameLifecycle, ABareGameRunsPausesAndEndsWithTheFrameThatTakesTheLastLife) {
    BareGame bare;
    Game& game = bare.game;
    EXPECT_EQ(std::tuple(game.running, game.paused, game.aborted, game.fade, game.level),
              std::tuple(true, false, false, 255.f, 1));
    EXPECT_EQ(game.mapArea, Box(25, 0, 720, 900));
    EXPECT_EQ(game.levelProgress, (std::array<int, 6>{}));
    ASSERT_TRUE(game.player && game.sounds && game.text.getFont() && game.text2.getFont());
    // Without its file, the display font is the built-in one too.
    EXPECT_NE(game.font.getInfo().family, "");
    EXPECT_EQ(game.builtinFont.getInfo().family, game.font.getInfo().family);
    EXPECT_EQ(game.player->position, Point(385, 900));

    // The opening fades in, then the curtain and the door stop wide open.
    game.playOpening();
    EXPECT_EQ(std::tuple(game.fade, game.curtainX, game.curtainY), std::tuple(0.f, 770, 500));
    game.clock.restart();
    game.frame();
    EXPECT_EQ(std::pair(game.scanX, game.scanY), std::pair(3, 6));
    // P pauses: paused frames are drawn as the pause screen, but nothing moves. The mouse is
    // followed all the same; the window's close and Q are no way out.
    for (const sf::Event& event :
         {keyEvent(sf::Keyboard::P), mouseMoveEvent(412, 77),
          keyEvent(sf::Keyboard::Unknown, sf::Event::Closed), keyEvent(sf::Keyboard::Q)})
        game.handleEvent(event);
    EXPECT_EQ(std::pair(game.paused, game.mouse), std::pair(true, Point(412, 77)));
    const float facing = game.player->getRotation();
    for (int i = 0; i < 5; ++i)
        game.frame();
    EXPECT_EQ(std::tuple(game.running, game.scanX, game.scanY, game.player->getRotation()),
              std::tuple(true, 3, 6, facing));
    // The played time runs on through a pause.
    EXPECT_NEAR(game.clock.elapsed(), 6 * dt, 1e-4);
    EXPECT_GE(columnsWith(bare.window.screenshot(), 400, 460, sf::Color::White).first, 0);

    bare.window.queueEvent(keyEvent(sf::Keyboard::P)); // read by the frame itself
    game.frame();
    game.frame(); // the player turns to the mouse again
    EXPECT_EQ(game.scanX, 9);
    EXPECT_NE(game.player->getRotation(), facing);
    const sf::Image before = bare.window.screenshot();
    game.player->life = 0;
    game.frame();
    EXPECT_EQ(std::pair(game.running, game.scanX), std::pair(false, 12)) << "updated";
    const sf::Image after = bare.window.screenshot();
    EXPECT_NE(std::memcmp(before.getPixelsPtr(), after.getPixelsPtr(), 1440 * 900 * 4), 0)
        << "drawn";
    // Escape ends the game as given up; while paused the pause stays on.
    game.running = true;
    game.handleEvent(keyEvent(sf::Keyboard::P));
    game.handleEvent(keyEvent(sf::Keyboard::Escape));
    EXPECT_EQ(std::tuple(game.running, game.aborted, game.paused), std::tuple(false, true, true));

    // The teardown lets go of everything the game loaded or drew.
    game.soldiers.push_back(std::make_unique<Soldier>("1", game.gameClock));
    game.popups.push_back(std::make_unique<ScorePopup>("1", 0, 0, game.font, game.gameClock));
    ASSERT_TRUE(game.drawing && game.drawing->madeFor);
    game.teardown();
    EXPECT_TRUE(!game.player && game.soldiers.empty() && game.popups.empty() && !game.sounds &&
                !game.drawing && !game.assets);
}

TEST(GameLifecycle, LookingAwayPausesUntilPAndTheWindowsCloseButtonGivesUp) {
    BareGame bare;
    Game& game = bare.game;
    game.fade = 0.f;
    const sf::Event lost = keyEvent(sf::Keyboard::Unknown, sf::Event::LostFocus);
    const sf::Event back = keyEvent(sf::Keyboard::Unknown, sf::Event::GainedFocus);
    for (const auto& [events, paused] :
         {std::pair{std::vector{lost}, true},
          {std::vector{back}, true},
          {std::vector{keyEvent(sf::Keyboard::P)}, false},
          {std::vector{keyEvent(sf::Keyboard::P), lost}, true}}) { // paused already: stays
        for (const sf::Event& event : events)
            bare.window.queueEvent(event);
        game.frame();
        EXPECT_EQ(game.paused, paused) << events.back().type;
    }
    bare.window.queueEvent(keyEvent(sf::Keyboard::Unknown, sf::Event::Closed));
    game.frame();
    EXPECT_EQ(std::tuple(game.running, game.aborted), std::tuple(false, true));
}

TEST(GameLifecycle, TheNameIsTheFirstLineOfInfoDataAWholeLostGameIsRecordedAGivenUpOneIsNot) {
    ScratchFolder dir;
    writeBytes("sources/Data/Info.data", "Tester\r\nignored\r\n");
    // A lane over the start: while a tank stands there, every frame costs 10 life.
    writeBytes("sources/Levels/Level_1.txt", "track\ntrue\n860\n");
    for (const char* tank : {"Tank_01", "Tank_02", "Tank_03"})
        writePicture(std::string("sources/Images/Tanks/") + tank + ".png", 124, 72);
    writePicture("sources/Images/Soldiers/Soldier_01.png", 40, 40);
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(0.5f); // long frames keep the game short
    Game game(window, 11u);
    game.run();
    EXPECT_EQ(std::tuple(game.running, game.aborted, game.level), std::tuple(false, false, 1));
    EXPECT_TRUE(game.player == nullptr && game.assets == nullptr);
    EXPECT_EQ(std::tuple(game.fade, game.curtainX, game.curtainY), std::tuple(255.f, 0, 0));
    // Fading in by 50 a frame takes 6 frames, the curtain at 150 pixels a frame 6 (to 900 >
    // 769), the door 4 (to 600 > 499); these 16 frames come before the played time, the 16 of
    // the closing within it. The seeded game lasts 19 frames; the record keeps whole seconds.
    EXPECT_NEAR(game.gameClock.now() - game.clock.elapsed(), 16 * 0.5, 1e-3);
    EXPECT_NEAR(game.clock.elapsed(), (19 + 16) * 0.5, 1e-3);
    EXPECT_EQ(readBytes(highscores), "1\nTester\n0\n17");

    // Without Info.data the name is empty. Given up: no record.
    std::filesystem::remove(highscores);
    std::filesystem::remove("sources/Data/Info.data");
    game.points = 1234;
    game.clock.restart();
    game.gameClock.advance(75.9);
    game.recordScore();
    EXPECT_EQ(readBytes(highscores), "1\n\n1234\n75");
    std::filesystem::remove(highscores);
    game.aborted = true;
    game.recordScore();
    EXPECT_FALSE(std::filesystem::exists(highscores));
}

// Every object of the field goes before the pictures it shows: a frame drawn after the teardown
// touches none of them (the sanitized build sees it), and the game loads and plays again.
TEST(GameLifecycle, TheTeardownLeavesNothingPointingAtThePicturesAndTheGameLoadsAgain) {
    testworld::World world(1);
    const std::string level = "track\ntrue\n500\ntower\n300\n300\nblock\n100\n650\n"
                              "soldier\n360\n200\nitem\n2\n500\n700\n";
    world.load(level);
    Game& game = world.game;
    game.shots.push_back(testworld::playerShotAt(Point(385, 600)));
    game.explosions.emplace_back(Point(300, 300), true, game.gameClock);
    game.popups.push_back(std::make_unique<ScorePopup>("1", 0, 0, game.font, game.gameClock));
    for (int f = 0; f < 10; ++f)
        world.step(testworld::holding(true));
    game.drawFrame();
    game.level = 2;
    game.levelProgress[1] = 5;
    game.curtainY = game.curtainX = 40;

    game.teardown();
    EXPECT_TRUE(!game.player && game.soldiers.empty() && game.popups.empty() &&
                game.shots.empty() && game.towers.empty() && game.explosions.empty() &&
                game.tracks.empty() && game.blocks.empty() && game.items.empty() && !game.sounds &&
                !game.drawing && !game.assets);
    game.drawFrame();

    testworld::ContentDir::writeLevel(1, level);
    game.loadResources();
    ASSERT_EQ(std::tuple(game.tracks.size(), game.towers.size(), game.soldiers.size()),
              std::tuple(1u, 1u, 1u));
    // Loaded again, the game starts afresh: level 1, no crossings, the curtain shut.
    EXPECT_EQ(std::tuple(game.level, game.levelProgress[1], game.curtainX, game.curtainY),
              std::tuple(1, 0, 0, 0));
    for (int f = 0; f < 10; ++f)
        world.step(testworld::holding(true));
    game.drawFrame();
    EXPECT_TRUE(game.running);
}

TEST(GameLifecycle, APadWalksAimsFiresPausesAndGivesUpThroughTheWindowsEvents) {
    ScratchFolder dir;
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(dt);
    // The A that accepted the name, still held when the game starts, does not fire.
    window.queueEvent(padButtonEvent(PadButton::A));
    window.dropPendingEvents();
    Game game(window, 11u);
    game.loadResources();
    game.fade = 0.f;
    game.clock.restart();
    const Point start = game.player->centre();
    const auto frames = [&](std::initializer_list<sf::Event> events, int count = 2) {
        for (const sf::Event& event : events)
            window.queueEvent(event);
        // Events are read after the player is moved: the second frame acts on them.
        for (int i = 0; i < count; ++i)
            game.frame();
    };
    frames({}, 40); // time enough to fire again
    EXPECT_EQ(game.player->ammo, 100);
    EXPECT_EQ(game.player->centre(), start);

    // The left stick walks up and to the left at once, the d-pad right, then down.
    const auto walked = [&](std::initializer_list<sf::Event> events) {
        frames(events, 1);
        const Point from = game.player->centre();
        frames({}, 2);
        return std::pair(game.player->centre().x - from.x, game.player->centre().y - from.y);
    };
    const auto upLeft = walked({padMoveEvent(J::X, -80.f), padMoveEvent(J::Y, -80.f)});
    EXPECT_TRUE(upLeft.first < 0 && upLeft.second < 0);
    const auto right =
        walked({padMoveEvent(J::X, 0.f), padMoveEvent(J::Y, 0.f), padMoveEvent(J::PovX, 100.f)});
    EXPECT_TRUE(right.first > 0 && right.second == 0);
    const auto down = walked({padMoveEvent(J::PovX, 0.f), padMoveEvent(J::PovY, 100.f)});
    EXPECT_TRUE(down.first == 0 && down.second > 0);
    EXPECT_EQ(walked({padMoveEvent(J::PovY, 0.f)}), std::pair(0, 0));

    // The right stick puts the sight to the soldier's right and below, where it stays while the
    // soldier walks and the stick is let go; the soldier turns towards it.
    frames({padMoveEvent(J::U, 60.f), padMoveEvent(J::V, 80.f), padMoveEvent(J::Y, -80.f)}, 1);
    frames({padMoveEvent(J::U, 6.f), padMoveEvent(J::V, 8.f)}, 4);
    const float rotation = game.player->getRotation();
    const Point before = game.player->centre();
    frames({}, 1);
    EXPECT_NEAR(std::abs(std::remainder(game.player->getRotation() - rotation, 360.0)), 1.0, 1e-3)
        << "turning at the soldier's rate, as towards the mouse";
    const Point centre = game.player->centre();
    EXPECT_NE(centre, before);
    EXPECT_EQ(game.mouse,
              Point(centre.x + stickSightDistance * 3 / 5, centre.y + stickSightDistance * 4 / 5));
    frames({mouseMoveEvent(412, 77), padMoveEvent(J::Y, 0.f)});
    EXPECT_EQ(game.mouse, Point(412, 77)) << "the mouse owns the sight again";

    frames({padButtonEvent(PadButton::A)});
    EXPECT_EQ(game.player->ammo, 99);
    // Start pauses and resumes; pulling out the pad pauses; Back gives up.
    frames({padButtonEvent(PadButton::A, false), padButtonEvent(PadButton::Start)}, 1);
    EXPECT_TRUE(game.paused);
    frames({padButtonEvent(PadButton::Start)}, 1);
    EXPECT_FALSE(game.paused);
    frames({padPluggedEvent(false, 3)}, 1);
    EXPECT_FALSE(game.paused) << "another pad pulled out";
    frames({padPluggedEvent(false)}, 1);
    EXPECT_TRUE(game.paused);
    frames({padButtonEvent(PadButton::Back)}, 1);
    EXPECT_TRUE(game.aborted && !game.running);
}
