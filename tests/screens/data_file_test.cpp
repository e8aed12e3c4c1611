#include "ScreenTestSupport.hpp"
#include "screens/DataFile.hpp"
#include "screens/HighscoreTable.hpp"
#include "tests/game/TestWorld.hpp"
#include "tests/support/ScopedEnvironment.hpp"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path dataFile = "sources/Data/Highscores.data";
const fs::path temporaryFile = "sources/Data/Highscores.data.tmp";
const std::string stored = "1\nAlpha\n5300\n812";

unsigned modeOf(const fs::path& path) {
    return static_cast<unsigned>(fs::status(path).permissions());
}

// A list of n records, long enough that writing it takes a moment.
std::string listOf(int n) {
    std::vector<HighscoreRecord> records;
    for (int i = 0; i < n; ++i)
        records.push_back({"Player " + std::string(200, 'a' + i % 26), std::to_string(100000 - i),
                           std::to_string(i)});
    return formatHighscores(records);
}

} // namespace

TEST(DataFile, ReadOnlyPlacesAreLeftAloneWithOneMessageLinksFollowedPermissionsKept) {
    // The file, the data folder, or the game folder and the data folder read-only.
    const unsigned modes[][3] = {{0444, 0755, 0755}, {0644, 0555, 0755}, {0644, 0555, 0555}};
    for (const auto& mode : modes) {
        ScratchFolder folder;
        writeBytes(dataFile, stored);
        fs::permissions(dataFile, fs::perms(mode[0]));
        fs::permissions("sources/Data", fs::perms(mode[1]));
        fs::permissions("sources", fs::perms(mode[2]));
        testworld::OutputCapture errors(std::cerr);
        {
            HighscoreTable table;
            table.add("Bravo", 9000, 1);
            EXPECT_FALSE(table.save()) << mode[0];
        }
        EXPECT_EQ(errors.lines(), 2) << "one line per save: " << errors.text();
        EXPECT_EQ(readBytes(dataFile), stored);
        EXPECT_EQ(modeOf(dataFile), mode[0]);
        EXPECT_FALSE(fs::exists(temporaryFile));
        // Nothing to change: nothing to say.
        { HighscoreTable table; }
        EXPECT_EQ(errors.lines(), 2);
    }

    // A missing folder is made only where that is allowed; a file in the folder's place fails.
    ScratchFolder folder;
    fs::create_directory("sources");
    fs::permissions("sources", fs::perms(0555));
    testworld::OutputCapture errors(std::cerr);
    EXPECT_FALSE(replaceFile(dataFile, stored));
    EXPECT_FALSE(fs::exists("sources/Data"));
    fs::permissions("sources", fs::perms(0755));
    writeBytes("sources/Data", "");
    EXPECT_FALSE(replaceFile(dataFile, stored));
    EXPECT_EQ(errors.lines(), 2);
    fs::remove("sources/Data");
    EXPECT_TRUE(replaceFile(dataFile, stored));
    EXPECT_EQ(readBytes(dataFile), stored);

    // A link is followed and the permissions are kept.
    fs::remove_all("sources");
    writeBytes("elsewhere/list", stored);
    fs::permissions("elsewhere/list", fs::perms(0640));
    fs::create_directories("sources/Data");
    fs::create_symlink("../../elsewhere/list", dataFile);
    // Where the system allows it, the owner stays too, even when only the user is another.
    const bool owners = ::geteuid() == 0 && ::lchown("elsewhere/list", 4321, ::getegid()) == 0;
    EXPECT_TRUE(replaceFile(dataFile, "0\n"));
    EXPECT_TRUE(fs::is_symlink(dataFile));
    EXPECT_EQ(readBytes("elsewhere/list"), "0\n");
    EXPECT_EQ(modeOf("elsewhere/list"), 0640u);
    struct stat list {};
    ::stat("elsewhere/list", &list);
    if (owners) {
        EXPECT_EQ(std::pair(list.st_uid, list.st_gid), std::pair(4321u, ::getegid()));
    }
    EXPECT_FALSE(fs::exists("elsewhere/list.tmp") || fs::exists(temporaryFile));

    // A link to something that is not a plain file (here a pipe; /dev/zero in the wild) is
    // never replaced.
    ASSERT_EQ(::mkfifo("elsewhere/pipe", 0666), 0);
    fs::remove(dataFile);
    fs::create_symlink("../../elsewhere/pipe", dataFile);
    errors.clear();
    EXPECT_FALSE(replaceFile(dataFile, "0\n"));
    EXPECT_EQ(errors.lines(), 1);
    EXPECT_TRUE(fs::is_fifo("elsewhere/pipe"));
}

// The writer is killed at random moments while it saves ever longer lists: each time the file
// holds one whole list, never a mix, never nothing; what a killed save left behind is cleared
// by the next save and is never written through.
TEST(DataFile, AKilledOrFailedSaveLeavesAWholeList) {
    // In memory where there is a memory file system: the kills test the order of the steps,
    // and waiting for the disk only makes each kill slow.
    const ScopedEnvironment memory("TMPDIR", fs::is_directory("/dev/shm") ? "/dev/shm"
                                                                          : std::getenv("TMPDIR"));
    ScratchFolder folder;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    int saved = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int n = saved + 1;; ++n)
                replaceFile(dataFile, listOf(n));
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        if (!fs::exists(dataFile)) {
            ASSERT_EQ(saved, 0) << "kill " << kill << ": the list is gone";
            continue;
        }
        const std::string bytes = readBytes(dataFile);
        const int n = std::atoi(bytes.c_str());
        ASSERT_GE(n, saved) << "kill " << kill;
        ASSERT_EQ(bytes, listOf(n)) << "kill " << kill << ": not a whole list";
        saved = n;
    }
    EXPECT_GT(saved, 0);

    writeBytes("victim", "untouched");
    fs::remove(temporaryFile);
    fs::create_symlink("../../victim", temporaryFile);
    EXPECT_TRUE(replaceFile(dataFile, stored));
    EXPECT_EQ(readBytes(dataFile), stored);
    EXPECT_EQ(readBytes("victim"), "untouched");
    EXPECT_FALSE(fs::exists(temporaryFile));

    // A file-size limit stands for a full disk, a limit of open files for a system out of them
    // (not under the sanitizers, which then fail to report): the old bytes stay, told once.
    std::vector<std::pair<decltype(RLIMIT_FSIZE), rlim_t>> limits = {{RLIMIT_FSIZE, 4096}};
#ifndef __SANITIZE_ADDRESS__
    limits.emplace_back(RLIMIT_NOFILE, 3);
#endif
    for (const auto& [resource, limit] : limits) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::dup2(::open("errors", O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            const rlimit bound{limit, limit};
            ::setrlimit(resource, &bound);
            ::_exit(replaceFile(dataFile, listOf(100)) ? 1 : 0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reported success: " << resource;
        EXPECT_EQ(readBytes(dataFile), stored);
        EXPECT_FALSE(fs::exists(temporaryFile));
        EXPECT_EQ(std::ranges::count(readBytes("errors"), '\n'), 1) << readBytes("errors");
    }
}
