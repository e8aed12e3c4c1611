#include "app/Application.hpp"
#include "app/CommandLine.hpp"
#include "app/GameFolder.hpp"
#include "platform/Version.hpp"

#include <csignal>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    // A reader of standard output that has gone (`velmarch | head -1`) must not end the game.
    std::signal(SIGPIPE, SIG_IGN);
    const CommandLine line = readCommandLine(argc, argv);
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    switch (line.action) {
    case CommandLine::Action::Help: {
        const std::filesystem::path content = installedContent(program);
        std::cout << helpText(std::filesystem::is_directory(content, error)
                                  ? content.string()
                                  : "none (looked for " + content.string() + ")",
                              userGameFolder().string());
        return 0;
    }
    case CommandLine::Action::Version:
        std::cout << "Velmarch " << version::number << "\n";
        return 0;
    case CommandLine::Action::Refuse:
        std::cerr << "velmarch: unknown option '" << line.badOption << "'\n" << usageText();
        return 2;
    case CommandLine::Action::Play:
        break;
    }

    if (const std::optional<std::string> problem = enterGameFolder(program))
        std::cerr << *problem << '\n';
    const Settings settings = readSettings();
    // The window and the music are gone by now; a played game is followed by a fresh title screen
    // in this same process.
    const RunOutcome outcome = runVelmarch(line.fullscreen.value_or(settings.fullscreen), settings);
    if (outcome.restart)
        startAnew(restartArguments(outcome.fullscreen));
    return 0;
}
