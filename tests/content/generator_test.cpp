#include "tests/content/ContentFiles.hpp"
#include "tests/support/ScratchFolder.hpp"

#include <cstdlib>
#include <gtest/gtest.h>

// The generator makes the same bytes as the build's run and leaves a player's data alone.
TEST(Generator, SameBytesEveryRunAndPlayerDataUntouched) {
    namespace fs = std::filesystem;
    const fs::path built = fs::absolute(contentRoot);
    ScratchFolder scratch;
    const fs::path folder = scratch.path() / "sources";
    fs::create_directories(folder / "Data");
    std::ofstream(folder / "Data" / "Info.data") << "Rekrut";
    std::ofstream(folder / "Data" / "Highscores.data") << "keep me";
    const std::string tool = std::string("\"") + VELMARCH_CONTENT_TOOL + "\"";
    EXPECT_EQ(std::system((tool + " \"" + folder.string() + "\"").c_str()), 0);
    EXPECT_EQ(fileBytes(folder / "Data" / "Info.data"), "Rekrut");
    EXPECT_EQ(fileBytes(folder / "Data" / "Highscores.data"), "keep me");
    std::size_t made = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).generic_string();
        if (entry.is_regular_file() && name != "Data/Info.data" && name != "Data/Highscores.data") {
            EXPECT_TRUE(fileBytes(entry.path()) == fileBytes(built / name)) << name;
            ++made;
        }
    }
    EXPECT_GE(made, 50u);
    // Without a folder, or with anything else, it refuses.
    EXPECT_NE(std::system((tool + " >/dev/null 2>&1").c_str()), 0);
    EXPECT_NE(std::system((tool + " --bogus >/dev/null 2>&1").c_str()), 0);
}
