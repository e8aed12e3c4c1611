#include "app/Application.hpp"

#include "app/AudioCheck.hpp"
#include "app/DesktopControls.hpp"
#include "app/MainMenu.hpp"
#include "app/MenuPages.hpp"
#include "platform/GameWindow.hpp"
#include "platform/SoundFiles.hpp"

#include <SFML/System/Sleep.hpp>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace {
constexpr const char* musicPath = "sources/Music/Taldrin - Skyforge.ogg";
constexpr int musicVolume = 24;

std::string ownExecutable() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "/proc/self/exe";
    return std::string(path, static_cast<std::size_t>(length));
}

void fadeMusic(sf::Music& music, int first, int last, const std::function<void(float)>& onStep) {
    const int step = first <= last ? 1 : -1;
    for (int volume = first;; volume += step) {
        music.setVolume(static_cast<float>(volume));
        if (onStep)
            onStep(music.getVolume());
        sf::sleep(sf::seconds(0.02f));
        if (volume == last)
            break;
    }
}
} // namespace

void fadeMusicIn(sf::Music& music, const std::function<void(float)>& onStep) {
    fadeMusic(music, 0, musicVolume, onStep);
}

void fadeMusicOut(sf::Music& music, const std::function<void(float)>& onStep) {
    fadeMusic(music, musicVolume + 1, 1, onStep);
}

RunOutcome runVelmarch(bool fullscreen, const Settings& settings) {
    useSilentAudioWithoutDevice();
    DesktopControls controls(settings);
    GameWindow window(fullscreen ? GameWindow::Mode::Fullscreen : GameWindow::Mode::Windowed);
    window.setControls(&controls);
    window.setMouseCursorVisible(false);
    // The loading screen's thread takes the drawing context while this thread loads.
    window.setActive(false);
    window.setFramerateLimit(30);

    sf::Music music;
    if (openMusicFile(music, musicPath)) {
        music.setLoop(true);
        music.play();
    }
    fadeMusicIn(music);

    bool restart = false;
    {
        MainMenu menu(window, menuPages());
        restart = menu.run();
    }

    fadeMusicOut(music);
    music.stop();
    window.close();
    return {restart, window.isFullscreen()};
}

void startAnew(const std::vector<std::string>& arguments) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);

    std::string executable = ownExecutable();
    std::vector<char*> argv;
    argv.push_back(executable.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    execv(executable.c_str(), argv.data());
    // A rebuilt executable leaves the link pointing at "... (deleted)": the running image still
    // serves.
    execv("/proc/self/exe", argv.data());
    std::cerr << "Velmarch: cannot start anew: " << std::strerror(errno) << '\n';
}
