#pragma once

#include <cstdint>
#include <vector>

// The voices of the music (and of the fanfare). Each renders one note, tail included, into a
// buffer of its own that the caller mixes where the note falls. Notes are MIDI numbers.
namespace instrument {

std::vector<float> brass(float seconds, float midi, std::uint64_t seed);
std::vector<float> strings(float seconds, float midi, std::uint64_t seed);
std::vector<float> bass(float seconds, float midi);
std::vector<float> timpani(float hz, std::uint64_t seed);
std::vector<float> snare(float accent, std::uint64_t seed);
std::vector<float> kick();
std::vector<float> crash(std::uint64_t seed);

} // namespace instrument
