#include "platform/SoundFiles.hpp"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
namespace fs = std::filesystem;

// Runs `attempt` in a child process that is stopped after a few seconds; returns its exit code,
// or -1 when it hung or crashed.
int exitCodeWithin(unsigned seconds, const std::function<int()>& attempt) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(seconds);
        _exit(attempt());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SoundFiles : public ::testing::Test {
  protected:
    SoundFiles()
        : dir_(fs::temp_directory_path() / ("velmarch-sounds-" + std::to_string(getpid()))) {
        fs::create_directories(dir_);
        // A real one, a tenth of a second of silence, and spoilt copies of it.
        const std::vector<sf::Int16> samples(4410, 0);
        {
            sf::OutputSoundFile out;
            out.openFromFile(path("good.wav"), 44100, 1);
            out.write(samples.data(), samples.size());
        }
        fs::copy_file(path("good.wav"), path("cut.wav"));
        fs::resize_file(path("cut.wav"), fs::file_size(path("good.wav")) / 2);
        std::ofstream(path("empty.ogg"));
        std::ofstream(path("garbage.ogg")) << std::string(3000, '\x5a');
        fs::create_directories(path("folder.wav"));
        fs::create_directories(path("folder.ogg"));
    }
    ~SoundFiles() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

  private:
    fs::path dir_;
};
} // namespace

TEST_F(SoundFiles, OnlyReadableSoundsLoadAndNothingHangs) {
    struct Case {
        const char* name;
        bool sound; // loads as a sound
        bool music; // opens as music
    };
    // A cut file lacks samples its header promises: a sound needs them all, music streams what
    // there is.
    const Case cases[] = {{"good.wav", true, true},      {"cut.wav", false, true},
                          {"missing.wav", false, false}, {"empty.ogg", false, false},
                          {"garbage.ogg", false, false}, {"folder.wav", false, false},
                          {"folder.ogg", false, false}};
    for (const Case& c : cases) {
        const std::string file = path(c.name);
        const int sound = exitCodeWithin(10, [&] {
            sf::SoundBuffer buffer;
            return loadSoundFile(buffer, file) ? 1 : 0;
        });
        EXPECT_EQ(sound, c.sound ? 1 : 0) << c.name << " as a sound";
        const int music = exitCodeWithin(10, [&] {
            sf::Music stream;
            return openMusicFile(stream, file) ? 1 : 0;
        });
        EXPECT_EQ(music, c.music ? 1 : 0) << c.name << " as music";
    }
}
