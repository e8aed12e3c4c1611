#include "platform/SoundFiles.hpp"
#include "tests/support/ScratchFolder.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TEST(SoundFiles, OnlyReadableSoundsLoadAndNothingHangs) {
    namespace fs = std::filesystem;
    ScratchFolder folder;
    // A real one, a tenth of a second of silence, and spoilt copies of it.
    const std::vector<sf::Int16> samples(4410, 0);
    {
        sf::OutputSoundFile out;
        out.openFromFile("good.wav", 44100, 1);
        out.write(samples.data(), samples.size());
    }
    fs::copy_file("good.wav", "cut.wav");
    fs::resize_file("cut.wav", fs::file_size("good.wav") / 2);
    std::ofstream("empty.ogg");
    std::ofstream("garbage.ogg") << std::string(3000, '\x5a');
    fs::create_directories("folder.wav");
    fs::create_directories("folder.ogg");

    // A cut file lacks samples its header promises: a sound needs them all, music streams what
    // there is. Each try runs in a child stopped after ten seconds, so a hang or crash shows.
    const struct {
        const char* name;
        int sound, music; // 1: loads as a sound, opens as music
    } cases[] = {{"good.wav", 1, 1},  {"cut.wav", 0, 1},     {"missing.wav", 0, 0},
                 {"empty.ogg", 0, 0}, {"garbage.ogg", 0, 0}, {"folder.wav", 0, 0},
                 {"folder.ogg", 0, 0}};
    for (const auto& c : cases)
        for (const bool music : {false, true}) {
            const pid_t child = fork();
            if (child == 0) {
                alarm(10);
                sf::SoundBuffer buffer;
                sf::Music stream;
                _exit(music ? openMusicFile(stream, c.name) : loadSoundFile(buffer, c.name));
            }
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, music ? c.music : c.sound)
                << c.name << (music ? " as music" : " as a sound");
        }
}
