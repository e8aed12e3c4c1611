#pragma once

// Every file the game reads or writes, relative to the game folder (the working directory).

#include <array>
#include <string>

namespace content {

// --- Fonts ---
inline constexpr const char* displayFont = "sources/Fonts/TSalvacion.ttf";

// --- Pictures ---
inline constexpr const char* pictures = "sources/Images/";
inline constexpr const char* titlePicture = "sources/Images/Images/Title Image.jpg";
inline constexpr const char* metalPicture = "sources/Images/Images/Metall.jpg";
inline constexpr const char* missionPicture = "sources/Images/Images/Mission-Image.jpg";
inline constexpr const char* unionSymbol = "sources/Images/Symbols/The Union.png";
inline constexpr const char* collectiveSymbol = "sources/Images/Symbols/The Collective.png";
// A soldier's picture, by its kind as the level file writes it.
inline std::string soldierPicture(const std::string& kindText) {
    return "sources/Images/Soldiers/Soldier_0" + kindText + ".png";
}

// --- Sounds and music ---
inline constexpr const char* clickSound = "sources/Sounds/Print.wav";
inline constexpr const char* errorSound = "sources/Sounds/Error.wav";
inline constexpr const char* acceptSound = "sources/Sounds/Accept.wav";
// The game's sounds, in the order the sound board numbers them.
inline constexpr std::array<const char*, 8> gameSounds = {
    "sources/Sounds/Shoot1.ogg",   "sources/Sounds/Shoot2.ogg",    "sources/Sounds/Blaster1.wav",
    "sources/Sounds/Blaster2.wav", "sources/Sounds/damage.ogg",    "sources/Sounds/Collect.wav",
    "sources/Sounds/Refill.wav",   "sources/Sounds/NextLevel.wav",
};
inline constexpr const char* menuMusic = "sources/Music/Taldrin - Skyforge.ogg";

// --- Levels ---
inline std::string levelFile(const std::string& levelText) {
    return "sources/Levels/Level_" + levelText + ".txt";
}
// Its presence tells a game folder.
inline constexpr const char* firstLevelFile = "sources/Levels/Level_1.txt";

// --- Pages ---
inline constexpr const char* storyPage = "sources/Text/Story/Story.txt";
inline constexpr const char* howToPlayPage = "sources/Text/HowToPlay/How To Play.txt";
inline constexpr const char* creditTopics = "sources/Text/Credits/Topics.txt";
inline constexpr const char* creditNames = "sources/Text/Credits/Names.txt";

// --- The player's own files ---
inline constexpr const char* highscoresFile = "sources/Data/Highscores.data";
inline constexpr const char* playerNameFile = "sources/Data/Info.data";
inline constexpr const char* settingsFile = "sources/Data/Settings.data";

} // namespace content
