#include "screens/PlayerName.hpp"

#include "platform/BoundedLineReader.hpp"
#include "platform/DataFile.hpp"
#include "platform/ReadFile.hpp"

std::string readPlayerName(const std::filesystem::path& file) {
    ReadFileStream in(file);
    BoundedLineReader lines(in, file.string(), {maxNameFileBytes, maxReadNameLength});
    lines.next();
    return lines.line();
}

bool storePlayerName(const std::string& name, const std::filesystem::path& file) {
    return replaceFile(file, name + "\n");
}
