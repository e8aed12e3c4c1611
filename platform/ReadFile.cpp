#include "platform/ReadFile.hpp"

#include <SFML/System/Err.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadFile::ReadFile(const std::filesystem::path& path) {
    // Something that is plainly no file is not even opened: opening some devices does something
    // (a tape rewinds). What is opened is checked again, as it may have been swapped meanwhile.
    struct stat seen {};
    if (::stat(path.c_str(), &seen) == 0 && !S_ISREG(seen.st_mode)) {
        state_ = State::Unreadable;
        why_ = "not a readable file";
        return;
    }
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        state_ = errno == ENOENT ? State::Missing : State::Unreadable;
        why_ = std::strerror(errno);
        return;
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        state_ = State::Unreadable;
        why_ = "not a readable file";
        return;
    }
    state_ = State::Open;
    size_ = static_cast<std::size_t>(status.st_size);
}

ReadFile::~ReadFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t ReadFile::read(char* into, std::size_t size) {
    if (fd_ < 0 || readFailed_)
        return 0;
    for (;;) {
        const ssize_t got = ::read(fd_, into, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            readFailed_ = true;
            return 0;
        }
    }
}

ReadFileStream::ReadFileStream(const std::filesystem::path& path)
    : std::istream(nullptr), file_(path), buffer_(file_) {
    rdbuf(&buffer_);
    if (!file_.isOpen())
        setstate(std::ios::failbit);
}

ReadFileStream::Buffer::int_type ReadFileStream::Buffer::underflow() {
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    const std::size_t got = file_.read(bytes_, sizeof bytes_);
    if (got == 0)
        return traits_type::eof();
    setg(bytes_, bytes_, bytes_ + got);
    return traits_type::to_int_type(*gptr());
}

std::optional<std::vector<char>> readContentFile(const std::string& path, const char* failure,
                                                 std::size_t maxBytes) {
    ReadFile file(path);
    std::string why = file.why();
    if (file.isOpen()) {
        // Room for one byte more than the bound tells a file that is too large; the size the file
        // had on opening saves growing the buffer.
        std::vector<char> bytes(std::min(file.size(), maxBytes) + 1);
        std::size_t size = 0;
        for (std::size_t got = 1; got > 0 && size <= maxBytes;) {
            if (size == bytes.size())
                bytes.resize(std::min(maxBytes + 1, size * 2));
            got = file.read(bytes.data() + size, bytes.size() - size);
            size += got;
        }
        bytes.resize(size);
        if (file.readFailed())
            why = "it could not be read";
        else if (size > maxBytes)
            why = "larger than " + std::to_string(maxBytes) + " bytes";
        else
            return bytes;
    }
    sf::err() << failure << " \"" << path << "\" (" << why << ")" << std::endl;
    return std::nullopt;
}

void reportUnloadable(const char* failure, const std::string& path) {
    sf::err() << failure << " \"" << path << "\" (damaged or of an unknown kind)" << std::endl;
}
