#include "platform/DataFile.hpp"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <iostream>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

// An open file descriptor, closed with its owner.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

  private:
    int fd_;
};

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC;

std::string errnoText() {
    return std::strerror(errno);
}

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

bool privateGroup(gid_t group, uid_t user) {
    const passwd* account = ::getpwuid(user);
    if (!account || account->pw_gid != group)
        return false;
    const std::string name = account->pw_name;
    const ::group* entry = ::getgrgid(group);
    if (!entry)
        return false;
    for (char** member = entry->gr_mem; *member; ++member)
        if (name != *member)
            return false;
    bool shared = false;
    ::setpwent();
    while (const passwd* other = ::getpwent())
        if (other->pw_gid == group && other->pw_uid != user) {
            shared = true;
            break;
        }
    ::endpwent();
    return !shared;
}

// Some write permission bit set, and writing allowed for this process (not a read-only mount, not
// someone else's file). The bits count even for the superuser, who may write anything, so that a
// file or folder made read-only stays untouched whoever runs the game.
bool markedWritable(int folder, const std::string& name, const struct stat& status) {
    return (status.st_mode & 0222) != 0 &&
           ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
}

// The file's folder, opened once, never through a link at its last step. A missing one is made
// inside a real folder of the player's own, never through a link.
Descriptor openDataFolder(const fs::path& path, std::string& why) {
    Descriptor folder(::open(path.c_str(), folderFlags | O_NOFOLLOW));
    if (!folder.valid() && errno == ENOENT) {
        const fs::path parentPath = path.has_parent_path() ? path.parent_path() : fs::path(".");
        const Descriptor parent(::open(parentPath.c_str(), folderFlags | O_NOFOLLOW));
        struct stat status {};
        if (!parent.valid() || ::fstat(parent.get(), &status) != 0) {
            why = "no folder " + path.string() + " to save in";
            return Descriptor();
        }
        if (const std::string problem = whyNotOwnFolder(status); !problem.empty()) {
            why = "no folder " + path.string() + ", and " + parentPath.string() + " " + problem;
            return Descriptor();
        }
        if (!markedWritable(parent.get(), ".", status)) {
            why = "the folder " + parentPath.string() + " is read-only";
            return Descriptor();
        }
        const std::string name = path.filename().string();
        if (::mkdirat(parent.get(), name.c_str(), 0755) != 0 && errno != EEXIST) {
            why = errnoText();
            return Descriptor();
        }
        folder = Descriptor(::openat(parent.get(), name.c_str(), folderFlags | O_NOFOLLOW));
    }
    if (!folder.valid())
        why = errno == ELOOP     ? path.string() + " is a link, not a folder"
              : errno == ENOTDIR ? path.string() + " is not a folder"
                                 : errnoText();
    return folder;
}

// Where the bytes go: the file in its folder, or the file that the player's own links lead to.
struct Place {
    Descriptor folder;
    std::string name;
    struct stat status {};
    bool exists = false;
};

bool locate(Descriptor folder, const std::string& name, Place& place, std::string& why) {
    const uid_t player = ::geteuid();
    std::string current = name;
    for (int hops = 0;; ++hops) {
        struct stat status {};
        if (::fstatat(folder.get(), current.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            // A dangling link creates nothing: it may lead wherever someone chose.
            if (errno != ENOENT || hops > 0) {
                why = hops > 0 ? "it links to a file that is not there" : errnoText();
                return false;
            }
            place = {std::move(folder), current, status, false};
            return true;
        }
        if (S_ISREG(status.st_mode)) {
            if (hops > 0 && status.st_uid != player) {
                why = "it links to another user's file";
                return false;
            }
            // A link in an unpacked or copied folder is the player's own, whoever planted it.
            if (current != name) {
                why = "it links to a file of another name";
                return false;
            }
            place = {std::move(folder), current, status, true};
            return true;
        }
        // Only a plain file is ever replaced: a link may lead to a device such as /dev/zero.
        if (!S_ISLNK(status.st_mode)) {
            why = hops > 0 ? "it links to something that is not a plain file"
                           : "it is not a plain file";
            return false;
        }
        if (status.st_uid != player) {
            why = "it is a link of another user's";
            return false;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlinkat(folder.get(), current.c_str(), target, sizeof target);
        if (length <= 0 || length == static_cast<ssize_t>(sizeof target) || hops == 8) {
            why = "it leads through too many or too long links";
            return false;
        }
        const fs::path path(std::string(target, static_cast<std::size_t>(length)));
        const fs::path where = path.has_parent_path() ? path.parent_path() : fs::path(".");
        // Checked through the descriptor: whatever a swapped component led to is what is judged.
        Descriptor next(::openat(folder.get(), where.c_str(), folderFlags));
        struct stat folderStatus {};
        if (!next.valid() || ::fstat(next.get(), &folderStatus) != 0) {
            why = "it links into a folder that cannot be opened: " + errnoText();
            return false;
        }
        if (const std::string problem = whyNotOwnFolder(folderStatus); !problem.empty()) {
            why = "it links into a folder that " + problem;
            return false;
        }
        folder = std::move(next);
        current = path.filename().string();
    }
}

bool holdsAlready(int folder, const Place& place, std::string_view contents) {
    if (!place.exists || static_cast<std::size_t>(place.status.st_size) != contents.size())
        return false;
    const Descriptor file(
        ::openat(folder, place.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    std::string held(contents.size() + 1, '\0');
    std::size_t got = 0;
    while (got < held.size()) {
        const ssize_t n = ::read(file.get(), held.data() + got, held.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return got == contents.size() && held.compare(0, got, contents) == 0;
}

// A temporary file left by a killed save goes; anything else under its name is not the game's to
// delete, and stops the save.
bool clearTemporary(int folder, const std::string& name, std::string& why) {
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return true;
        why = errnoText();
        return false;
    }
    if (!S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        why = name + " is in the way, and it is not a file the game left";
        return false;
    }
    if (::unlinkat(folder, name.c_str(), 0) != 0) {
        why = errnoText();
        return false;
    }
    return true;
}

bool replace(const fs::path& file, std::string_view contents, std::string& why) {
    const fs::path folderPath = file.has_parent_path() ? file.parent_path() : fs::path(".");
    Descriptor data = openDataFolder(folderPath, why);
    if (!data.valid())
        return false;
    struct stat dataStatus {};
    if (::fstat(data.get(), &dataStatus) != 0) {
        why = errnoText();
        return false;
    }
    if (const std::string problem = whyNotOwnFolder(dataStatus); !problem.empty()) {
        why = "the folder " + folderPath.string() + " " + problem;
        return false;
    }
    Place place;
    if (!locate(std::move(data), file.filename().string(), place, why))
        return false;
    const int folder = place.folder.get();
    const std::string temporary = place.name + ".tmp";

    if (holdsAlready(folder, place, contents)) {
        // What a killed save left behind goes all the same.
        std::string ignored;
        clearTemporary(folder, temporary, ignored);
        return true;
    }
    struct stat folderStatus {};
    if (::fstat(folder, &folderStatus) != 0 || !markedWritable(folder, ".", folderStatus)) {
        why = "the folder is read-only";
        return false;
    }
    if (place.exists && !markedWritable(folder, place.name, place.status)) {
        why = "the file is read-only";
        return false;
    }
    if (!clearTemporary(folder, temporary, why))
        return false;

    const int fd = ::openat(folder, temporary.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = errnoText();
        return false;
    }
    bool ok = true;
    if (place.exists) {
        // Never setuid or setgid: the bits would give the new file's contents its owner's rights.
        ok = ::fchmod(fd, place.status.st_mode & 0777) == 0;
        // The owner stays where the system allows it; otherwise the new file is ours.
        if (place.status.st_uid != ::geteuid() || place.status.st_gid != ::getegid())
            ok = ok &&
                 (::fchown(fd, place.status.st_uid, place.status.st_gid) == 0 || errno == EPERM);
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
    if (ok && ::renameat(folder, temporary.c_str(), folder, place.name.c_str()) != 0) {
        why = errnoText();
        ok = false;
    }
    if (!ok) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return false;
    }
    // And the new name must be on the disk too.
    ::fsync(folder);
    return true;
}

} // namespace

std::string whyNotOwnFolder(const struct stat& folder) {
    if (!S_ISDIR(folder.st_mode))
        return "is not a folder";
    if (folder.st_uid != ::geteuid())
        return "belongs to another user";
    if (folder.st_mode & S_IWOTH)
        return "is writable by other users";
    if ((folder.st_mode & S_IWGRP) && !privateGroup(folder.st_gid, folder.st_uid))
        return "is writable by a group of other users";
    return {};
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
