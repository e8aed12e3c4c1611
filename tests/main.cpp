#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>

// Every test makes and drops its own windows. One context held for the whole run, up to and
// past the exit, keeps the X connection and the graphics driver loaded, so that the leak checker
// at exit sees the driver's memory as in use instead of as leaks of a library no longer loaded.
// Made only when tests run: listing them needs no display.
struct KeepGraphicsDriverLoaded : ::testing::Environment {
    void SetUp() override { [[maybe_unused]] static sf::Context* const held = new sf::Context; }
};

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new KeepGraphicsDriverLoaded);
    return RUN_ALL_TESTS();
}
