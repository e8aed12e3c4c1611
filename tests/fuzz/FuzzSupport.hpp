#pragma once

#include <SFML/System/Err.hpp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>

// Shared by the fuzz targets: each works in a scratch folder of its own (in memory where there
// is one, as every input is written to a file), quiet about the files it cannot load or cuts.
namespace fuzzsupport {

// libFuzzer keeps using the paths it was given, so the scratch folder is the working directory
// only while an input runs.
class ScratchFolder {
  public:
    ScratchFolder() {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string folder = std::string(base) + "/velmarch-fuzz.XXXXXX";
        if (!mkdtemp(folder.data())) {
            std::perror("velmarch fuzz: scratch folder");
            std::abort();
        }
        path_ = folder;
        home_ = std::filesystem::current_path();
        std::cerr.rdbuf(nullptr);
        sf::err().rdbuf(nullptr);
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // A failed check is a finding: libFuzzer keeps the input when the process aborts, in the
    // folder it started in, so that is the working directory again before.
    template <class Check> void run(Check&& check) {
        std::filesystem::current_path(path_);
        const std::string fault = check();
        std::filesystem::current_path(home_);
        if (fault.empty())
            return;
        std::fprintf(stderr, "\n%s\n", fault.c_str());
        std::abort();
    }

  private:
    std::filesystem::path path_;
    std::filesystem::path home_;
};

} // namespace fuzzsupport

// The fuzz target checking every input with CHECK (bytes -> what is wrong, "" when all is well).
#define VELMARCH_FUZZ_TARGET(CHECK)                                                                \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {            \
        static fuzzsupport::ScratchFolder folder;                                                  \
        const std::string bytes(reinterpret_cast<const char*>(data), size);                        \
        folder.run([&] { return CHECK(bytes); });                                                  \
        return 0;                                                                                  \
    }
