#include "platform/Draw.hpp"
#include "platform/ReadFile.hpp"
#include "platform/Text.hpp"
#include "tests/game/TestWorld.hpp"
#include "tests/screens/ScreenTestSupport.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

// A content file is read whole when it is a plain file within the bound; anything else fails at
// once with one line naming it.
TEST(ReadFile, ContentIsReadWholeFromPlainFilesWithinTheBound) {
    const fs::path font = fs::absolute("sources/Fonts/TSalvacion.ttf");
    ScratchFolder folder;
    writeBytes("plain", "abc");
    writeBytes("empty", "");
    ASSERT_EQ(::mkfifo("pipe", 0644), 0);
    fs::create_symlink("pipe", "to pipe");
    fs::create_symlink("plain", "to plain");
    fs::create_directory("folder");
    testworld::OutputCapture errors(sf::err());
    using Bytes = std::optional<std::vector<char>>;
    EXPECT_EQ(readContentFile("to plain", "Failed", 3), Bytes({'a', 'b', 'c'}));
    EXPECT_EQ(readContentFile("empty", "Failed", 3), Bytes(std::vector<char>{}));
    EXPECT_EQ(errors.text(), "");
    for (const char* file : {"plain", "to pipe", "pipe", "folder", "missing"})
        EXPECT_EQ(readContentFile(file, "Failed to load image", 2), std::nullopt) << file;
    EXPECT_EQ(errors.text(), "Failed to load image \"plain\" (larger than 2 bytes)\n"
                             "Failed to load image \"to pipe\" (not a readable file)\n"
                             "Failed to load image \"pipe\" (not a readable file)\n"
                             "Failed to load image \"folder\" (not a readable file)\n"
                             "Failed to load image \"missing\" (No such file or directory)\n");
    // The library says what is wrong with a file read whole, the game which file it was.
    errors.clear();
    sf::Texture picture;
    EXPECT_FALSE(loadPicture(picture, "plain"));
    EXPECT_EQ(errors.lines(), 2);
    EXPECT_TRUE(errors.text().ends_with(
        "Failed to load image \"plain\" (damaged or of an unknown kind)\n"));

    // A font reads its bytes while in use: it keeps them. (So does the music, see Music.*.)
    FontFile display, builtIn;
    display.loadOrDefault(font.string());
    builtIn.loadOrDefault("missing");
    EXPECT_NE(display.getInfo().family, builtIn.getInfo().family);
    EXPECT_GT(display.getGlyph('W', 60, false).bounds.width, 20.f);
}
