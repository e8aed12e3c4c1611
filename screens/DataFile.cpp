#include "screens/DataFile.hpp"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Where the bytes really live: a link is followed to its final target, which may not exist yet.
fs::path followLinks(fs::path file) {
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(file, error); ++hops) {
        const fs::path target = fs::read_symlink(file, error);
        if (error)
            break;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return file;
}

bool holdsAlready(const fs::path& file, std::string_view contents) {
    std::error_code error;
    if (!fs::is_regular_file(file, error) || fs::file_size(file, error) != contents.size())
        return false;
    std::ifstream in(file, std::ios::binary);
    const std::string held{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return in && held == contents;
}

// The folder exists afterwards, unless that takes writing into a read-only one.
bool makeFolder(const fs::path& folder, std::string& why) {
    std::error_code error;
    if (fs::is_directory(folder, error))
        return true;
    fs::path existing = folder;
    while (!existing.empty() && !fs::exists(existing, error) && existing.has_relative_path())
        existing = existing.parent_path();
    if (existing.empty())
        existing = ".";
    if (!markedWritable(existing)) {
        why = "the folder " + existing.string() + " is read-only";
        return false;
    }
    fs::create_directories(folder, error);
    if (error)
        why = error.message();
    return !error;
}

std::string errnoText() {
    return std::strerror(errno);
}

bool replace(const fs::path& file, std::string_view contents, std::string& why) {
    const fs::path target = followLinks(file);
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    fs::path temporary = target;
    temporary += ".tmp";

    if (holdsAlready(target, contents)) {
        // What a killed save left behind goes all the same.
        ::unlink(temporary.c_str());
        return true;
    }
    if (!makeFolder(folder, why))
        return false;
    if (!markedWritable(folder)) {
        why = "the folder is read-only";
        return false;
    }
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    // Only a plain file is ever replaced: a link may lead to a device such as /dev/zero.
    if (existed && !S_ISREG(old.st_mode)) {
        why = "it is not a plain file";
        return false;
    }
    if (existed && !markedWritable(target)) {
        why = "the file is read-only";
        return false;
    }

    // A temporary file left by a killed save is replaced, never written through: it could be a
    // link planted under that name.
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) {
        why = errnoText();
        return false;
    }
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = errnoText();
        return false;
    }
    bool ok = true;
    if (existed) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
        // The owner stays where the system allows it; otherwise the new file is ours.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            ok = ok && (::fchown(fd, old.st_uid, old.st_gid) == 0 || errno == EPERM);
    }
    // The bytes must be on the disk before the rename, or a power cut could leave an empty file
    // under the old name.
    ok = ok && writeAll(fd, contents) && ::fsync(fd) == 0;
    if (!ok)
        why = errnoText();
    if (::close(fd) != 0 && ok) {
        why = errnoText();
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        why = errnoText();
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    // And the new name must be on the disk too.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

} // namespace

bool markedWritable(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) != 0 &&
           ::access(path.c_str(), W_OK) == 0;
}

bool replaceFile(const fs::path& file, std::string_view contents) {
    // Beyond a file-size limit a write must fail like any other, not end the game.
    static const bool ignoringSizeSignal = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)ignoringSizeSignal;

    std::string why;
    if (replace(file, contents, why))
        return true;
    std::cerr << "Velmarch: cannot save " << file.string() << ": " << why << '\n';
    return false;
}
