#pragma once

#include "platform/ContentPaths.hpp"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>

// What the player chose about sound and the screen, kept from one start to the next as
// `key=value` lines: mute=yes|no, volume=0..100 (percent, in tenths), fullscreen=yes|no.
struct Settings {
    static constexpr int maxVolume = 10;

    bool muted = false;
    int volume = maxVolume; // tenths of full volume
    bool fullscreen = true;

    // The master volume the listener gets, 0 to 100.
    float listenerVolume() const;

    bool operator==(const Settings&) const = default;
};

inline const std::filesystem::path settingsFile = content::settingsFile;

// Of the file at most 4 KiB are read, and of a line 256 characters.
inline constexpr std::size_t maxSettingsFileBytes = 4096;
inline constexpr std::size_t maxSettingsLineLength = 256;

// A missing file, an unknown key or a line without '=' changes nothing; a value that cannot be
// read leaves its setting as it was. Of a key given twice the last one counts.
Settings parseSettings(std::istream& in, const std::string& name);
Settings readSettings(const std::filesystem::path& file = settingsFile);

std::string formatSettings(const Settings& settings);
// Through the safe save of the data files; false (and one line on standard error) when the file
// cannot be written.
bool saveSettings(const Settings& settings, const std::filesystem::path& file = settingsFile);
