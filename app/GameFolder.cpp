#include "app/GameFolder.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <set>
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
    fs::create_directory(data, error);
    if (error || !fs::is_directory(data, error))
        return error ? failed("create", data, error) : data.string() + " is not a folder";
    if (access(data.c_str(), W_OK) != 0)
        return failed("write in", data, std::error_code(errno, std::generic_category()));
    return {};
}

std::optional<std::string> enterGameFolder(const fs::path& executable) {
    std::error_code error;
    if (fs::is_directory("sources", error))
        return std::nullopt;

    const fs::path content = installedContent(executable);
    if (!fs::is_directory(content, error) || access(content.c_str(), R_OK | X_OK) != 0)
        return "velmarch: no sources/ folder in " + fs::current_path(error).string() +
               " and no readable game content at " + content.string();

    const fs::path folder = userGameFolder();
    if (folder.empty())
        return "velmarch: no home folder to keep the game's data in";
    std::string problem = prepareGameFolder(folder, fs::canonical(content, error));
    // A folder that lacks only a writable Data/ still plays.
    if (fs::is_directory(folder / "sources", error)) {
        fs::current_path(folder, error);
        if (error)
            problem = failed("enter", folder, error);
    }
    if (!problem.empty())
        return "velmarch: " + problem;
    return std::nullopt;
}
