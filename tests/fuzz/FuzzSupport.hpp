#pragma once

#include <SFML/System/Err.hpp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>

// The fuzz target checking every input with CHECK (bytes -> what is wrong, "" when all is well),
// quietly, in a scratch folder (in memory where possible) that is the working directory only while
// an input runs: libFuzzer keeps using its own paths. An abort makes libFuzzer keep the input.
#define VELMARCH_FUZZ_TARGET(CHECK)                                                                \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {            \
        static const fuzzsupport::ScratchFolder folder;                                            \
        const std::filesystem::path home = std::filesystem::current_path();                        \
        std::filesystem::current_path(folder.path);                                                \
        const std::string fault = CHECK(std::string(reinterpret_cast<const char*>(data), size));   \
        std::filesystem::current_path(home);                                                       \
        if (!fault.empty()) {                                                                      \
            std::fprintf(stderr, "\n%s\n", fault.c_str());                                         \
            std::abort();                                                                          \
        }                                                                                          \
        return 0;                                                                                  \
    }

namespace fuzzsupport {

struct ScratchFolder {
    ScratchFolder() {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string folder = std::string(base) + "/velmarch-fuzz.XXXXXX";
        if (!mkdtemp(folder.data())) {
            std::perror("velmarch fuzz: scratch folder");
            std::abort();
        }
        path = folder;
        std::cerr.rdbuf(nullptr);
        sf::err().rdbuf(nullptr);
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    std::filesystem::path path;
};

} // namespace fuzzsupport
