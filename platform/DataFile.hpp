#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>

// Replaces a data file's contents so that it holds either the old bytes or the new ones, never a
// mix, even when the program is killed or the disk fills up: the new bytes go to a temporary file
// beside it (NAME.tmp), which then takes the file's name. A file that already holds these bytes is
// left alone.
//
// Only the player's own files are written. The file's folder (sources/Data) must be the player's
// own folder that no other user can write (see whyNotOwnFolder); it is made when missing, but only
// inside a real sources/ folder of the player's own. A link there is followed only when the link
// is the player's, and it leads to an existing plain file of the player's of the same name, in a
// folder of the player's own. Only plain files are replaced, and the new file keeps the old one's
// permissions, except setuid and setgid. A leftover temporary file is removed only when it is the
// player's plain file; anything else under its name stops the save.
//
// A file or folder marked read-only (no write permission bit) is not written, even where the
// system would allow it. When the file cannot be replaced it stays as it was, one line saying why
// goes to standard error and false is returned.
bool replaceFile(const std::filesystem::path& file, std::string_view contents);

// Why a folder may not hold the player's files, or an empty string when it may: it must belong to
// the effective user and be writable by no other user. Group write is allowed only for the user's
// private group: their primary group, which lists no other member and is no one else's primary
// group.
std::string whyNotOwnFolder(const struct stat& folder);
