#include "assets/SoundBoard.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/SoundFiles.hpp"

#include <algorithm>

namespace {

bool finished(const std::unique_ptr<sf::Sound>& sound) {
    return sound->getStatus() == sf::Sound::Stopped;
}

} // namespace

SoundBoard::SoundBoard(RandomEngine& random) : random_(random) {
    for (const char* file : content::gameSounds) {
        auto buffer = std::make_unique<sf::SoundBuffer>();
        loadSoundFile(*buffer, file); // a missing or unreadable file plays silence
        buffers.push_back(std::move(buffer));
    }
}

SoundBoard::~SoundBoard() {
    // Sounds stop before the buffers they play go away.
    playing.clear();
    buffers.clear();
}

void SoundBoard::play(const std::string& name) {
    const sf::SoundBuffer* buffer = nullptr;
    // The shot sound is drawn before anything else so that the game's chance does not depend on
    // how fast the audio device finishes its sounds.
    if (name == "shoot")
        buffer = buffers[randomInt(random_, 0, 3)].get();
    else if (name == "damage")
        buffer = buffers[4].get();
    else if (name == "collect")
        buffer = buffers[5].get();
    else if (name == "refill")
        buffer = buffers[6].get();
    else if (name == "nextlevel")
        buffer = buffers[7].get();

    if (playing.size() >= maxSounds) {
        const auto done = std::find_if(playing.begin(), playing.end(), finished);
        if (done == playing.end())
            return;
        playing.erase(done);
    }

    auto sound = std::make_unique<sf::Sound>();
    sound->setLoop(false);
    if (buffer)
        sound->setBuffer(*buffer);
    sound->play();
    playing.push_back(std::move(sound));
}

void SoundBoard::update() {
    const auto done = std::find_if(playing.begin(), playing.end(), finished);
    if (done != playing.end())
        playing.erase(done);
}
