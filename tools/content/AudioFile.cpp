#include "tools/content/Audio.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <algorithm>
#include <cmath>
#include <cstdint>

bool writeClip(const SoundClip& clip, const std::string& file) {
    float loudest = 0;
    for (float s : clip.samples)
        loudest = std::max(loudest, std::abs(s));
    const float gain = loudest > 0 ? clip.peak / loudest : 0.f;
    std::vector<std::int16_t> pcm(clip.samples.size());
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(
            std::lround(std::clamp(clip.samples[i] * gain, -1.f, 1.f) * 32767.f));
    sf::OutputSoundFile out;
    if (!out.openFromFile(file, sampleRate, 1))
        return false;
    out.write(pcm.data(), pcm.size());
    return true;
}
