#include "app/Settings.hpp"
#include "platform/BoundedLineReader.hpp"
#include "platform/ReadFile.hpp"
#include "screens/HighscoreTable.hpp"
#include "screens/PageFile.hpp"
#include "screens/PlayerName.hpp"
#include "tests/fuzz/ReaderChecks.hpp"
#include "tests/game/TestWorld.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// How many notes that a read ignored a rest appear on standard error while `read` runs.
std::size_t notesWhile(const std::function<void()>& read) {
    testworld::OutputCapture errors(std::cerr);
    read();
    std::size_t count = 0;
    for (auto at = errors.text().find("Velmarch: "); at != std::string::npos;
         at = errors.text().find("Velmarch: ", at + 1))
        ++count;
    return count;
}

} // namespace

// The fuzz targets' seeds and kept findings replay with the targets' checks.
TEST(FuzzInputs, KeptInputsPassTheirChecks) {
    testworld::World world;
    const std::pair<const char*, std::function<std::string(const std::string&)>> readers[] = {
        {"level", [&](const std::string& bytes) { return checkLevelFile(world.game, bytes); }},
        {"highscores", checkHighscoreFile},
        {"pages", checkPageFile},
        {"name", checkDataFile},
    };
    for (const auto& [reader, check] : readers) {
        std::size_t replayed = 0;
        for (const char* kind : {"seeds", "regressions"}) {
            // A reader without findings has no regressions folder.
            std::error_code none;
            for (const auto& entry :
                 fs::directory_iterator(fs::path(VELMARCH_FUZZ_INPUTS) / kind / reader, none)) {
                std::ifstream in(entry.path(), std::ios::binary);
                EXPECT_EQ(check({std::istreambuf_iterator<char>(in), {}}), "") << entry.path();
                ++replayed;
            }
        }
        EXPECT_GE(replayed, 3u) << reader;
    }
    // The same through the table's own file: read, written back when it goes, read again.
    for (const char* bytes : {"\n\r\r", "2\r\nA\r\r\n1\r\n\r\n"}) {
        writeCheckedFile(HighscoreTable::defaultFile, bytes);
        const std::vector<HighscoreRecord> first = HighscoreTable().records();
        EXPECT_EQ(HighscoreTable().records(), first) << printable(bytes);
    }
}

// Only a plain file is read, and only to its bound: one beyond it reads that far and says so once;
// a FIFO without a writer, a folder or a link to an endless device reads at once as nothing, says
// nothing, and a highscore list there is kept.
TEST(FuzzInputs, OnlyPlainFilesAreReadAndOnlyToTheirBounds) {
    testworld::World world;
    const std::pair<const char*, std::size_t> files[] = {
        {"sources/Data/Info.data", maxNameFileBytes},
        {"sources/Data/Highscores.data", maxHighscoreBytes},
        {"page.txt", maxPageFileBytes},
        {"sources/Levels/Level_1.txt", Game::maxLevelFileBytes},
        {"sources/Data/Settings.data", maxSettingsFileBytes},
    };
    // What each reader read, and the notes they gave.
    const auto readEach = [&] {
        std::vector<std::size_t> sizes;
        const std::size_t notes = notesWhile([&] {
            sizes.push_back(readPlayerName().size());
            ReadFileStream list(HighscoreTable::defaultFile);
            sizes.push_back(parseHighscores(list).size());
            sizes.push_back(readPageLines("page.txt").size());
            world.game.loadLevel();
            sizes.push_back(world.game.soldiers.size());
            sizes.push_back(readSettings() == Settings{} ? 0 : 1);
        });
        sizes.push_back(notes);
        return sizes;
    };
    for (const auto& [file, bound] : files)
        writeCheckedFile("./" + std::string(file), std::string(bound + 1, 'x')); // one long line
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    // The list's line is cut to a field's length and then stands for the count.
    EXPECT_EQ(readEach(), (std::vector<std::size_t>{maxReadNameLength, 0, 1, 0, 0, 5}));
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024);

    for (const std::string standIn : {"fifo", "folder", "/dev/zero", "/dev/urandom"}) {
        for (const auto& [file, bound] : files) {
            fs::remove(file);
            if (standIn == "fifo")
                ASSERT_EQ(::mkfifo(file, 0644), 0);
            else if (standIn == "folder")
                fs::create_directory(file);
            else
                fs::create_symlink(standIn, file);
        }
        world.out.clear();
        EXPECT_EQ(readEach(), (std::vector<std::size_t>{0, 0, 0, 0, 0, 0})) << standIn;
        EXPECT_EQ(world.out.text(), "") << standIn;
        // A list that could not be read is never saved over; a save is tried only where it
        // could do no harm if it were.
        if (standIn[0] != '/') {
            HighscoreTable table;
            table.add("Alpha", 100, 1);
            EXPECT_FALSE(table.save()) << standIn;
        }
        EXPECT_EQ(fs::symlink_status(HighscoreTable::defaultFile).type(),
                  standIn == "fifo"     ? fs::file_type::fifo
                  : standIn == "folder" ? fs::file_type::directory
                                        : fs::file_type::symlink);
        for (const auto& [file, bound] : files)
            fs::remove(file);
    }
}

// The reader under them all: reads as std::getline within the bounds, one note for a cut file, and
// a folder fails its first read.
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
        {"abcd\nefg", {100, 2}, {{true, "ab"}, {true, "ef"}, {false, "ef"}}, 1},
        {"abc\ndef", {5, 10}, {{true, "abc"}, {true, "d"}, {false, "d"}}, 1},
        {"abc\n", {4, 10}, {{true, "abc"}, {false, ""}}, 0},
        {"folder", {100, 10}, {{false, ""}}, 0},
    };
    ScratchFolder folder;
    fs::create_directory("folder");
    for (const auto& c : cases) {
        std::istringstream text(c.bytes);
        std::ifstream file("folder", std::ios::binary);
        Reads reads;
        const std::size_t notes = notesWhile([&] {
            BoundedLineReader reader(c.bytes == "folder" ? static_cast<std::istream&>(file) : text,
                                     "file", c.limits);
            for (std::size_t i = 0; i < c.reads.size(); ++i) {
                const bool found = reader.next();
                reads.emplace_back(found, reader.line());
            }
            EXPECT_FALSE(reader.good()) << printable(c.bytes);
        });
        EXPECT_EQ(reads, c.reads) << printable(c.bytes);
        EXPECT_EQ(notes, c.notes) << printable(c.bytes);
    }
}
