#include "screens/HighscoreTable.hpp"

#include "platform/BoundedLineReader.hpp"
#include "platform/DataFile.hpp"
#include "platform/ParseNumber.hpp"
#include "platform/ReadFile.hpp"

#include <iostream>

namespace {

bool allEmpty(const HighscoreRecord& record) {
    return record.name.empty() && record.points.empty() && record.seconds.empty();
}

// A line break after the last record reads as one more record with three empty fields; that is
// no game and must not come back as an empty row.
std::size_t countWithoutEmptyTail(const std::vector<HighscoreRecord>& records) {
    std::size_t count = records.size();
    while (count > 0 && allEmpty(records[count - 1]))
        --count;
    return count;
}

} // namespace

std::string formatHighscores(const std::vector<HighscoreRecord>& records) {
    const std::size_t count = countWithoutEmptyTail(records);
    std::string out = std::to_string(count) + "\n";
    for (std::size_t i = 0; i < count; ++i) {
        const HighscoreRecord& record = records[i];
        out += record.name;
        out += '\n';
        out += record.points;
        out += '\n';
        out += record.seconds;
        if (i + 1 < count)
            out += '\n';
    }
    return out;
}

std::vector<HighscoreRecord> parseHighscores(std::istream& in, const std::string& name) {
    std::vector<HighscoreRecord> records;
    BoundedLineReader lines(in, name, {maxHighscoreBytes, maxFieldLength});
    lines.next();
    if (lines.line() == "0")
        return records;
    // One buffer for every field: once the end is reached a read leaves it as it was.
    while (lines.good()) {
        if (records.size() == maxLoadedRecords) {
            lines.ignoreRest("has more than " + std::to_string(maxLoadedRecords) +
                             " records; the rest was ignored");
            break;
        }
        HighscoreRecord record;
        lines.next();
        record.name = lines.line();
        lines.next();
        record.points = lines.line();
        lines.next();
        record.seconds = lines.line();
        records.push_back(std::move(record));
    }
    records.resize(countWithoutEmptyTail(records));
    return records;
}

std::size_t placementOf(const std::vector<HighscoreRecord>& records, long points) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (parseNumber<long>(records[i].points) < points)
            return i;
    }
    return records.size();
}

HighscoreTable::HighscoreTable(std::filesystem::path file) : file_(std::move(file)) {
    load();
}

HighscoreTable::~HighscoreTable() {
    save();
}

void HighscoreTable::load() {
    clear();
    ReadFileStream in(file_);
    if (in)
        records_ = parseHighscores(in, file_.string());
    // Something there that is no plain file (a FIFO, a device, a folder), or a file that failed
    // to read, is kept as it is.
    unreadable_ = in.file().state() == ReadFile::State::Unreadable || in.file().readFailed();
}

bool HighscoreTable::save() const {
    // A list that is there but could not be read must not be replaced by what little was read.
    if (unreadable_) {
        std::cerr << "Velmarch: cannot save " << file_.string()
                  << ": it could not be read, so it is kept as it is\n";
        return false;
    }
    return replaceFile(file_, formatHighscores(records_));
}

void HighscoreTable::add(const std::string& name, int points, int seconds) {
    HighscoreRecord record{name, std::to_string(points), std::to_string(seconds)};
    if (records_.empty()) {
        records_.push_back(std::move(record));
        return;
    }
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(placementOf(records_, points)),
                    std::move(record));
    // Only an insertion that makes exactly one too many trims; a longer hand-edited list stays.
    if (records_.size() == maxRecords + 1)
        records_.pop_back();
}
