#include "platform/GameWindow.hpp"
#include "tools/autoplay/Run.hpp"

#include <SFML/System/Err.hpp>
#include <gtest/gtest.h>

// The autoplayer wins every level at full strength and human-paced, and a whole game; under the
// much slower sanitizers one level stands in for all.
TEST(Winnable, AutoplayerWinsEveryLevel) {
    GameWindow window(GameWindow::Mode::Offscreen);
    auto play = [&](int level, std::uint32_t seed, double minutes, bool human) {
        autoplay::RunOptions options;
        options.level = level;
        options.seed = seed;
        options.minutes = minutes;
        options.human = human;
        return autoplay::playRun(window, options);
    };
    // The player made after the last level has no picture of its own.
    const auto errors = sf::err().rdbuf(nullptr);
#ifdef VELMARCH_SANITIZED
    const int lastLevel = 1, lastSeed = 1;
#else
    const int lastLevel = 5, lastSeed = 2;
    const autoplay::RunStats game = play(0, 1, 40, true);
    EXPECT_TRUE(game.won && game.level == 6 && game.crossings == 45) << describe(game);
#endif
    for (const bool human : {false, true})
        for (int level = 1; level <= lastLevel; ++level)
            for (std::uint32_t seed = 1; seed <= std::uint32_t(lastSeed); ++seed) {
                const autoplay::RunStats run = play(level, seed, human ? 8 : 5, human);
                EXPECT_TRUE(run.won) << (human ? "human-paced" : "full strength") << " level "
                                     << level << " seed " << seed << ": " << describe(run);
            }
    sf::err().rdbuf(errors);
}
