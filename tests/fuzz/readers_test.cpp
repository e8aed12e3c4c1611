#include "platform/BoundedLineReader.hpp"
#include "screens/HighscoreTable.hpp"
#include "screens/PageFile.hpp"
#include "screens/PlayerName.hpp"
#include "tests/fuzz/ReaderChecks.hpp"
#include "tests/game/TestWorld.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long peakKibibytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Standard error collected while the object lives.
struct CerrCapture {
    CerrCapture() : old(std::cerr.rdbuf(text.rdbuf())) {}
    ~CerrCapture() { std::cerr.rdbuf(old); }
    std::ostringstream text;
    std::streambuf* old;
};

std::size_t notes(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("Velmarch: "); at != std::string::npos;
         at = text.find("Velmarch: ", at + 1))
        ++count;
    return count;
}

} // namespace

// The hand-made seeds of the fuzz targets and every finding kept from them.
TEST(FuzzInputs, KeptInputsPassTheirChecks) {
    testworld::World world;
    const std::pair<const char*, std::function<std::string(const std::string&)>> readers[] = {
        {"level", [&](const std::string& bytes) { return checkLevelFile(world.game, bytes); }},
        {"highscores", checkHighscoreFile},
        {"pages", checkPageFile},
        {"name", checkNameFile},
    };
    const fs::path inputs = VELMARCH_FUZZ_INPUTS;
    for (const auto& [reader, check] : readers) {
        std::size_t replayed = 0;
        for (const char* kind : {"seeds", "regressions"}) {
            // A reader without findings has no regressions folder (git keeps no empty folders).
            if (!fs::is_directory(inputs / kind / reader))
                continue;
            for (const auto& entry : fs::directory_iterator(inputs / kind / reader)) {
                EXPECT_EQ(check(bytesOf(entry.path())), "") << entry.path();
                ++replayed;
            }
        }
        EXPECT_GE(replayed, 3u) << reader;
    }
}

// Whatever bytes a data file holds, loading, saving and loading again gives the same records and
// the same name.
TEST(FuzzInputs, RandomBytesReadBackAsSaved) {
    ScratchFolder folder;
    std::mt19937 random(20261207);
    const char lineBytes[] = "\r\n0 a-";
    for (int i = 0; i < 3000; ++i) {
        std::string bytes(random() % 24, '\0');
        for (char& c : bytes)
            c = random() % 4 ? lineBytes[random() % 6] : static_cast<char>(random());
        EXPECT_EQ(checkHighscoreFile(bytes), "") << printable(bytes);
        if (i % 10 == 0) {
            EXPECT_EQ(checkNameFile(bytes), "") << printable(bytes);
        }
    }
    // The same through the table's own file: read, written back when it goes, read again.
    for (const char* bytes : {"\n\r\r", "2\r\nA\r\r\n1\r\n\r\n"}) {
        writeCheckedFile(HighscoreTable::defaultFile, bytes);
        std::vector<HighscoreRecord> first;
        {
            HighscoreTable table;
            first = table.records();
        }
        EXPECT_EQ(HighscoreTable().records(), first) << printable(bytes);
    }
}

// A data, text or level file that is a link to an endless device reads only up to its bound,
// says so once, and leaves memory alone.
TEST(FuzzInputs, EndlessFilesReadOnlyToTheirBounds) {
    testworld::World world;
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        for (const char* file : {"sources/Data/Info.data", "sources/Data/Highscores.data",
                                 "page.txt", "sources/Levels/Level_1.txt"}) {
            fs::create_directories(fs::path(file).parent_path().empty()
                                       ? fs::path(".")
                                       : fs::path(file).parent_path());
            fs::remove(file);
            fs::create_symlink(device, file);
        }
        const long before = peakKibibytes();
        // How often a read said that it ignored a rest.
        const auto noted = [](const std::function<std::size_t()>& read, std::size_t bound) {
            CerrCapture err;
            EXPECT_LE(read(), bound);
            return notes(err.text.str());
        };
        // The first line of random bytes may end early: then nothing of it is cut.
        EXPECT_LE(noted([] { return readPlayerName().size(); }, maxReadNameLength), 1u);
        EXPECT_EQ(noted(
                      [] {
                          std::ifstream in(HighscoreTable::defaultFile, std::ios::binary);
                          return parseHighscores(in).size();
                      },
                      maxLoadedRecords),
                  1u);
        EXPECT_EQ(noted([] { return readPageLines("page.txt").size(); }, maxPageLines), 1u);
        EXPECT_EQ(noted(
                      [&] {
                          world.game.loadLevel();
                          return world.game.soldiers.size();
                      },
                      1000u),
                  1u);
        EXPECT_LT(peakKibibytes() - before, 64 * 1024) << device;
    }
}

// The reader under them all: each read as std::getline gives it, within the bounds, and one note
// for a file where a bound cut something.
TEST(FuzzInputs, LineReaderReadsLikeGetlineWithinItsBounds) {
    using Reads = std::vector<std::pair<bool, std::string>>; // what next() and line() give
    const struct {
        std::string bytes;
        BoundedLineReader::Limits limits;
        Reads reads;
        std::size_t notes;
    } cases[] = {
        {"", {100, 10}, {{false, ""}, {false, ""}}, 0},
        {"a\r\r\n\nb", {100, 10}, {{true, "a"}, {true, ""}, {true, "b"}, {false, "b"}}, 0},
        {"ab\n", {100, 10}, {{true, "ab"}, {false, ""}}, 0},
        {"abcd\nefg", {100, 2}, {{true, "ab"}, {true, "ef"}, {false, "ef"}}, 1},
        {"abc\ndef", {5, 10}, {{true, "abc"}, {true, "d"}, {false, "d"}}, 1},
        {"abc\n", {4, 10}, {{true, "abc"}, {false, ""}}, 0},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.bytes);
        CerrCapture err;
        BoundedLineReader reader(in, "file", c.limits);
        Reads reads;
        for (std::size_t i = 0; i < c.reads.size(); ++i) {
            const bool found = reader.next();
            reads.emplace_back(found, reader.line());
        }
        EXPECT_EQ(reads, c.reads) << printable(c.bytes);
        EXPECT_FALSE(reader.good()) << printable(c.bytes);
        EXPECT_EQ(notes(err.text.str()), c.notes) << printable(c.bytes);
    }
    // A folder in place of the file fails its first read and ends it.
    ScratchFolder folder;
    fs::create_directory("folder");
    std::ifstream in("folder", std::ios::binary);
    BoundedLineReader reader(in, "folder", {100, 10});
    EXPECT_FALSE(reader.next());
    EXPECT_FALSE(reader.good());
}
