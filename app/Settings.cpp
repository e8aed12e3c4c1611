#include "app/Settings.hpp"

#include "platform/BoundedLineReader.hpp"
#include "platform/DataFile.hpp"
#include "platform/ReadFile.hpp"

#include <optional>
#include <string_view>

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<bool> yesNo(std::string_view value) {
    if (value == "yes")
        return true;
    if (value == "no")
        return false;
    return std::nullopt;
}

// 0 to 100, to the nearest tenth.
std::optional<int> tenths(std::string_view value) {
    if (value.empty() || value.size() > 3)
        return std::nullopt;
    int percent = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        percent = percent * 10 + (c - '0');
    }
    if (percent > 100)
        return std::nullopt;
    return (percent + 5) / 10;
}

} // namespace

float Settings::listenerVolume() const {
    return muted ? 0.f : 100.f * static_cast<float>(volume) / maxVolume;
}

Settings parseSettings(std::istream& in, const std::string& name) {
    Settings settings;
    BoundedLineReader lines(in, name, {maxSettingsFileBytes, maxSettingsLineLength});
    while (lines.next()) {
        const std::string_view line = lines.line();
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key == "mute")
            settings.muted = yesNo(value).value_or(settings.muted);
        else if (key == "volume")
            settings.volume = tenths(value).value_or(settings.volume);
        else if (key == "fullscreen")
            settings.fullscreen = yesNo(value).value_or(settings.fullscreen);
    }
    return settings;
}

Settings readSettings(const std::filesystem::path& file) {
    ReadFileStream in(file);
    return parseSettings(in, file.string());
}

std::string formatSettings(const Settings& settings) {
    return std::string("mute=") + (settings.muted ? "yes" : "no") +
           "\nvolume=" + std::to_string(settings.volume * 10) +
           "\nfullscreen=" + (settings.fullscreen ? "yes" : "no") + "\n";
}

bool saveSettings(const Settings& settings, const std::filesystem::path& file) {
    return replaceFile(file, formatSettings(settings));
}
