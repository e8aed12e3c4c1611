#pragma once

#include "platform/ContentPaths.hpp"

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// One finished game. Points and seconds stay text as stored; they become numbers only where a
// comparison needs them.
struct HighscoreRecord {
    std::string name;
    std::string points;
    std::string seconds;

    bool operator==(const HighscoreRecord&) const = default;
};

// The file's layout: the count, then name, points and seconds on a line each, no line break after
// the last field. Trailing records whose fields are all empty are left out.
std::string formatHighscores(const std::vector<HighscoreRecord>& records);

// Bounds of what is read of a highscore file, far beyond any list the game writes (20 records of
// short fields): at most 1 MiB, 1000 records, 256 characters of a field (the rest of a longer
// line is skipped). Whatever is loaded saves to less than the byte bound, so it reads back the
// same.
inline constexpr std::size_t maxHighscoreBytes = 1u << 20;
inline constexpr std::size_t maxLoadedRecords = 1000;
inline constexpr std::size_t maxFieldLength = 256;

// Reads that layout. The count is not trusted: a first line "0" means an empty list, any other
// first line is skipped and the records present are read. CR LF and LF both end a line, and no
// field ends in CR. A file that stops inside a record still yields it (missing fields repeat the
// last text read). `name` names the file in the note on standard error when a bound is reached.
std::vector<HighscoreRecord> parseHighscores(std::istream& in,
                                             const std::string& name = "highscore list");

// Where a result with these points goes: before the first record with fewer points, so that a
// tie goes after the older result.
std::size_t placementOf(const std::vector<HighscoreRecord>& records, long points);

// The stored list of best results, best first. Constructing it reads the file, destroying it
// writes the file back.
class HighscoreTable {
  public:
    static constexpr std::size_t maxRecords = 20;
    static inline const std::filesystem::path defaultFile = content::highscoresFile;

    explicit HighscoreTable(std::filesystem::path file = defaultFile);
    ~HighscoreTable();
    HighscoreTable(const HighscoreTable&) = delete;
    HighscoreTable& operator=(const HighscoreTable&) = delete;

    void load();
    // False when the file could not be written, or could not be read and so is not written over;
    // it then keeps its previous contents.
    bool save() const;
    void clear() { records_.clear(); }
    void add(const std::string& name, int points, int seconds);

    const std::vector<HighscoreRecord>& records() const { return records_; }

  private:
    std::filesystem::path file_;
    std::vector<HighscoreRecord> records_;
    bool unreadable_ = false;
};
