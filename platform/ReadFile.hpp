#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <streambuf>
#include <string>
#include <vector>

// Every file the game reads is opened here. Opening never waits (a FIFO with no writer would hold
// the game forever) and a file is read only when it is a plain file: a FIFO, socket, device or
// folder in its place, or a link to one, is unreadable at once. Links to plain files are followed:
// an installed game's folder links to its content.
class ReadFile {
  public:
    enum class State {
        Open,       // a plain file, ready to read
        Missing,    // nothing under that name (or a link leading nowhere)
        Unreadable, // something that may not or cannot be read
    };

    explicit ReadFile(const std::filesystem::path& path);
    ~ReadFile();
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;

    State state() const { return state_; }
    bool isOpen() const { return state_ == State::Open; }
    // Why it is not open, for a message: "not a plain file", "Permission denied" ...
    const std::string& why() const { return why_; }

    // Reads up to `size` bytes; 0 at the end. A failed read counts as the end and is remembered.
    std::size_t read(char* into, std::size_t size);
    bool readFailed() const { return readFailed_; }
    // Its size when it was opened.
    std::size_t size() const { return size_; }

  private:
    int fd_ = -1;
    State state_ = State::Missing;
    std::string why_;
    std::size_t size_ = 0;
    bool readFailed_ = false;
};

// The line readers' stream over such a file; a file that is not open reads as empty.
class ReadFileStream : public std::istream {
  public:
    explicit ReadFileStream(const std::filesystem::path& path);
    const ReadFile& file() const { return file_; }

  private:
    class Buffer : public std::streambuf {
      public:
        explicit Buffer(ReadFile& file) : file_(file) {}

      protected:
        int_type underflow() override;

      private:
        ReadFile& file_;
        char bytes_[8192];
    };
    ReadFile file_;
    Buffer buffer_;
};

// Content files (pictures, sounds, fonts, music) are read whole, up to this bound.
inline constexpr std::size_t maxContentFileBytes = 64u << 20;

// The whole content file, or nothing when it cannot be read or is larger than the bound; then one
// line on the library's error stream names it after `failure`, as the library does for a file it
// cannot load: Failed to load image "sources/x.png" (not a readable file).
std::optional<std::vector<char>> readContentFile(const std::string& path, const char* failure,
                                                 std::size_t maxBytes = maxContentFileBytes);
// The line for a file that was read but not understood; the library has said why, but not which
// file it was.
void reportUnloadable(const char* failure, const std::string& path);

// The bytes a font or music keeps reading from while in use. As the first base class of such an
// object they are made before and go after the library's part.
struct HeldBytes {
    std::vector<char> heldBytes;
};
