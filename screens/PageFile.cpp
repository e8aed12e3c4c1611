#include "screens/PageFile.hpp"

#include "platform/BoundedLineReader.hpp"
#include "platform/ReadFile.hpp"

std::vector<std::string> readPageLines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    ReadFileStream in(file);
    BoundedLineReader reader(in, file.string(), {maxPageFileBytes, maxPageLineLength});
    while (reader.good()) {
        if (lines.size() == maxPageLines) {
            reader.ignoreRest("has more than " + std::to_string(maxPageLines) +
                              " lines; the rest was ignored");
            break;
        }
        // Appended whatever the read gave: after a final line break that is an empty line.
        reader.next();
        lines.push_back(reader.line());
    }
    return lines;
}
