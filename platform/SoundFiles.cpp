#include "platform/SoundFiles.hpp"

namespace {
constexpr const char* failure = "Failed to open sound file";
} // namespace

bool loadSoundFile(sf::SoundBuffer& buffer, const std::string& path) {
    const std::optional<std::vector<char>> bytes = readContentFile(path, failure);
    if (!bytes)
        return false;
    if (buffer.loadFromMemory(bytes->data(), bytes->size()))
        return true;
    reportUnloadable(failure, path);
    return false;
}

bool MusicFile::open(const std::string& path) {
    std::optional<std::vector<char>> bytes = readContentFile(path, failure);
    if (!bytes)
        return false;
    if (openFromMemory(bytes->data(), bytes->size())) {
        // Moving a vector keeps its buffer where the music reads it.
        heldBytes = std::move(*bytes);
        return true;
    }
    reportUnloadable(failure, path);
    return false;
}
