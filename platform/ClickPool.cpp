#include "platform/ClickPool.hpp"

ClickPool::ClickPool(const sf::SoundBuffer& buffer, float volume) {
    for (sf::Sound& voice : voices_) {
        voice.setBuffer(buffer);
        voice.setVolume(volume);
    }
}

void ClickPool::play() {
    // The oldest voice is restarted; with clicks shorter than eight frames none is cut short.
    voices_[next_].play();
    next_ = (next_ + 1) % voiceCount;
}

void ClickPool::stopAll() {
    for (sf::Sound& voice : voices_)
        voice.stop();
}
