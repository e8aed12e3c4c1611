#include "platform/Gamepad.hpp"

#include <algorithm>
#include <cmath>

namespace {

using Axis = sf::Joystick::Axis;

int side(float position) {
    return position > Gamepad::deadZone ? 1 : position < -Gamepad::deadZone ? -1 : 0;
}

// Triggers rest at -100, so they count from halfway.
bool isTrigger(Axis axis) {
    return axis == sf::Joystick::Z || axis == sf::Joystick::R;
}
bool pulled(float position) {
    return position > 0.f;
}

} // namespace

bool padPressed(const sf::Event& event, PadButton button) {
    return event.type == sf::Event::JoystickButtonPressed &&
           event.joystickButton.button == static_cast<unsigned>(button);
}

sf::Event padAsKey(const sf::Event& event,
                   std::initializer_list<std::pair<PadButton, sf::Keyboard::Key>> keys) {
    for (const auto& [button, key] : keys) {
        if (padPressed(event, button)) {
            sf::Event pressed{};
            pressed.type = sf::Event::KeyPressed;
            pressed.key = {key, false, false, false, false};
            return pressed;
        }
    }
    return event;
}

Gamepad::Change Gamepad::handle(const sf::Event& event) {
    last_ = {};
    switch (event.type) {
    case sf::Event::MouseMoved:
        stickOwnsSight_ = false;
        break;
    case sf::Event::JoystickDisconnected:
        if (id_ == event.joystickConnect.joystickId) {
            id_.reset();
            rest();
            last_.lost = true;
        }
        break;
    case sf::Event::JoystickButtonPressed:
        if (event.joystickButton.button < buttons_.size()) {
            if (id_ != event.joystickButton.joystickId)
                adopt(event.joystickButton.joystickId);
            buttons_.set(event.joystickButton.button);
            used_ = true;
        }
        break;
    case sf::Event::JoystickButtonReleased:
        if (id_ == event.joystickButton.joystickId && event.joystickButton.button < buttons_.size())
            buttons_.reset(event.joystickButton.button);
        break;
    case sf::Event::JoystickMoved:
        move(event.joystickMove);
        break;
    default:
        break;
    }
    return last_;
}

void Gamepad::move(const sf::Event::JoystickMoveEvent& event) {
    const Axis axis = event.axis;
    if (static_cast<unsigned>(axis) >= sf::Joystick::AxisCount)
        return;
    const float position = std::clamp(event.position, -100.f, 100.f);
    const bool pushed = isTrigger(axis) ? pulled(position) : side(position) != 0;
    if (id_ != event.joystickId) {
        // Another pad at rest or drifting leaves the one in use alone.
        if (id_ && !pushed)
            return;
        adopt(event.joystickId);
    }
    const int before = side(axes_[axis]);
    axes_[axis] = position;
    used_ = used_ || pushed;
    const int now = side(position);
    const bool nudged = now != 0 && now != before;
    switch (axis) {
    case sf::Joystick::X:
    case sf::Joystick::PovX:
        last_.nudge.x = nudged ? now : 0;
        break;
    case sf::Joystick::Y:
    case sf::Joystick::PovY:
        last_.nudge.y = nudged ? now : 0;
        break;
    case sf::Joystick::U:
    case sf::Joystick::V:
        if (rightStick() > deadZone)
            stickOwnsSight_ = true;
        break;
    default:
        break;
    }
}

void Gamepad::settle() {
    const float length = rightStick();
    if (length > deadZone)
        aim_ = sf::Vector2f(axes_[sf::Joystick::U], axes_[sf::Joystick::V]) / length;
}

float Gamepad::rightStick() const {
    return std::hypot(axes_[sf::Joystick::U], axes_[sf::Joystick::V]);
}

void Gamepad::adopt(unsigned id) {
    id_ = id;
    rest();
}

void Gamepad::rest() {
    axes_.fill(0.f);
    axes_[sf::Joystick::Z] = -100.f;
    axes_[sf::Joystick::R] = -100.f;
    buttons_.reset();
}

PadDirection Gamepad::walk() const {
    const auto pick = [this](Axis stick, Axis pad) {
        const int pushed = side(axes_[stick]);
        return pushed != 0 ? pushed : side(axes_[pad]);
    };
    return {pick(sf::Joystick::X, sf::Joystick::PovX), pick(sf::Joystick::Y, sf::Joystick::PovY)};
}

bool Gamepad::firing() const {
    return isHeld(PadButton::A) || pulled(axes_[sf::Joystick::R]);
}

bool Gamepad::isHeld(PadButton button) const {
    return buttons_.test(static_cast<std::size_t>(button));
}
