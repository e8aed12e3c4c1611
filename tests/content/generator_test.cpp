#include "tests/content/ContentFiles.hpp"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>
#include <unistd.h>
#include <vector>

// The content generator, run as the build runs it: the same bytes every time, every file the
// game reads (listed here, apart from the generator, so that a forgotten file is noticed), and
// nothing else in the folder touched.

namespace fs = std::filesystem;

namespace {

std::vector<std::string> generatedFiles() {
    std::vector<std::string> files = {
        "Images/Images/Title Image.jpg",
        "Images/Images/Metall.jpg",
        "Images/Images/Mission-Image.jpg",
        "Images/Symbols/The Union.png",
        "Images/Symbols/The Collective.png",
        "Images/Texture/Armee.jpg",
        "Images/Texture/Area.jpg",
        "Images/Texture/Block.jpg",
        "Images/Texture/Door.png",
        "Images/Texture/FrameCorners.jpg",
        "Images/Texture/FrameLines.jpg",
        "Images/Texture/Metall.jpg",
        "Images/Texture/Street.png",
        "Images/Symbols/Visier.png",
        "Images/Symbols/Time.png",
        "Images/Symbols/Points.png",
        "Images/Symbols/Life.png",
        "Images/Symbols/Munnition.png",
        "Images/Tanks/Tank_01.png",
        "Images/Tanks/Tank_02.png",
        "Images/Tanks/Tank_03.png",
        "Images/Tanks/Tower_01.png",
        "Sounds/Print.wav",
        "Sounds/Error.wav",
        "Sounds/Accept.wav",
        "Sounds/Shoot1.ogg",
        "Sounds/Shoot2.ogg",
        "Sounds/Blaster1.wav",
        "Sounds/Blaster2.wav",
        "Sounds/damage.ogg",
        "Sounds/Collect.wav",
        "Sounds/Refill.wav",
        "Sounds/NextLevel.wav",
        "Music/Taldrin - Skyforge.ogg",
    };
    for (int i = 1; i <= 5; ++i)
        files.push_back("Images/Soldiers/Soldier_0" + std::to_string(i) + ".png");
    for (int i = 0; i < 20; ++i)
        files.push_back("Images/Effects/Pic_" + std::to_string(i) + ".png");
    return files;
}

std::map<std::string, std::string> readTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        files[fs::relative(entry.path(), root).generic_string()] = bytes.str();
    }
    return files;
}

double runGenerator(const fs::path& out) {
    const std::string command =
        std::string("\"") + VELMARCH_CONTENT_TOOL + "\" \"" + out.string() + "\"";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

// Run into a folder of its own, it makes the same bytes as the build's run made.
TEST(Generator, SameBytesEveryRunAndPlayerDataUntouched) {
    const fs::path folder =
        fs::temp_directory_path() / ("velmarch-content-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    // A player's data already in the folder must survive a run.
    fs::create_directories(folder / "Data");
    std::ofstream(folder / "Data" / "Info.data") << "Rekrut";
    std::ofstream(folder / "Data" / "Highscores.data") << "keep me";
    std::cout << "[ info ] one generator run took " << runGenerator(folder) << " s\n";
    auto made = readTree(folder);
    fs::remove_all(folder);
    EXPECT_EQ(made["Data/Info.data"], "Rekrut");
    EXPECT_EQ(made["Data/Highscores.data"], "keep me");
    made.erase("Data/Info.data");
    made.erase("Data/Highscores.data");
    // Exactly the files the game reads, each as the build has it.
    const std::vector<std::string> expected = generatedFiles();
    EXPECT_EQ(made.size(), expected.size());
    for (const std::string& name : expected) {
        std::ifstream in(contentRoot + name, std::ios::binary);
        const std::string built{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(made.count(name) && made[name] == built) << name << " differs between runs";
    }
}

TEST(Generator, RefusesBadArguments) {
    const std::string tool = std::string("\"") + VELMARCH_CONTENT_TOOL + "\"";
    EXPECT_NE(std::system((tool + " >/dev/null 2>&1").c_str()), 0);
    EXPECT_NE(std::system((tool + " --bogus >/dev/null 2>&1").c_str()), 0);
}
