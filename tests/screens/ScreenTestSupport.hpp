#pragma once

#include "platform/Gamepad.hpp"
#include "tests/support/ScratchFolder.hpp"

#include <SFML/Graphics.hpp>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

inline sf::Event keyEvent(sf::Keyboard::Key key,
                          sf::Event::EventType type = sf::Event::KeyPressed) {
    sf::Event event{};
    event.type = type;
    event.key.code = key;
    return event;
}
inline sf::Event padButtonEvent(PadButton button, bool pressed = true, unsigned pad = 0) {
    sf::Event event{};
    event.type = pressed ? sf::Event::JoystickButtonPressed : sf::Event::JoystickButtonReleased;
    event.joystickButton = {pad, static_cast<unsigned>(button)};
    return event;
}
inline sf::Event padMoveEvent(sf::Joystick::Axis axis, float position, unsigned pad = 0) {
    sf::Event event{};
    event.type = sf::Event::JoystickMoved;
    event.joystickMove = {pad, axis, position};
    return event;
}
inline sf::Event padPluggedEvent(bool in, unsigned pad = 0) {
    sf::Event event{};
    event.type = in ? sf::Event::JoystickConnected : sf::Event::JoystickDisconnected;
    event.joystickConnect.joystickId = pad;
    return event;
}
inline sf::Event textEvent(sf::Uint32 c) {
    sf::Event event{};
    event.type = sf::Event::TextEntered;
    event.text.unicode = c;
    return event;
}
inline sf::Event mouseMoveEvent(int x, int y) {
    sf::Event event{};
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {x, y};
    return event;
}
// The number key of a digit character.
inline sf::Event digitEvent(char digit) {
    return keyEvent(static_cast<sf::Keyboard::Key>(sf::Keyboard::Num0 + digit - '0'));
}

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
// A picture of one colour, its folder made.
inline void writePicture(const std::filesystem::path& file, unsigned w, unsigned h,
                         sf::Color colour = sf::Color::Green) {
    std::filesystem::create_directories(file.parent_path());
    sf::Image image;
    image.create(w, h, colour);
    image.saveToFile(file.string());
}
inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Pixels in `area` that `match` accepts.
template <class Match> int countPixels(const sf::Image& image, sf::IntRect area, Match match) {
    int count = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            count +=
                match(image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y))) ? 1 : 0;
    return count;
}

inline bool isWhite(sf::Color c) {
    return c.r > 200 && c.g > 200 && c.b > 200;
}
inline bool isRed(sf::Color c) {
    return c.r > 150 && c.g < 60 && c.b < 60;
}
inline bool isCyan(sf::Color c) {
    return c.r < 60 && c.g > 150 && c.b > 150;
}
