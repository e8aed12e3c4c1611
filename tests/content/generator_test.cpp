#include "tests/content/ContentFiles.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

// The content generator, run as the build runs it, into a folder of its own: the same bytes as the
// build's run made and a player's data already in the folder untouched. (A file it forgets fails
// the picture and sound tests, which load each.)
TEST(Generator, SameBytesEveryRunAndPlayerDataUntouched) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("velmarch-content-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "Data");
    std::ofstream(folder / "Data" / "Info.data") << "Rekrut";
    std::ofstream(folder / "Data" / "Highscores.data") << "keep me";
    const std::string tool = std::string("\"") + VELMARCH_CONTENT_TOOL + "\"";
    EXPECT_EQ(std::system((tool + " \"" + folder.string() + "\"").c_str()), 0);
    std::map<std::string, std::string> made;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::stringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        made[fs::relative(entry.path(), folder).generic_string()] = bytes.str();
    }
    fs::remove_all(folder);
    EXPECT_EQ(made["Data/Info.data"], "Rekrut");
    EXPECT_EQ(made["Data/Highscores.data"], "keep me");
    made.erase("Data/Info.data");
    made.erase("Data/Highscores.data");
    EXPECT_GE(made.size(), 50u);
    for (const auto& [name, bytes] : made) {
        std::stringstream built;
        built << std::ifstream(contentRoot + name, std::ios::binary).rdbuf();
        EXPECT_TRUE(bytes == built.str()) << name;
    }
    // Without a folder, or with anything else, it refuses.
    EXPECT_NE(std::system((tool + " >/dev/null 2>&1").c_str()), 0);
    EXPECT_NE(std::system((tool + " --bogus >/dev/null 2>&1").c_str()), 0);
}
