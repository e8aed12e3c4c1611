#include "ScreenTestSupport.hpp"

#include <fstream>
#include <iterator>

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeSamplePictures(const std::filesystem::path& root, sf::Vector2u missionSize) {
    const std::filesystem::path folder = root / "sources/Images/Images";
    std::filesystem::create_directories(folder);
    sf::Image metal;
    metal.create(48, 30, sf::Color(120, 120, 128));
    metal.saveToFile((folder / "Metall.jpg").string());
    sf::Image mission;
    mission.create(missionSize.x, missionSize.y);
    for (unsigned y = 0; y < missionSize.y; ++y)
        for (unsigned x = 0; x < missionSize.x; ++x)
            mission.setPixel(x, y,
                             sf::Color(static_cast<sf::Uint8>(60 + x % 120),
                                       static_cast<sf::Uint8>(90 + y % 80), 50));
    mission.saveToFile((folder / "Mission-Image.jpg").string());
}
