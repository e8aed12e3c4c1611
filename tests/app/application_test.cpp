#include "app/Application.hpp"
#include "app/AudioCheck.hpp"
#include "app/CommandLine.hpp"
#include "platform/SoundFiles.hpp"
#include "tests/support/ScopedEnvironment.hpp"
#include "tests/support/ScratchFolder.hpp"

#include <chrono>
#include <climits>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <vector>

// First of this file: once a sound object has opened the device in this process, a child's
// probe reuses it whatever the driver list says.
TEST(AudioCheck, TellsWhetherTheDeviceOpensAndKeepsAChoiceMadeOutside) {
    {
        ScopedEnvironment silent("ALSOFT_DRIVERS", "null");
        EXPECT_TRUE(audioDeviceOpens());
    }
    // A driver list naming no real driver leaves OpenAL without a device; being set, it stands.
    ScopedEnvironment none("ALSOFT_DRIVERS", "nosuchdriver");
    EXPECT_FALSE(audioDeviceOpens());
    useSilentAudioWithoutDevice();
    EXPECT_STREQ(std::getenv("ALSOFT_DRIVERS"), "nosuchdriver");
}

TEST(CommandLine, OptionsInOrderAndTheFirstUnknownOneRefuses) {
    using A = CommandLine::Action;
    using Args = std::vector<const char*>;
    const std::optional<bool> saved;
    for (const auto& [argv, action, fullscreen, bad] :
         {std::tuple{Args{"velmarch"}, A::Play, saved, ""},
          {Args{"velmarch", "--windowed"}, A::Play, std::optional(false), ""},
          {Args{"velmarch", "--windowed", "--fullscreen"}, A::Play, std::optional(true), ""},
          {Args{"velmarch", "--version", "--windowed"}, A::Version, saved, ""},
          {Args{"velmarch", "--windowed", "-x", "--help"}, A::Refuse, std::optional(false),
           "-x"}}) {
        const CommandLine line = readCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(line.action, action) << argv.size();
        EXPECT_EQ(line.fullscreen, fullscreen) << argv.size();
        EXPECT_EQ(line.badOption, bad) << argv.size();
    }
    EXPECT_EQ(restartArguments(true), std::vector<std::string>{"--fullscreen"});
    EXPECT_EQ(restartArguments(false), std::vector<std::string>{"--windowed"});
    const std::string help = helpText("/usr/share/games/velmarch", "/home/p/.local/share/velmarch");
    EXPECT_EQ(help.rfind(usageText(), 0), 0u);
    EXPECT_NE(help.find("Installed content:  /usr/share/games/velmarch\n"), std::string::npos);
    EXPECT_NE(help.find("Player's folder:    /home/p/.local/share/velmarch\n"), std::string::npos);
}

TEST(StartAnew, OnlyAWholePathToAProgramStillThere) {
    EXPECT_EQ(programToStartAnew("/usr/games/velmarch"), "/usr/games/velmarch");
    EXPECT_EQ(programToStartAnew("/opt/v (deleted)/velmarch"), "/opt/v (deleted)/velmarch");
    EXPECT_EQ(programToStartAnew("/usr/games/velmarch (deleted)"), std::nullopt);
    EXPECT_EQ(programToStartAnew(""), std::nullopt);
    const std::string longest = "/" + std::string(PATH_MAX - 2, 'a');
    EXPECT_EQ(programToStartAnew(longest), longest);
    EXPECT_EQ(programToStartAnew(longest + "a"), std::nullopt); // as long as the buffer: cut off
}

// The music streams from the bytes of its file, which it keeps while it plays.
TEST(Music, PlaysFromTheBytesItKeeps) {
    MusicFile tune;
    ASSERT_TRUE(tune.open("sources/Music/Taldrin - Skyforge.ogg"));
    const sf::Time length = tune.getDuration();
    EXPECT_GT(length, sf::seconds(10));
    EXPECT_FALSE(tune.open("missing"));
    tune.setPlayingOffset(length / 2.f);
    tune.play();
    for (int i = 0; i < 500 && tune.getPlayingOffset() <= length / 2.f; ++i)
        sf::sleep(sf::milliseconds(10));
    EXPECT_GT(tune.getPlayingOffset(), length / 2.f);
}

TEST(Music, FadesStepByStepEvenWithoutAFile) {
    ScratchFolder empty;
    MusicFile music;
    EXPECT_FALSE(music.open("sources/Music/Taldrin - Skyforge.ogg"));

    // The volumes set, as the library reads them back in steps of its own.
    std::vector<long> steps;
    const auto record = [&](float volume) { steps.push_back(std::lround(volume)); };
    const auto start = std::chrono::steady_clock::now();
    fadeMusicIn(music, record);
    // 0, 1, ... 24: 25 steps of 0.02 s, and the music stays at 24.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    std::vector<long> expected(25);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(steps, expected);
    EXPECT_FLOAT_EQ(music.getVolume(), 24.f);

    // 25, 24, ... 1: one step above the playing volume first.
    steps.clear();
    fadeMusicOut(music, record);
    std::iota(expected.rbegin(), expected.rend(), 1);
    EXPECT_EQ(steps, expected);
}
