#pragma once

#include <string>
#include <vector>

// Generated sounds: mono at 44.1 kHz, as floats before they are written.
constexpr int sampleRate = 44100;

struct SoundClip {
    std::string path; // below the content folder
    std::vector<float> samples;
    float peak = 0.89f; // the loudest sample after normalising; lossy files keep more headroom
};

std::vector<SoundClip> makeSoundEffects();
SoundClip makeMusic();

// Normalises the clip to its peak and writes it as 16-bit wav or as ogg, by its extension.
bool writeClip(const SoundClip& clip, const std::string& file);
