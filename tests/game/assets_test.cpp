#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>
#include <thread>

using namespace testworld;

// Waits (a bounded while) until every sound of the board has finished.
static bool allFinished(const SoundBoard& board) {
    const auto stopped = [](const auto& sound) { return sound->getStatus() == sf::Sound::Stopped; };
    for (int tries = 0; tries < 200; ++tries) {
        if (std::all_of(board.playing.begin(), board.playing.end(), stopped))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(AssetStore, LoadsExplosionFramesWithoutLeadingZeros) {
    ContentDir dir;
    for (int n = 0; n < 20; ++n)
        if (n != 7)
            writePicture("sources/Images/Effects/Pic_" + std::to_string(n) + ".png", 10 + n, 5);
    writePicture("sources/Images/Effects/Pic_07.png", 3, 3);
    writePicture("sources/Images/Texture/Block.jpg", 33, 34);
    writePicture("sources/Images/Tanks/Tank_03.png", 90, 45);
    writePicture("sources/Images/Symbols/Munnition.png", 21, 22);

    AssetStore assets;
    assets.loadAll();
    for (int n = 0; n < 20; ++n) {
        const sf::Vector2u size = assets.effectFrames[static_cast<std::size_t>(n)].getSize();
        // Frame 7's file is missing (only a zero-padded name exists): that frame alone is empty.
        EXPECT_EQ(size, n == 7 ? sf::Vector2u(0, 0) : sf::Vector2u(10 + n, 5)) << n;
    }
    EXPECT_EQ(assets.block.getSize(), sf::Vector2u(33, 34));
    EXPECT_EQ(assets.tankImages[2].getSize(), sf::Vector2u(90, 45));
    EXPECT_EQ(assets.munnitionSymbol.getSize(), sf::Vector2u(21, 22));
    EXPECT_EQ(assets.area.getSize(), sf::Vector2u(0, 0));
    // Scaled and turned, the pictures blend their texels.
    for (const sf::Texture* picture : {&assets.block, &assets.visier, &assets.effectFrames[3]})
        EXPECT_TRUE(picture->isSmooth());
}

TEST(SoundBoard, EveryRequestStartsItsOwnSoundUpToTheLimitReleasedOneAFrame) {
    World world;
    SoundBoard& board = *world.game.sounds;
    RandomEngine expected = world.game.random;
    // The shot sounds draw from the game's one engine.
    board.play("shoot");
    board.play("shoot");
    ASSERT_EQ(board.playing.size(), 2u);
    for (const auto& sound : board.playing)
        EXPECT_EQ(world.bufferOf(*sound), randomInt(expected, 0, 3));
    EXPECT_EQ(world.game.random, expected);
    const std::pair<const char*, int> named[] = {
        {"damage", DamageSound}, {"collect", CollectSound},
        {"refill", RefillSound}, {"nextlevel", NextLevelSound},
        {"Shoot", -1},           {"", -1}};
    for (const auto& [name, buffer] : named) {
        board.play(name);
        EXPECT_EQ(world.lastSound(), buffer) << name;
    }
    // Unknown names still take an entry until released.
    EXPECT_EQ(board.playing.size(), 8u);

    // One finished sound is released per update, the first started first.
    std::vector<const sf::SoundBuffer*> started;
    for (const auto& sound : board.playing)
        started.push_back(sound->getBuffer());
    ASSERT_TRUE(allFinished(board));
    for (std::size_t i = 1; i <= started.size(); ++i) {
        board.update();
        ASSERT_EQ(board.playing.size(), started.size() - i);
        if (!board.playing.empty()) {
            EXPECT_EQ(board.playing.front()->getBuffer(), started[i]);
        }
    }

    // Long sounds, still playing when the limit is reached: the request is dropped, but its
    // shot sound is still drawn, so the game's chance does not depend on the audio device.
    const std::vector<sf::Int16> samples(8000 * 5, 500);
    for (auto& buffer : board.buffers)
        buffer->loadFromSamples(samples.data(), samples.size(), 1, 8000);
    expected = world.game.random;
    for (std::size_t i = 0; i <= SoundBoard::maxSounds; ++i) {
        board.play("shoot");
        randomInt(expected, 0, 3);
    }
    EXPECT_EQ(board.playing.size(), SoundBoard::maxSounds);
    EXPECT_EQ(world.game.random, expected);
    // A finished sound makes room for the next request.
    const sf::Sound* after = board.playing[11].get();
    board.playing[10]->stop();
    board.play("damage");
    EXPECT_EQ(board.playing.size(), SoundBoard::maxSounds);
    EXPECT_EQ(board.playing[10].get(), after);
    EXPECT_EQ(world.lastSound(), DamageSound);
}
