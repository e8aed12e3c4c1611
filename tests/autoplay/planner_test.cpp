#include "tests/game/TestWorld.hpp"
#include "tools/autoplay/Run.hpp"

#include <gtest/gtest.h>

using namespace testworld;
using namespace autoplay;

namespace {

std::vector<int> lefts(const LaneView& lane) {
    std::vector<int> out;
    for (const TankView& tank : lane.tanks)
        out.push_back(tank.left);
    return out;
}

} // namespace

// The copy of the field foresees lanes, new tanks and the player's steps exactly: level 3 leaves
// 47 px between tanks for a 42 px player.
TEST(Autoplayer, PlanOverALaneHoldsInTheGame) {
    World world(3, 77);
    world.load("track\ntrue\n500\ntrack\nfalse\n400\n");
    int crossings = 0;
    for (int attempt = 0; attempt < 12; ++attempt) {
        // Somewhere else along the lanes each time, waiting below the lower one.
        for (int f = 0; f < 17 * attempt; ++f)
            world.step();
        world.player().setPosition(385, 900);
        world.player().life = 100;
        Field field = look(world.game);
        world.player().setPosition(300 + 30 * (attempt % 6), waitLine(field, nextLane(field)));
        field = look(world.game);
        const Forecast forecast(field, 200, world.game.random);
        const int lane = nextLane(field);
        const std::optional<Plan> plan = bestPlan(field, forecast, 0, lane, 0);
        if (!plan)
            continue;
        const Outcome expected = tryPlan(field, forecast, 0, lane, *plan, 0);
        ASSERT_TRUE(expected.safe);
        for (int f = 0; f < expected.frames; ++f) {
            for (std::size_t l = 0; l < world.game.tracks.size(); ++l)
                ASSERT_EQ(lefts(look(world.game).lanes[l]), lefts(forecast.at(f)[l]))
                    << "frame " << f << " lane " << l;
            const Keys keys = planKeys(look(world.game), lane, *plan, f);
            world.step(holding(keys.up, keys.left, keys.right, keys.down));
            ASSERT_EQ(world.player().life, 100) << "attempt " << attempt << " frame " << f;
        }
        EXPECT_EQ(world.player().centre(), expected.end);
        EXPECT_EQ(world.player().life, 100);
        ++crossings;
    }
    EXPECT_GE(crossings, 6);
}

// A shot is fired only where the copy says it hits an enemy: it must hit what the copy says.
TEST(Autoplayer, ShotForecastMatchesTheGame) {
    World world(1, 5);
    int seen[4] = {};
    for (int r = -80; r <= 80; r += 4) {
        world.load("track\ntrue\n600\ntower\n560\n720\nblock\n200\n500\n");
        for (int f = 0; f < r + 80; ++f)
            world.step(); // the lane somewhere else each time
        world.player().setPosition(385, 800);
        world.player().setRotation(static_cast<float>(r < 0 ? r + 360 : r));
        const Field field = look(world.game);
        const ShotResult predicted =
            predictShot(field, Forecast(field, 60, world.game.random), field.rotation);
        world.game.fire(world.player());
        while (!world.game.shots.empty())
            world.step();
        ShotResult::What actual = ShotResult::Nothing;
        if (world.game.towers.front().life < 100)
            actual = ShotResult::Enemy;
        if (world.game.blocks.front().life < 100)
            actual = ShotResult::Block;
        for (const Tank& tank : world.game.tracks.front().tanks)
            if (tank.life < 100)
                actual = ShotResult::Tank;
        EXPECT_EQ(predicted.what, actual) << "rotation " << r;
        ++seen[actual];
    }
    // The sweep met every kind of end.
    for (int what = 0; what < 4; ++what)
        EXPECT_GT(seen[what], 0) << what;
}
