#pragma once

#include "platform/ReadFile.hpp"

#include <SFML/Audio.hpp>
#include <string>

// Sound and music files are read through readContentFile: the audio library loops forever when
// given a folder (or anything else it cannot read from) in place of a file, so only plain files
// reach it. Anything else fails with one line on the error stream, as a missing file does.
bool loadSoundFile(sf::SoundBuffer& buffer, const std::string& path);

// Music together with the bytes of its file, which it streams from while it plays.
class MusicFile : private HeldBytes, public sf::Music {
  public:
    bool open(const std::string& path);
};
