#include "platform/SoundFiles.hpp"

#include <SFML/System/Err.hpp>
#include <filesystem>

namespace {
bool isRegularFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
        return true;
    sf::err() << "Failed to open sound file \"" << path << "\" (not a readable file)" << std::endl;
    return false;
}
} // namespace

bool loadSoundFile(sf::SoundBuffer& buffer, const std::string& path) {
    return isRegularFile(path) && buffer.loadFromFile(path);
}

bool openMusicFile(sf::Music& music, const std::string& path) {
    return isRegularFile(path) && music.openFromFile(path);
}
