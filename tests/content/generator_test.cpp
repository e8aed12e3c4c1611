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

// The content generator, run as the build runs it: the same bytes every time and nothing else in
// the folder touched. (A file it forgets fails the picture and sound tests, which load each.)

namespace fs = std::filesystem;

namespace {

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
    // Each file as the build's run made it.
    EXPECT_GE(made.size(), 50u);
    for (const auto& [name, bytes] : made) {
        std::ifstream in(contentRoot + name, std::ios::binary);
        EXPECT_TRUE(bytes == std::string(std::istreambuf_iterator<char>(in), {})) << name;
    }
}

TEST(Generator, RefusesBadArguments) {
    const std::string tool = std::string("\"") + VELMARCH_CONTENT_TOOL + "\"";
    EXPECT_NE(std::system((tool + " >/dev/null 2>&1").c_str()), 0);
    EXPECT_NE(std::system((tool + " --bogus >/dev/null 2>&1").c_str()), 0);
}
