#include "app/Application.hpp"
#include "app/AudioCheck.hpp"
#include "tests/support/ScopedEnvironment.hpp"
#include "tests/support/ScratchFolder.hpp"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TEST(Music, FadesStepByStepEvenWithoutAFile) {
    ScratchFolder empty;
    sf::Music music;
    EXPECT_FALSE(music.openFromFile("sources/Music/Taldrin - Skyforge.ogg"));

    std::vector<float> steps;
    const auto record = [&](float volume) { steps.push_back(volume); };
    auto start = std::chrono::steady_clock::now();
    fadeMusicIn(music, record);
    // 0, 1, ... 24: 25 steps of 0.02 s, and the music stays at 24.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    ASSERT_EQ(steps.size(), 25u);
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_FLOAT_EQ(steps[i], static_cast<float>(i));
    EXPECT_FLOAT_EQ(music.getVolume(), 24.f);

    steps.clear();
    fadeMusicOut(music, record);
    // 25, 24, ... 1: one step above the playing volume first.
    ASSERT_EQ(steps.size(), 25u);
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_FLOAT_EQ(steps[i], static_cast<float>(25 - i));
}

TEST(Restart, ReplacesTheProcessWithItsOwnExecutableInTheSameFolder) {
    ScratchFolder folder;
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        // The fresh start lists no tests and reports to a file named relative to the working
        // directory, so the report's place shows where it ran.
        startAnew({"--gtest_filter=NoSuchTest", "--gtest_output=json:started.json"});
        _exit(99);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "started.json"));
}

TEST(AudioCheck, TellsWhetherTheDeviceOpens) {
    {
        ScopedEnvironment silent("ALSOFT_DRIVERS", "null");
        EXPECT_TRUE(audioDeviceOpens());
    }
    {
        // A driver list naming no real driver leaves OpenAL without a device.
        ScopedEnvironment none("ALSOFT_DRIVERS", "nosuchdriver");
        EXPECT_FALSE(audioDeviceOpens());
    }
}

TEST(AudioCheck, KeepsADriverChoiceMadeOutside) {
    ScopedEnvironment chosen("ALSOFT_DRIVERS", "nosuchdriver");
    useSilentAudioWithoutDevice();
    EXPECT_STREQ(std::getenv("ALSOFT_DRIVERS"), "nosuchdriver");
}
