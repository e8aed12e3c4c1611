#include "screens/PlayerName.hpp"

#include "platform/BoundedLineReader.hpp"
#include "screens/DataFile.hpp"

#include <fstream>

std::string readPlayerName(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    BoundedLineReader lines(in, file.string(), {maxNameFileBytes, maxReadNameLength});
    lines.next();
    return lines.line();
}

bool storePlayerName(const std::string& name, const std::filesystem::path& file) {
    return replaceFile(file, name + "\n");
}
