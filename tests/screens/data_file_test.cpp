#include "ScreenTestSupport.hpp"
#include "platform/DataFile.hpp"
#include "screens/HighscoreTable.hpp"
#include "tests/game/TestWorld.hpp"
#include "tests/support/ScopedEnvironment.hpp"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <map>
#include <pwd.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path dataFile = "sources/Data/Highscores.data";
const fs::path temporaryFile = "sources/Data/Highscores.data.tmp";
const fs::path syncedFile = "home/sync/Highscores.data";
const std::string stored = "1\nAlpha\n5300\n812";

struct User {
    uid_t uid;
    gid_t gid;
};
// Users of no account; the player is the test's own user when it cannot become another.
constexpr User attacker{4322, 4322};
bool asRoot() {
    return ::geteuid() == 0;
}
User player() {
    return asRoot() ? User{4321, 4321} : User{::geteuid(), ::getegid()};
}

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

// Gives the entry itself, not what a link leads to, to the user.
void own(const fs::path& path, User user) {
    if (::lchown(path.c_str(), user.uid, user.gid) != 0)
        throw std::runtime_error("cannot give away " + path.string());
}
void link(const fs::path& target, const fs::path& at, User user) {
    fs::create_symlink(target, at);
    own(at, user);
}

// The game folder sources/Data of the player's own beside their home/ with a synced list in
// home/sync/ and their thesis, all in the scratch folder, which other users may enter.
void plantGameFolder(User user) {
    fs::permissions(".", fs::perms(0711));
    fs::create_directories("sources/Data");
    writeBytes(syncedFile, stored);
    writeBytes("home/thesis.tex", "thesis");
    for (const char* path :
         {"sources", "sources/Data", "home", "home/sync", syncedFile.c_str(), "home/thesis.tex"})
        own(path, user);
}

// Runs `work` in a child as `user` (its standard error appended to `said`); its exit code.
int runAs(User user, const std::function<int()>& work) {
    const int said = ::open("said", O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(said, 2);
        if (asRoot() &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(user.gid, user.gid, user.gid) ||
             ::setresuid(user.uid, user.uid, user.uid)))
            ::_exit(99);
        ::_exit(work());
    }
    ::close(said);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
int saveAs(User user) {
    return runAs(user, [] { return replaceFile(dataFile, "0\n") ? 0 : 1; });
}
long linesSaid() {
    return std::ranges::count(readBytes("said"), '\n');
}

// Every entry under the folder with what it holds or leads to, to see that nothing changed.
std::map<std::string, std::string> everything() {
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        if (entry.path() == "./said")
            continue;
        const fs::file_status status = entry.symlink_status();
        std::string& what = found[entry.path().string()];
        what = std::to_string(static_cast<unsigned>(status.permissions()));
        if (fs::is_symlink(status))
            what += " -> " + fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status))
            what += " " + readBytes(entry.path());
    }
    return found;
}

} // namespace

TEST(DataFile, ReadOnlyPlacesAreLeftAloneWithOneMessageAndPermissionsKept) {
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

    // A missing Data/ is made only in a writable sources/ folder.
    ScratchFolder folder;
    testworld::OutputCapture errors(std::cerr);
    EXPECT_FALSE(replaceFile(dataFile, stored));
    fs::create_directory("sources");
    fs::permissions("sources", fs::perms(0555));
    EXPECT_FALSE(replaceFile(dataFile, stored));
    EXPECT_FALSE(fs::exists("sources/Data"));
    EXPECT_EQ(errors.lines(), 2);
    fs::permissions("sources", fs::perms(0755));
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(replaceFile(dataFile, stored));
    ::umask(mask);
    EXPECT_EQ(readBytes(dataFile), stored);
    EXPECT_EQ(modeOf(dataFile), 0644u) << "a new file: the player's to write, anyone's to read";
    EXPECT_EQ(modeOf("sources/Data") & 0022, 0u);

    // The permissions stay but for setuid and setgid; where the system allows it, the owner too,
    // even when only the user is another.
    const bool owners = asRoot() && ::chown(dataFile.c_str(), 4321, ::getegid()) == 0;
    fs::permissions(dataFile, fs::perms(06640));
    EXPECT_TRUE(replaceFile(dataFile, "0\n"));
    EXPECT_EQ(modeOf(dataFile), 0640u);
    struct stat list {};
    ::stat(dataFile.c_str(), &list);
    if (owners) {
        EXPECT_EQ(std::pair(list.st_uid, list.st_gid), std::pair(4321u, ::getegid()));
    }
}

// Each case plants something in the player's game folder; a refused save says so in one line and
// changes nothing anywhere.
TEST(DataFile, OnlyThePlayersOwnFoldersLinksAndFilesAreWritten) {
    const User me = player();
    const fs::path synced = "../../" / syncedFile;
    struct Case {
        const char* what;
        const char* written; // where "0\n" goes, or nothing: the save is refused
        bool needsRoot;
        std::function<void()> plant;
    };
    const Case cases[] = {
        {"the player's own link", syncedFile.c_str(), false, [&] { link(synced, dataFile, me); }},
        {"a chain of the player's links", syncedFile.c_str(), false,
         [&] {
             link("sync/Highscores.data", "home/Highscores.data", me);
             link("../../home/Highscores.data", dataFile, me);
         }},
        {"a leftover temporary file of the player's", dataFile.c_str(), false,
         [&] {
             writeBytes(temporaryFile, "half");
             own(temporaryFile, me);
         }},
        {"Data/ a link to the player's folder", nullptr, false,
         [&] {
             fs::rename("sources/Data", "home/Data");
             link("../home/Data", "sources/Data", me);
         }},
        {"a missing Data/ in a sources/ link", nullptr, false,
         [&] {
             fs::remove("sources/Data");
             fs::rename("sources", "home/sources");
             link("home/sources", "sources", me);
         }},
        {"a Data/ folder anyone may write", nullptr, false,
         [] { fs::permissions("sources/Data", fs::perms(01777)); }},
        {"a link into a folder anyone may write", nullptr, false,
         [&] {
             fs::permissions("home/sync", fs::perms(0777));
             link(synced, dataFile, me);
         }},
        {"a dangling link", nullptr, false,
         [&] { link("../../home/made/Highscores.data", dataFile, me); }},
        {"a link to a folder", nullptr, false, [&] { link("../../home/sync", dataFile, me); }},
        {"a link to itself", nullptr, false, [&] { link("Highscores.data", dataFile, me); }},
        {"a link to a file of another name", nullptr, false,
         [&] { link("../../home/thesis.tex", dataFile, me); }},
        {"a link to a pipe", nullptr, false,
         [&] {
             fs::create_directory("home/pipe");
             ::mkfifo("home/pipe/Highscores.data", 0666);
             link("../../home/pipe/Highscores.data", dataFile, me);
         }},
        {"a link planted as the temporary file", nullptr, false,
         [&] { link("../../home/thesis.tex", temporaryFile, me); }},
        {"another user's Data/ folder", nullptr, true, [] { own("sources/Data", attacker); }},
        {"a missing Data/ in another user's sources/", nullptr, true,
         [] {
             fs::remove("sources/Data");
             own("sources", attacker);
         }},
        {"another user's link", nullptr, true, [&] { link(synced, dataFile, attacker); }},
        {"a link to another user's file", nullptr, true,
         [&] {
             own(syncedFile, attacker);
             link(synced, dataFile, me);
         }},
        {"a link into another user's folder", nullptr, true,
         [&] {
             own("home/sync", attacker);
             link(synced, dataFile, me);
         }},
        {"another user's file as the temporary file", nullptr, true,
         [] {
             writeBytes(temporaryFile, "theirs");
             own(temporaryFile, attacker);
         }},
    };
    for (const Case& c : cases) {
        if (c.needsRoot && !asRoot())
            continue;
        ScratchFolder folder;
        plantGameFolder(me);
        c.plant();
        const auto before = everything();
        EXPECT_EQ(saveAs(me), c.written ? 0 : 1) << c.what;
        EXPECT_EQ(linesSaid(), c.written ? 0 : 1) << c.what << ": " << readBytes("said");
        if (c.written) {
            EXPECT_EQ(readBytes(c.written), "0\n") << c.what;
            EXPECT_FALSE(fs::exists(fs::symlink_status(temporaryFile))) << c.what;
        } else {
            EXPECT_EQ(everything(), before) << c.what;
        }
    }

    // Group write is the player's alone in a private group (Debian's daemon account has one),
    // not in a group others share (nobody's, also sync's and _apt's).
    for (const auto& [name, saves] : {std::pair("daemon", true), std::pair("nobody", false)}) {
        const passwd* account = asRoot() ? ::getpwnam(name) : nullptr;
        if (!account)
            continue;
        ScratchFolder folder;
        const User user{account->pw_uid, account->pw_gid};
        plantGameFolder(user);
        fs::permissions("sources/Data", fs::perms(0775));
        EXPECT_EQ(saveAs(user), saves ? 0 : 1) << name;
    }
    if (!asRoot())
        GTEST_SKIP() << "the cases of other users need root";
}

// Thousands of saves while another user re-points a link on their way, between the player's
// folder and one of theirs whose link leads to the player's other list: the victim is never
// written, and the player's list is always whole.
TEST(DataFile, ALinkRepointedWhileSavingLeadsNowhereElse) {
    if (!asRoot())
        GTEST_SKIP() << "needs root to act as two users";
    const ScopedEnvironment memory("TMPDIR", fs::is_directory("/dev/shm") ? "/dev/shm"
                                                                          : std::getenv("TMPDIR"));
    ScratchFolder folder;
    const User me = player();
    plantGameFolder(me);
    writeBytes("home/victim/Highscores.data", "victim");
    own("home/victim", me);
    own("home/victim/Highscores.data", me);
    link("../../shared/current/Highscores.data", dataFile, me);
    fs::create_directories("shared");
    fs::create_directories("box");
    link("../home/victim/Highscores.data", "box/Highscores.data", attacker);
    own("shared", attacker);
    own("box", attacker);

    const pid_t racer = ::fork();
    ASSERT_GE(racer, 0);
    if (racer == 0) {
        if (::setresgid(attacker.gid, attacker.gid, attacker.gid) == 0 &&
            ::setresuid(attacker.uid, attacker.uid, attacker.uid) == 0)
            for (int i = 0;; ++i) {
                if (::symlink(i % 2 ? "../home/sync" : "../box", "shared/next") == 0)
                    ::rename("shared/next", "shared/current");
            }
        ::_exit(1);
    }
    for (int wait = 0; wait < 10000 && !fs::exists(fs::symlink_status("shared/current")); ++wait)
        ::usleep(1000);
    constexpr int saves = 3000;
    runAs(me, [] {
        for (int i = 0; i < saves; ++i)
            replaceFile(dataFile, listOf(i % 5 + 1));
        return 0;
    });
    ::kill(racer, SIGKILL);
    ::waitpid(racer, nullptr, 0);

    EXPECT_EQ(readBytes("home/victim/Highscores.data"), "victim");
    const std::string list = readBytes(syncedFile);
    EXPECT_EQ(list, listOf(std::atoi(list.c_str())));
    // Both ways were taken: saves were refused, and saves went through.
    EXPECT_GT(linesSaid(), 0);
    EXPECT_LT(linesSaid(), saves);
}

// The writer is killed at random moments while it saves ever longer lists: each time the file
// holds one whole list, never a mix, never nothing; what a killed save left behind is cleared
// by the next save.
TEST(DataFile, AKilledOrFailedSaveLeavesAWholeList) {
    // In memory where there is a memory file system: the kills test the order of the steps,
    // and waiting for the disk only makes each kill slow.
    const ScopedEnvironment memory("TMPDIR", fs::is_directory("/dev/shm") ? "/dev/shm"
                                                                          : std::getenv("TMPDIR"));
    ScratchFolder folder;
    fs::create_directories("sources/Data");
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    // Kills land anywhere within a few saves, however slow a save is on this machine and build;
    // the writer says when it starts, so that the fork's own cost does not eat the wait.
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < 10; ++n)
        replaceFile(dataFile, listOf(0));
    const auto save = std::chrono::duration_cast<std::chrono::microseconds>(
                          std::chrono::steady_clock::now() - start) /
                      10;
    const auto longest = static_cast<useconds_t>(std::max<long>(4000, 3 * save.count()));
    fs::remove(dataFile);
    int saved = 0;
    for (int kill = 0; kill < 200; ++kill) {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            ::close(started[0]);
            (void)!::write(started[1], "", 1);
            for (int n = saved + 1;; ++n)
                replaceFile(dataFile, listOf(n));
        }
        ::close(started[1]);
        char byte = 0;
        (void)!::read(started[0], &byte, 1);
        ::close(started[0]);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, longest)(random));
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
    EXPECT_TRUE(replaceFile(dataFile, stored));
    EXPECT_FALSE(fs::exists(temporaryFile));

    // A file-size limit stands for a full disk, a limit of open files (room for the data folder,
    // not the new file) for a system out of them (not under the sanitizers, which then fail to
    // report): the old bytes stay, told once.
    std::vector<std::pair<decltype(RLIMIT_FSIZE), rlim_t>> limits = {{RLIMIT_FSIZE, 4096}};
#ifndef VELMARCH_SANITIZED
    limits.emplace_back(RLIMIT_NOFILE, 1);
#endif
    for (const auto& [resource, limit] : limits) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::dup2(::open("errors", O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            const int next = ::dup(0);
            ::close(next);
            const rlim_t room =
                resource == RLIMIT_NOFILE ? static_cast<rlim_t>(next) + limit : limit;
            const rlimit bound{room, room};
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
