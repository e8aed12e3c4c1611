#include "platform/SoundFiles.hpp"

#include "platform/ContentFile.hpp"

namespace {
constexpr const char* failure = "Failed to open sound file";
} // namespace

bool loadSoundFile(sf::SoundBuffer& buffer, const std::string& path) {
    return loadContentFile(path, failure, [&](const std::vector<char>& bytes) {
        return buffer.loadFromMemory(bytes.data(), bytes.size());
    });
}

bool MusicFile::open(const std::string& path) {
    return loadContentFile(path, failure, [&](std::vector<char>& bytes) {
        if (!openFromMemory(bytes.data(), bytes.size()))
            return false;
        // Moving a vector keeps its buffer where the music reads it.
        heldBytes = std::move(bytes);
        return true;
    });
}
