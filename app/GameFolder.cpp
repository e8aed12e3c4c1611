#include "app/GameFolder.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/DataFile.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// Set by the build from the install layout (program in games/, content in share/games/velmarch/).
#ifndef VELMARCH_CONTENT_FROM_PROGRAM
#define VELMARCH_CONTENT_FROM_PROGRAM "../share/games/velmarch"
#endif

namespace {

fs::path absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/')
        return {};
    return value;
}

std::string failed(const std::string& what, const fs::path& path, const std::error_code& error) {
    return "cannot " + what + " " + path.string() + ": " + error.message();
}

// Makes `link` point at `target` unless it already does; something that is not a link is kept.
std::string linkEntry(const fs::path& target, const fs::path& link) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(link, error);
    if (fs::is_symlink(status)) {
        if (fs::read_symlink(link, error) == target)
            return {};
        fs::remove(link, error);
    } else if (fs::exists(status)) {
        return {};
    }
    fs::create_symlink(target, link, error);
    return error ? failed("link", link, error) : std::string();
}

// The nearest folder that exists on the way to `folder` must be the player's own: run by the
// superuser with someone else's HOME (sudo -E), the game would leave root's files in their home.
std::string whyNotMadeHere(const fs::path& folder) {
    fs::path existing = folder;
    struct stat status {};
    while (::stat(existing.c_str(), &status) != 0) {
        if (errno != ENOENT || !existing.has_relative_path())
            return failed("reach", existing, std::error_code(errno, std::generic_category()));
        existing = existing.parent_path();
    }
    const std::string problem = whyNotOwnFolder(status);
    return problem.empty() ? problem : existing.string() + " " + problem;
}

// The game plays from the installed content itself in a private folder, whose sources/ is a link
// to it: a save never makes Data/ through a link, so nothing is written. The folder goes at the
// end, also after a fresh start in it.
constexpr const char* playFolderPrefix = "velmarch-play-";
char playFolder[PATH_MAX];

void removePlayFolder() {
    const std::string folder = playFolder;
    ::unlink((folder + "/sources").c_str());
    ::rmdir(folder.c_str());
}

void removeAtExit(const fs::path& folder) {
    const std::string path = folder.string();
    if (path.size() >= sizeof playFolder || playFolder[0] != '\0')
        return;
    std::strcpy(playFolder, path.c_str());
    std::atexit(removePlayFolder);
}

// A folder that playFromContent made: its one entry is sources/, a link to the content.
bool isPlayFolder(const fs::path& folder, const fs::path& content) {
    std::error_code error;
    struct stat status {};
    return !content.empty() && folder.filename().string().starts_with(playFolderPrefix) &&
           ::lstat(folder.c_str(), &status) == 0 && status.st_uid == ::geteuid() &&
           fs::read_symlink(folder / "sources", error) == content &&
           std::distance(fs::directory_iterator(folder, error), {}) == 1;
}

std::string playFromContent(const fs::path& content) {
    // $TMPDIR only when it is the player's own: after sudo -E it may lie in someone's home.
    fs::path base = absoluteVariable("TMPDIR");
    struct stat status {};
    if (base.empty() || ::stat(base.c_str(), &status) != 0 || !whyNotOwnFolder(status).empty())
        base = "/tmp";
    std::string folder = (base / playFolderPrefix).string() + "XXXXXX";
    if (!::mkdtemp(folder.data()))
        return failed("create", folder, std::error_code(errno, std::generic_category()));
    std::error_code error;
    fs::create_symlink(content, fs::path(folder) / "sources", error);
    if (!error)
        fs::current_path(folder, error);
    if (error) {
        fs::remove(fs::path(folder) / "sources", error);
        fs::remove(folder, error);
        return failed("play in", folder, error);
    }
    removeAtExit(folder);
    return {};
}

} // namespace

fs::path installedContent(const fs::path& executable) {
    return (executable.parent_path() / VELMARCH_CONTENT_FROM_PROGRAM).lexically_normal();
}

fs::path userGameFolder() {
    if (fs::path data = absoluteVariable("XDG_DATA_HOME"); !data.empty())
        return data / "velmarch";
    fs::path home = absoluteVariable("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
            home = user->pw_dir;
        else
            return {};
    }
    return home / ".local/share/velmarch";
}

std::string prepareGameFolder(const fs::path& folder, const fs::path& content) {
    if (std::string problem = whyNotMadeHere(folder); !problem.empty())
        return problem;
    std::error_code error;
    const fs::path sources = folder / "sources";
    fs::create_directories(sources, error);
    if (error)
        return failed("create", sources, error);

    std::set<fs::path> wanted;
    for (fs::directory_iterator entry(content, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path name = entry->path().filename();
        if (name == "Data")
            continue;
        wanted.insert(name);
        if (std::string problem = linkEntry(entry->path(), sources / name); !problem.empty())
            return problem;
    }
    if (error)
        return failed("read", content, error);

    // Links left by an older content that no longer has their entry.
    for (fs::directory_iterator entry(sources, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_symlink(ignored) && !wanted.count(entry->path().filename()) &&
            !fs::exists(entry->path(), ignored))
            fs::remove(entry->path(), ignored);
    }

    // The player's names and scores: a real folder, never replaced once it is one.
    const fs::path data = sources / "Data";
    if (!fs::is_directory(data, error) && fs::is_symlink(fs::symlink_status(data, error)))
        fs::remove(data, error);
    // Writable by the player alone, whatever the umask: saves refuse a folder others can write.
    if (::mkdir(data.c_str(), 0755) != 0 && errno != EEXIST)
        return failed("create", data, std::error_code(errno, std::generic_category()));
    if (!fs::is_directory(data, error))
        return data.string() + " is not a folder";
    if (access(data.c_str(), W_OK) != 0)
        return failed("write in", data, std::error_code(errno, std::generic_category()));
    return {};
}

std::optional<std::string> enterGameFolder(const fs::path& executable) {
    std::error_code error;
    const fs::path content = installedContent(executable);
    // Any other sources/ here (the player's own notes, say) is not the game's and stays untouched.
    if (fs::is_regular_file(content::firstLevelFile, error)) {
        if (const fs::path here = fs::current_path(error);
            isPlayFolder(here, fs::canonical(content, error)))
            removeAtExit(here);
        return std::nullopt;
    }

    if (!fs::is_directory(content, error) || access(content.c_str(), R_OK | X_OK) != 0)
        return "velmarch: no game in " + (fs::current_path(error) / "sources").string() +
               " and no readable game content at " + content.string();

    const fs::path folder = userGameFolder();
    std::string problem =
        folder.empty() ? "no home folder to keep the game's data in" : whyNotMadeHere(folder);
    if (problem.empty()) {
        problem = prepareGameFolder(folder, fs::canonical(content, error));
        // A folder that lacks only a writable Data/ still plays.
        if (fs::is_directory(folder / "sources", error)) {
            fs::current_path(folder, error);
            if (!error)
                return problem.empty() ? std::nullopt : std::optional("velmarch: " + problem);
            problem = failed("enter", folder, error);
        }
    }
    if (const std::string failure = playFromContent(fs::canonical(content, error));
        !failure.empty())
        return "velmarch: " + problem + "; " + failure;
    return "velmarch: " + problem + "; playing without saving";
}
