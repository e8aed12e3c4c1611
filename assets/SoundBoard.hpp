#pragma once

#include "platform/Random.hpp"

#include <SFML/Audio.hpp>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// Plays the game's effects by name: "shoot", "damage", "collect", "refill", "nextlevel".
// Every request starts its own sound, so effects overlap.
class SoundBoard {
  public:
    explicit SoundBoard(RandomEngine& random);
    ~SoundBoard();
    SoundBoard(const SoundBoard&) = delete;
    SoundBoard& operator=(const SoundBoard&) = delete;

    // The audio device has a limited number of voices: beyond this many live sounds a request
    // first releases a finished one, or is dropped when all of them still play.
    static constexpr std::size_t maxSounds = 64;

    void play(const std::string& name);
    // Releases at most one finished sound (called once per game update).
    void update();

    std::vector<std::unique_ptr<sf::SoundBuffer>> buffers;
    std::vector<std::unique_ptr<sf::Sound>> playing;

  private:
    RandomEngine& random_;
};
