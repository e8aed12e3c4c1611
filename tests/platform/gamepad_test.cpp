#include "platform/Gamepad.hpp"
#include "tests/screens/ScreenTestSupport.hpp"

#include <gtest/gtest.h>

using J = sf::Joystick;

TEST(Gamepad, WalksFiresAndAimsWithThePadInUse) {
    Gamepad pad;
    // Resting triggers, as the first look at a pad reports them, are no use of it.
    pad.handle(padMoveEvent(J::Z, -100.f));
    pad.handle(padMoveEvent(J::R, -100.f));
    pad.handle(padMoveEvent(J::X, 24.f)); // within the dead zone
    EXPECT_FALSE(pad.used() || pad.firing());
    EXPECT_EQ(pad.walk(), PadDirection{});

    // A diagonal holds two directions; the stick goes before the d-pad.
    pad.handle(padMoveEvent(J::X, 70.f));
    pad.handle(padMoveEvent(J::Y, -70.f));
    pad.handle(padMoveEvent(J::PovX, -100.f));
    EXPECT_TRUE(pad.used());
    EXPECT_EQ(pad.walk(), (PadDirection{1, -1}));
    pad.handle(padMoveEvent(J::X, -20.f));
    pad.handle(padMoveEvent(J::Y, 0.f));
    pad.handle(padMoveEvent(J::PovY, 100.f));
    EXPECT_EQ(pad.walk(), (PadDirection{-1, 1}));

    // The right trigger fires from halfway, A while held.
    for (const auto& [trigger, fires] : {std::pair{1.f, true}, {-1.f, false}}) {
        pad.handle(padMoveEvent(J::R, trigger));
        EXPECT_EQ(pad.firing(), fires) << trigger;
    }
    pad.handle(padButtonEvent(PadButton::A));
    EXPECT_TRUE(pad.firing() && pad.isHeld(PadButton::A));
    pad.releaseButtons();
    EXPECT_FALSE(pad.firing());

    // The right stick takes the sight at once; its direction is read from both axes when a batch
    // of events ends, and kept when the stick is let go, one axis before the other.
    EXPECT_FALSE(pad.stickOwnsSight());
    pad.handle(padMoveEvent(J::U, 60.f));
    EXPECT_TRUE(pad.stickOwnsSight());
    pad.handle(padMoveEvent(J::V, 80.f));
    EXPECT_EQ(pad.aim(), sf::Vector2f(0.f, -1.f));
    pad.settle();
    EXPECT_EQ(pad.aim(), sf::Vector2f(0.6f, 0.8f));
    pad.handle(padMoveEvent(J::U, 6.f));
    pad.handle(padMoveEvent(J::V, 8.f));
    pad.settle();
    EXPECT_EQ(pad.aim(), sf::Vector2f(0.6f, 0.8f));
    pad.handle(mouseMoveEvent(0, 0));
    EXPECT_FALSE(pad.stickOwnsSight());

    // A second pad at rest or drifting leaves the first alone; pushed, it takes over afresh.
    pad.handle(padMoveEvent(J::X, 20.f, 1));
    pad.handle(padButtonEvent(PadButton::B, false, 1));
    EXPECT_EQ(pad.walk(), (PadDirection{-1, 1}));
    pad.handle(padButtonEvent(PadButton::B, true, 1));
    EXPECT_EQ(pad.walk(), PadDirection{});
    EXPECT_TRUE(pad.isHeld(PadButton::B));
    // The first pad's release is not the second's.
    pad.handle(padButtonEvent(PadButton::B, false, 0));
    EXPECT_TRUE(pad.isHeld(PadButton::B));
    pad.handle(padMoveEvent(J::X, -90.f, 1));

    // Pulling out another pad changes nothing; pulling out the pad in use lets everything go.
    EXPECT_FALSE(pad.handle(padPluggedEvent(false, 0)).lost);
    EXPECT_EQ(pad.walk(), (PadDirection{-1, 0}));
    EXPECT_TRUE(pad.handle(padPluggedEvent(false, 1)).lost);
    EXPECT_TRUE(pad.lastChange().lost);
    EXPECT_FALSE(pad.isHeld(PadButton::B) || pad.firing());
    EXPECT_EQ(pad.walk(), PadDirection{});
    EXPECT_FALSE(pad.handle(mouseMoveEvent(0, 0)).lost);
}

TEST(Gamepad, NudgesOnAPushAndButtonsStandingForKeys) {
    Gamepad pad;
    const struct {
        J::Axis axis;
        float position;
        PadDirection nudge;
    } steps[] = {
        {J::Y, 50.f, {0, 1}},       {J::Y, 100.f, {}},    // held: no more
        {J::Y, 10.f, {}},           {J::Y, 60.f, {0, 1}}, // back to rest and again
        {J::Y, -60.f, {0, -1}},     {J::X, 30.f, {1, 0}}, // across the middle at once
        {J::PovY, -100.f, {0, -1}}, {J::PovY, 0.f, {}},   // the d-pad
        {J::U, 100.f, {}},          {J::R, 100.f, {}},    // the right stick and the trigger
    };
    for (const auto& step : steps) {
        EXPECT_EQ(pad.handle(padMoveEvent(step.axis, step.position)).nudge, step.nudge)
            << step.axis << " to " << step.position;
    }

    const sf::Event back =
        padAsKey(padButtonEvent(PadButton::B, true, 3),
                 {{PadButton::A, sf::Keyboard::Return}, {PadButton::B, sf::Keyboard::Escape}});
    EXPECT_EQ(back.type, sf::Event::KeyPressed);
    EXPECT_EQ(back.key.code, sf::Keyboard::Escape);
    EXPECT_FALSE(back.key.alt || back.key.control || back.key.shift || back.key.system);
    for (const sf::Event& other : {padButtonEvent(PadButton::B, false),
                                   padButtonEvent(PadButton::X), padMoveEvent(J::X, 100.f)}) {
        const sf::Event same = padAsKey(other, {{PadButton::B, sf::Keyboard::Escape}});
        EXPECT_EQ(same.type, other.type);
    }
    EXPECT_TRUE(padPressed(padButtonEvent(PadButton::Start, true, 7), PadButton::Start));
    EXPECT_FALSE(padPressed(padButtonEvent(PadButton::Start, false), PadButton::Start));
}
