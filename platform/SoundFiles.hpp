#pragma once

#include <SFML/Audio.hpp>
#include <string>

// Sound and music files are opened through these: the audio library loops forever when given a
// folder (or anything else it cannot read from) in place of a file, so only regular files reach
// it. Anything else fails with one line on the error stream, as a missing file does.
bool loadSoundFile(sf::SoundBuffer& buffer, const std::string& path);
bool openMusicFile(sf::Music& music, const std::string& path);
