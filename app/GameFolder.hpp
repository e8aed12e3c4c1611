#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Where the game runs. The game reads and writes sources/ relative to its working directory; an
// installed game keeps its read-only content apart from the program and gives every user a
// game folder of their own, whose sources/ links to that content and holds a real Data/.

// The installed content beside a program at `executable` (../share/games/velmarch from the
// program's folder), whether it exists or not.
std::filesystem::path installedContent(const std::filesystem::path& executable);

// $XDG_DATA_HOME/velmarch, or ~/.local/share/velmarch when that is unset or not absolute;
// empty when neither gives an absolute path.
std::filesystem::path userGameFolder();

// Makes `folder` a game folder over `content`, or repairs it: sources/ with one link per entry
// of the content (a broken, stale or missing link is made anew; anything that is not a link is
// left as the player made it) and a real, writable sources/Data/, whose files are never
// touched. Nothing is made unless the nearest folder that exists on the way is the player's own
// (see whyNotOwnFolder). Returns an empty string, or what failed.
std::string prepareGameFolder(const std::filesystem::path& folder,
                              const std::filesystem::path& content);

// At start-up: unless the working directory's sources/ holds the game (its first level), changes
// into the user's game folder over the installed content. Where that folder may not be made, the
// game plays from the installed content in a private temporary folder and saves nothing. Returns
// the one line to report when the game folder could not be used, or nothing; the game goes on
// either way.
std::optional<std::string> enterGameFolder(const std::filesystem::path& executable);
