#include "app/Application.hpp"

#include "app/AudioCheck.hpp"
#include "app/DesktopControls.hpp"
#include "app/MainMenu.hpp"
#include "app/MenuPages.hpp"
#include "platform/ContentPaths.hpp"
#include "platform/GameWindow.hpp"
#include "platform/SoundFiles.hpp"

#include <SFML/System/Sleep.hpp>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace {
constexpr int musicVolume = 24;

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

std::optional<std::string> programToStartAnew(std::string_view link) {
    constexpr std::string_view deleted = " (deleted)";
    // A link as long as the buffer may have been cut off: no path is that long.
    if (link.empty() || link.size() >= PATH_MAX)
        return std::nullopt;
    if (link.size() >= deleted.size() && link.substr(link.size() - deleted.size()) == deleted)
        return std::nullopt;
    return std::string(link);
}

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

    MusicFile music;
    if (music.open(content::menuMusic)) {
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

    char link[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", link, sizeof link);
    std::optional<std::string> program = programToStartAnew(
        length > 0 ? std::string_view(link, static_cast<std::size_t>(length)) : std::string_view());
    // After an upgrade the old program would play with the new content.
    if (!program) {
        std::cerr << "Velmarch: cannot start anew: the program was replaced or its path is too "
                     "long\n";
        return;
    }
    std::vector<char*> argv;
    argv.push_back(program->data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The running program itself: its path may name another file by now.
    execv("/proc/self/exe", argv.data());
    std::cerr << "Velmarch: cannot start anew: " << std::strerror(errno) << '\n';
}
