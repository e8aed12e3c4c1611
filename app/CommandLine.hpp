#pragma once

#include <string>
#include <vector>

// What the command line asks for. With no arguments: the game, full screen.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    bool windowed = false;
    std::string badOption; // with Refuse

    // The arguments a fresh start after a game passes on.
    std::vector<std::string> restartArguments() const;
};

// Options are read in order; --help and --version answer at once, the first unknown one refuses.
CommandLine readCommandLine(int argc, const char* const* argv);

std::string usageText();
// The usage, the keys and where the game's files are: the installed content and the player's
// game folder as found here.
std::string helpText(const std::string& content, const std::string& playerFolder);
