#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>

// One context held past the exit keeps the graphics driver loaded, so that the leak checker does
// not report its memory as leaks of an unloaded library. Listing tests needs no display.
struct KeepGraphicsDriverLoaded : ::testing::Environment {
    void SetUp() override { [[maybe_unused]] static sf::Context* const held = new sf::Context; }
};

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new KeepGraphicsDriverLoaded);
    return RUN_ALL_TESTS();
}
