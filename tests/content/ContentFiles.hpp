#pragma once

#include <string>

// The game reads everything relative to its folder; tests run there.
inline const std::string contentRoot = "sources/";
