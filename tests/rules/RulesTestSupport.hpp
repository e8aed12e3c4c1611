#pragma once

#include "tests/game/TestWorld.hpp"
