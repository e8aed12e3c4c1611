#pragma once

#include "tests/support/ScratchFolder.hpp"

#include <SFML/System/Err.hpp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>

// The fuzz target checking every input with CHECK (bytes -> what is wrong, "" when all is well),
// quietly, in a scratch folder (in memory where possible) that is the working directory only while
// an input runs: libFuzzer keeps using its own paths. An abort makes libFuzzer keep the input.
#define VELMARCH_FUZZ_TARGET(CHECK)                                                                \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {            \
        const std::filesystem::path home = std::filesystem::current_path();                        \
        static const ScratchFolder folder = fuzzsupport::quietScratchFolder();                     \
        std::filesystem::current_path(folder.path());                                              \
        const std::string fault = CHECK(std::string(reinterpret_cast<const char*>(data), size));   \
        std::filesystem::current_path(home);                                                       \
        if (!fault.empty()) {                                                                      \
            std::fprintf(stderr, "\n%s\n", fault.c_str());                                         \
            std::abort();                                                                          \
        }                                                                                          \
        return 0;                                                                                  \
    }

namespace fuzzsupport {

// Every input is written to a file: in memory, where there is /dev/shm.
inline ScratchFolder quietScratchFolder() {
    if (std::filesystem::is_directory("/dev/shm"))
        setenv("TMPDIR", "/dev/shm", 1);
    std::cerr.rdbuf(nullptr);
    sf::err().rdbuf(nullptr);
    return ScratchFolder();
}

} // namespace fuzzsupport
