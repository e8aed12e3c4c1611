#pragma once

#include <SFML/System/Err.hpp>
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

    // The check's verdict, given back in the folder the fuzzer started in, so that a finding is
    // written where the fuzzer was told to write it.
    template <class Check> std::string run(Check&& check) {
        std::filesystem::current_path(path_);
        std::string fault = check();
        std::filesystem::current_path(home_);
        return fault;
    }

  private:
    std::filesystem::path path_;
    std::filesystem::path home_;
};

// A failed check is a finding: libFuzzer keeps the input when the process aborts.
inline void verdict(const std::string& fault) {
    if (fault.empty())
        return;
    std::fprintf(stderr, "\n%s\n", fault.c_str());
    std::abort();
}

} // namespace fuzzsupport
