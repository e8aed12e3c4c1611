#include "app/GameFolder.hpp"
#include "tests/screens/ScreenTestSupport.hpp"
#include "tests/support/ScopedEnvironment.hpp"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
void makeContent(const fs::path& content, std::initializer_list<const char*> entries) {
    for (const char* entry : entries)
        fs::create_directories(content / entry);
}
} // namespace

TEST(GameFolder, LinksTheContentRepairsWhatBrokeAndIsEnteredOnlyWithoutSourcesHere) {
    ScratchFolder scratch;
    const fs::path content = scratch.path() / "content", folder = scratch.path() / "player";
    const fs::path sources = folder / "sources";
    // The installed content's own Data/ is never linked: the player's must be real.
    makeContent(content, {"Images", "Levels", "Data"});
    ASSERT_EQ(prepareGameFolder(folder, content), "");
    std::ofstream(sources / "Data/Highscores.data") << "3\n";

    // What a crash, a moved install or an upgrade leaves behind.
    fs::remove(sources / "Images");
    fs::create_symlink(scratch.path() / "gone", sources / "Images");
    fs::remove(sources / "Levels");
    fs::create_symlink(scratch.path() / "old/Levels", sources / "Levels");
    fs::create_symlink(scratch.path() / "old/Removed", sources / "Removed");
    fs::create_directory(sources / "Mods");
    makeContent(content, {"Sounds"});
    ASSERT_EQ(prepareGameFolder(folder, content), "");

    for (const char* entry : {"Images", "Levels", "Sounds"}) {
        ASSERT_TRUE(fs::is_symlink(sources / entry)) << entry;
        EXPECT_EQ(fs::read_symlink(sources / entry), content / entry) << entry;
    }
    EXPECT_FALSE(fs::is_symlink(sources / "Data"));
    EXPECT_EQ(readBytes(sources / "Data/Highscores.data"), "3\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(sources / "Removed")));
    EXPECT_TRUE(fs::is_directory(sources / "Mods"));

    // A dangling link in place of Data/ is repaired, a file there is reported and left alone.
    const fs::path dangling = scratch.path() / "a/sources/Data",
                   plain = scratch.path() / "b/sources/Data";
    fs::create_directories(dangling.parent_path());
    fs::create_symlink(scratch.path() / "nowhere", dangling);
    fs::create_directories(plain.parent_path());
    std::ofstream(plain) << "not a folder";
    std::ofstream(scratch.path() / "file") << "";

    EXPECT_EQ(prepareGameFolder(scratch.path() / "a", content), "");
    EXPECT_TRUE(fs::is_directory(dangling) && !fs::is_symlink(dangling));
    EXPECT_EQ(prepareGameFolder(scratch.path() / "b", content),
              "cannot create " + plain.string() + ": File exists");
    EXPECT_EQ(readBytes(plain), "not a folder");
    EXPECT_NE(prepareGameFolder(scratch.path() / "file/player", content), "");

    // The player's folder follows XDG_DATA_HOME only when that is absolute.
    const struct {
        const char *dataHome, *home, *expected;
    } cases[] = {
        {"/data", "/home/tester", "/data/velmarch"},
        {"relative", "/home/tester", "/home/tester/.local/share/velmarch"},
        {"", "/home/tester", "/home/tester/.local/share/velmarch"},
        {nullptr, "/home/tester", "/home/tester/.local/share/velmarch"},
        {nullptr, nullptr, nullptr}, // the account's own home folder
    };
    for (const auto& c : cases) {
        ScopedEnvironment dataHome("XDG_DATA_HOME", c.dataHome), home("HOME", c.home);
        const std::string folder = userGameFolder().string();
        if (c.expected)
            EXPECT_EQ(folder, c.expected) << (c.dataHome ? c.dataHome : "unset");
        else
            EXPECT_TRUE(folder.starts_with('/') && folder.ends_with("/.local/share/velmarch"))
                << folder;
    }
    ScopedEnvironment dataHome("XDG_DATA_HOME", (scratch.path() / "data").c_str());
    const fs::path program = scratch.path() / "usr/games/velmarch";
    makeContent(installedContent(program), {"Levels"});

    // No content: the game goes on where it is, with one line naming where it looked.
    const std::optional<std::string> missing =
        enterGameFolder(scratch.path() / "elsewhere/velmarch");
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find(installedContent(scratch.path() / "elsewhere/velmarch").string()),
              std::string::npos);
    EXPECT_EQ(fs::current_path(), scratch.path());

    fs::create_directory("sources");
    EXPECT_EQ(enterGameFolder(program), std::nullopt);
    EXPECT_EQ(fs::current_path(), scratch.path());

    fs::remove("sources");
    EXPECT_EQ(enterGameFolder(program), std::nullopt);
    EXPECT_EQ(fs::current_path(), scratch.path() / "data/velmarch");
}
