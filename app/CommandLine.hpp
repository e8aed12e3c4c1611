#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks for. With no arguments: the game, as the settings say.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    // --fullscreen or --windowed, the last one given: this run only, the saved choice aside.
    std::optional<bool> fullscreen;
    std::string badOption; // with Refuse
};

// What a fresh start after a game is given: the screen as it was when the game ended.
std::vector<std::string> restartArguments(bool fullscreen);

// Options are read in order; --help and --version answer at once, the first unknown one refuses.
CommandLine readCommandLine(int argc, const char* const* argv);

std::string usageText();
// The usage, the keys and where the game's files are: the installed content and the player's
// game folder as found here.
std::string helpText(const std::string& content, const std::string& playerFolder);
