#include "tests/fuzz/FuzzSupport.hpp"
#include "tests/fuzz/ReaderChecks.hpp"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::ScratchFolder folder;
    fuzzsupport::verdict(folder.run(
        [&] { return checkNameFile(std::string(reinterpret_cast<const char*>(data), size)); }));
    return 0;
}
