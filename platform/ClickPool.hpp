#pragma once

#include <SFML/Audio.hpp>
#include <array>

// A few voices that take turns playing one short sound, so that typing clicks can overlap without
// creating a sound per character: a line of any length needs no more voices than the device has.
class ClickPool {
  public:
    explicit ClickPool(const sf::SoundBuffer& buffer, float volume = 100.f);
    ClickPool(const ClickPool&) = delete;
    ClickPool& operator=(const ClickPool&) = delete;

    void play();
    void stopAll();

  private:
    static constexpr std::size_t voiceCount = 8;
    std::array<sf::Sound, voiceCount> voices_;
    std::size_t next_ = 0;
};
