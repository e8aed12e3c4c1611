#include "app/GameFolder.hpp"
#include "platform/DataFile.hpp"
#include "tests/screens/ScreenTestSupport.hpp"
#include "tests/support/ScopedEnvironment.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
void makeContent(const fs::path& content, std::initializer_list<const char*> entries) {
    for (const char* entry : entries)
        fs::create_directories(content / entry);
}
} // namespace

TEST(GameFolder, LinksTheContentRepairsWhatBrokeAndIsEnteredUnlessTheGameIsHere) {
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
              plain.string() + " is not a folder");
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

    // A sources/ without the game is someone else's business: the game plays in its own folder.
    writeBytes("sources/notes.txt", "mine");
    EXPECT_EQ(enterGameFolder(program), std::nullopt);
    EXPECT_EQ(fs::current_path(), scratch.path() / "data/velmarch");
    EXPECT_TRUE(fs::is_directory("sources/Data"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path() / "sources"), {}), 1);

    // Where it finds the game, it stays.
    fs::current_path(scratch.path());
    writeBytes("sources/Levels/Level_1.txt", "");
    EXPECT_EQ(enterGameFolder(program), std::nullopt);
    EXPECT_EQ(fs::current_path(), scratch.path());
}

// Under a folder that another user may write, or that belongs to another user (the superuser
// after sudo -E with the user's HOME), no game folder is made: the game plays from the installed
// content in a private folder of its own and saves nothing, also after a fresh start there.
TEST(GameFolder, IsMadeOnlyUnderTheUsersOwnFolders) {
    ScratchFolder scratch;
    const fs::path program = scratch.path() / "usr/games/velmarch";
    writeBytes(installedContent(program) / "Levels/Level_1.txt", "");
    const ScopedEnvironment temporary("TMPDIR", scratch.path().c_str());
    fs::create_directory("open");
    fs::permissions("open", fs::perms(0777));
    fs::create_directories("theirs/.local");
    const bool root = ::geteuid() == 0 && ::chown("theirs/.local", 4321, 4321) == 0;
    const ScopedEnvironment data("XDG_DATA_HOME", nullptr);

    // The private folder goes when the game ends, also when it ends after a fresh start there
    // (the first process leaves without cleaning up, as it does when it starts anew).
    const ScopedEnvironment user("HOME", (scratch.path() / "open").c_str());
    const auto played = [&](bool cleanExit, const std::function<void()>& start) {
        if (const pid_t child = ::fork(); child == 0) {
            // The exit ends right after the game's own exit handlers, before the parent's
            // windows would be torn down from here over the X connection they share.
            std::atexit([] { ::_exit(0); });
            start();
            std::ofstream(scratch.path() / "played") << fs::current_path().string();
            cleanExit ? std::exit(0) : ::_exit(0);
        } else {
            ::waitpid(child, nullptr, 0);
        }
        return readBytes(scratch.path() / "played");
    };
    const std::string first = played(true, [&] { enterGameFolder(program); });
    EXPECT_TRUE(first.starts_with((scratch.path() / "velmarch-play-").string())) << first;
    EXPECT_FALSE(fs::exists(first));
    const std::string left = played(false, [&] { enterGameFolder(program); });
    ASSERT_TRUE(fs::exists(left));
    const std::string again = played(true, [&] {
        fs::current_path(left);
        enterGameFolder(program);
    });
    EXPECT_EQ(again, left);
    EXPECT_FALSE(fs::exists(left));

    for (const char* home : {"open", "theirs"}) {
        if (std::string(home) == "theirs" && !root)
            GTEST_SKIP() << "another user's folder needs root";
        const ScopedEnvironment homeHere("HOME", (scratch.path() / home).c_str());
        fs::current_path(scratch.path());
        const fs::path tree = scratch.path() / home;
        const auto before = std::distance(fs::recursive_directory_iterator(tree), {});
        const std::optional<std::string> problem = enterGameFolder(program);
        ASSERT_TRUE(problem);
        EXPECT_TRUE(problem->ends_with("; playing without saving")) << *problem;
        EXPECT_EQ(std::count(problem->begin(), problem->end(), '\n'), 0);
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(tree), {}), before) << home;
        const fs::path played = fs::current_path();
        EXPECT_EQ(played.parent_path(), scratch.path());
        EXPECT_EQ(fs::read_symlink("sources"), fs::canonical(installedContent(program)));
        EXPECT_FALSE(replaceFile("sources/Data/Info.data", "Tester\n"));
        EXPECT_FALSE(fs::exists(installedContent(program) / "Data"));
        // A fresh start in that folder stays there.
        EXPECT_EQ(enterGameFolder(program), std::nullopt);
        EXPECT_EQ(fs::current_path(), played);
    }
}
