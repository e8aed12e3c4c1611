#include "tests/fuzz/FuzzSupport.hpp"
#include "tests/fuzz/ReaderChecks.hpp"

VELMARCH_FUZZ_TARGET(checkDataFile)
