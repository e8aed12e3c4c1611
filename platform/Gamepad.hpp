#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <array>
#include <bitset>
#include <initializer_list>
#include <optional>
#include <utility>

// Buttons as Linux's joystick driver numbers those of a common pad; SFML passes the numbers on.
enum class PadButton : unsigned { A = 0, B = 1, X = 2, Y = 3, LB = 4, RB = 5, Back = 6, Start = 7 };

// Whether `event` presses `button` on any pad.
bool padPressed(const sf::Event& event, PadButton button);

// A press of one of the listed buttons as a press of its key; every other event as it is.
sf::Event padAsKey(const sf::Event& event,
                   std::initializer_list<std::pair<PadButton, sf::Keyboard::Key>> keys);

// -1, 0 or 1 on each axis, y growing downwards as on the screen.
struct PadDirection {
    int x = 0;
    int y = 0;
    bool operator==(const PadDirection&) const = default;
};

// The pad in use, as the window's events tell of it: a pad plugged in, before or while the game
// runs, is taken up with its first event, and another pad takes over when it is pushed or
// pressed. Sticks read Linux's order: left X/Y, right U/V, the
// triggers Z (left) and R (right) resting at -100, the d-pad PovX/PovY; up is negative.
class Gamepad {
  public:
    // Of an axis' travel from -100 to 100, this much either side of the middle counts as rest.
    static constexpr float deadZone = 25.f;

    Gamepad() { rest(); }

    // What one event changed, for screens that act on a push rather than on what is held.
    struct Change {
        PadDirection nudge; // a direction newly pushed, on the left stick or the d-pad
        bool lost = false;  // the pad in use was pulled out
    };

    // Takes every window event: a mouse move gives the sight back to the mouse.
    Change handle(const sf::Event& event);
    // What the last event handled changed.
    const Change& lastChange() const { return last_; }
    // Ends a batch of events (the window's, when none is left): the right stick's direction is
    // taken from all its axes at once, never from one axis moved before the other.
    void settle();

    PadDirection walk() const; // the left stick, or else the d-pad
    bool firing() const;       // A, or the right trigger pressed past halfway
    bool isHeld(PadButton button) const;
    // The right stick owns the sight from a push until the mouse moves.
    bool stickOwnsSight() const { return stickOwnsSight_; }
    // Where the right stick pointed at the end of the last batch that found it pushed, of
    // length 1; up before it was ever pushed.
    sf::Vector2f aim() const { return aim_; }
    // Whether a pad has been pushed or pressed since the start.
    bool used() const { return used_; }
    // Lets go of the buttons held now: a press meant for the screen before acts no further.
    void releaseButtons() { buttons_.reset(); }

  private:
    void move(const sf::Event::JoystickMoveEvent& event);
    void adopt(unsigned id);
    void rest();
    float rightStick() const; // how far it is pushed

    std::optional<unsigned> id_;
    std::array<float, sf::Joystick::AxisCount> axes_{};
    std::bitset<sf::Joystick::ButtonCount> buttons_;
    sf::Vector2f aim_{0.f, -1.f};
    bool stickOwnsSight_ = false;
    bool used_ = false;
    Change last_;
};
