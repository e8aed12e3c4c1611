#include "app/CommandLine.hpp"

std::vector<std::string> restartArguments(bool fullscreen) {
    return {fullscreen ? "--fullscreen" : "--windowed"};
}

CommandLine readCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--windowed" || option == "--fullscreen") {
            line.fullscreen = option == "--fullscreen";
        } else if (option == "--help" || option == "--version") {
            line.action =
                option == "--help" ? CommandLine::Action::Help : CommandLine::Action::Version;
            return line;
        } else {
            line.action = CommandLine::Action::Refuse;
            line.badOption = option;
            return line;
        }
    }
    return line;
}

std::string usageText() {
    return "Usage: velmarch [--fullscreen | --windowed | --help | --version]\n";
}

std::string helpText(const std::string& content, const std::string& playerFolder) {
    return usageText() +
           "Velmarch: cross the field under fire, from its bottom edge to its top edge.\n"
           "\n"
           "Options:\n"
           "  --fullscreen play on the full screen, whatever was chosen last\n"
           "  --windowed   play in a 1440 x 900 window, whatever was chosen last\n"
           "  --help       show this help\n"
           "  --version    show the version\n"
           "\n"
           "Keys:\n"
           "  menu         1 play, 2 story, 3 instructions, 4 credits, 5 highscores, 6 quit\n"
           "  name entry   type a name, Enter starts, Escape goes back\n"
           "  game         arrow keys walk, the mouse aims, Space or the left button fires,\n"
           "               P pauses, Escape gives up; leaving the window pauses\n"
           "  pages        Escape goes back; C on the highscores clears the list\n"
           "  everywhere   M mutes, - and + set the volume, F11 or Alt+Enter switches\n"
           "               between full screen and window; a window's close button quits\n"
           "\n"
           "Gamepad:\n"
           "  menu         d-pad or left stick moves a highlight, A chooses\n"
           "  name entry   A or Start starts, B goes back\n"
           "  game         left stick or d-pad walks, the right stick aims, A or the right\n"
           "               trigger fires, Start pauses, Back gives up\n"
           "  pages        B goes back\n"
           "\n"
           "Files:\n"
           "  The game reads its content from sources/ in the working directory when that\n"
           "  holds the game. Otherwise an installed game plays in the player's own game\n"
           "  folder, whose sources/ links to the installed content and whose sources/Data/\n"
           "  holds the player's name (Info.data), the highscores (Highscores.data) and\n"
           "  the sound and screen settings (Settings.data). Saves go only into a\n"
           "  sources/Data/ of the player's own that no one else may write (see man velmarch).\n"
           "  Installed content:  " +
           content + "\n  Player's folder:    " + playerFolder +
           "\n                      ($XDG_DATA_HOME/velmarch, by default "
           "~/.local/share/velmarch)\n";
}
