#include "platform/GameWindow.hpp"
#include "tools/autoplay/Run.hpp"

#include <SFML/System/Err.hpp>
#include <gtest/gtest.h>

// Every shipped level is won by the autoplayer, at full strength within 5 minutes of game time and
// human-paced within 8, and a whole game human-paced: a change to the rules or the content that
// leaves a level without a way through fails here. Under the sanitizers, where play is many times
// slower, one level stands in for all.
TEST(Winnable, AutoplayerWinsEveryLevel) {
    GameWindow window(GameWindow::Mode::Offscreen);
    // The player made after the last level has no picture of its own.
    const auto errors = sf::err().rdbuf(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    const int lastLevel = 1;
    const std::uint32_t seeds[] = {1};
#else
    const int lastLevel = 5;
    const std::uint32_t seeds[] = {1, 2};
#endif
    for (const bool human : {false, true})
        for (int level = 1; level <= lastLevel; ++level)
            for (std::uint32_t seed : seeds) {
                autoplay::RunOptions options;
                options.level = level;
                options.seed = seed;
                options.human = human;
                options.minutes = human ? 8 : 5;
                const autoplay::RunStats run = autoplay::playRun(window, options);
                EXPECT_TRUE(run.won) << (human ? "human-paced" : "full strength") << " level "
                                     << level << " seed " << seed << ": " << describe(run);
            }
#if !defined(__SANITIZE_ADDRESS__)
    autoplay::RunOptions game;
    game.level = 0;
    game.human = true;
    game.minutes = 40;
    const autoplay::RunStats run = autoplay::playRun(window, game);
    EXPECT_TRUE(run.won) << describe(run);
    EXPECT_EQ(run.level, 6);
    EXPECT_EQ(run.crossings, 45);
#endif
    sf::err().rdbuf(errors);
}
