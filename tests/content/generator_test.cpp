#include "tests/content/ContentFiles.hpp"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

// The content generator, run as the build runs it: the same bytes every time, every file the
// game reads, and nothing else in the folder touched.

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

struct TempDir {
    fs::path path;
    explicit TempDir(const std::string& name) {
        path = fs::temp_directory_path() /
               ("velmarch-content-" + name + "-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

double runGenerator(const fs::path& out) {
    const std::string command =
        std::string("\"") + VELMARCH_CONTENT_TOOL + "\" \"" + out.string() + "\"";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(Generator, SameBytesEveryRunAndPlayerDataUntouched) {
    TempDir first("a"), second("b");
    // A player's data already in the folder must survive a run.
    fs::create_directories(first.path / "Data");
    std::ofstream(first.path / "Data" / "Info.data") << "Rekrut";
    std::ofstream(first.path / "Data" / "Highscores.data") << "keep me";

    const double seconds = runGenerator(first.path);
    runGenerator(second.path);
    std::cout << "[ info ] one generator run took " << seconds << " s\n";

    auto a = readTree(first.path);
    const auto b = readTree(second.path);
    EXPECT_EQ(a["Data/Info.data"], "Rekrut");
    EXPECT_EQ(a["Data/Highscores.data"], "keep me");
    a.erase("Data/Info.data");
    a.erase("Data/Highscores.data");

    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
    }
    // Exactly the files the game reads.
    const std::vector<std::string> expected = generatedFiles();
    EXPECT_EQ(a.size(), expected.size());
    for (const std::string& name : expected)
        EXPECT_TRUE(a.count(name)) << name << " not generated";
}

TEST(Generator, RefusesBadArguments) {
    const std::string tool = std::string("\"") + VELMARCH_CONTENT_TOOL + "\"";
    EXPECT_NE(std::system((tool + " >/dev/null 2>&1").c_str()), 0);
    EXPECT_NE(std::system((tool + " --bogus >/dev/null 2>&1").c_str()), 0);
}
