#include "tests/fuzz/ReaderChecks.hpp"

#include "app/Settings.hpp"
#include "screens/HighscoreTable.hpp"
#include "screens/PageFile.hpp"
#include "screens/PlayerName.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

// What the page reader should give when no bound cuts the file (else nullopt): the bytes with the
// carriage returns that end a line (before a line feed or at the end) taken out.
std::optional<std::string> uncutPage(const std::string& bytes) {
    std::string out;
    std::size_t crs = 0, lines = 1, length = 0;
    for (char c : bytes) {
        length = c == '\n' ? 0 : length + 1;
        lines += c == '\n';
        if (length > maxPageLineLength)
            return std::nullopt;
        if (c == '\r') {
            ++crs;
            continue;
        }
        out.append(c == '\n' ? 0 : crs, '\r') += c;
        crs = 0;
    }
    if (bytes.size() > maxPageFileBytes || lines > maxPageLines)
        return std::nullopt;
    return out;
}

} // namespace

void writeCheckedFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string printable(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string checkHighscoreFile(const std::string& bytes) {
    std::istringstream in(bytes);
    const std::vector<HighscoreRecord> loaded = parseHighscores(in);
    if (loaded.size() > maxLoadedRecords)
        return "more records than the bound";
    for (const HighscoreRecord& record : loaded) {
        for (const std::string* field : {&record.name, &record.points, &record.seconds}) {
            if (field->size() > maxFieldLength || field->find('\n') != std::string::npos ||
                (!field->empty() && field->back() == '\r'))
                return "a field that cannot be saved as it is: " + printable(*field);
        }
    }
    const std::string saved = formatHighscores(loaded);
    if (saved.size() >= maxHighscoreBytes)
        return "the saved list exceeds what is read back";
    std::istringstream again(saved);
    const std::vector<HighscoreRecord> reloaded = parseHighscores(again);
    if (reloaded != loaded)
        return "saved as " + printable(saved) + " it loads " + std::to_string(reloaded.size()) +
               " records instead of " + std::to_string(loaded.size()) + " or other fields";
    if (formatHighscores(reloaded) != saved)
        return "the reloaded list saves differently";
    return "";
}

std::string checkPageFile(const std::string& bytes) {
    writeCheckedFile("page/page.txt", bytes);
    const std::vector<std::string> lines = readPageLines("page/page.txt");
    if (lines.empty() || lines.size() > maxPageLines)
        return std::to_string(lines.size()) + " lines";
    for (const std::string& line : lines)
        if (line.size() > maxPageLineLength)
            return "a line longer than the bound";
    std::string joined = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i)
        joined += "\n" + lines[i];
    const std::optional<std::string> expected = uncutPage(bytes);
    return expected && joined != *expected ? "the lines joined are " + printable(joined) : "";
}

std::string checkNameFile(const std::string& bytes) {
    writeCheckedFile("sources/Data/Info.data", bytes);
    const std::string name = readPlayerName();
    if (name.size() > maxReadNameLength || bytes.compare(0, name.size(), name) != 0 ||
        name.find('\n') != std::string::npos)
        return "the name read is not the start of the first line: " + printable(name);
    storePlayerName(name);
    const std::string again = readPlayerName();
    if (again != name)
        return "stored as " + printable(name) + "\\n the name reads back as " + printable(again);
    return "";
}

std::string checkSettingsFile(const std::string& bytes) {
    writeCheckedFile(settingsFile.string(), bytes);
    const Settings read = readSettings();
    if (read.volume < 0 || read.volume > Settings::maxVolume)
        return "a volume of " + std::to_string(read.volume) + " tenths";
    saveSettings(read);
    if (!(readSettings() == read))
        return "saved as " + printable(formatSettings(read)) + " the settings read back otherwise";
    return "";
}

std::string checkDataFile(const std::string& bytes) {
    const std::string name = checkNameFile(bytes);
    return name.empty() ? checkSettingsFile(bytes) : name;
}
