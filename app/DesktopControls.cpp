#include "app/DesktopControls.hpp"

#include "platform/Draw.hpp"
#include "platform/Text.hpp"

#include <SFML/Audio/Listener.hpp>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// A small box at the top middle, below the menu's heading.
constexpr float boxLeft = 570.f, boxTop = 70.f, boxRight = 870.f, boxBottom = 140.f;
constexpr float segmentWidth = 22.f, segmentGap = 6.f;
} // namespace

DesktopControls::DesktopControls(const Settings& settings, std::filesystem::path file)
    : settings_(settings), file_(std::move(file)) {
    sf::Listener::setGlobalVolume(settings_.listenerVolume());
    loadDefaultFont(font_);
    label_.setFont(font_);
    label_.setCharacterSize(24);
    label_.setFillColor(sf::Color::White);
}

bool DesktopControls::handle(GameWindow& window, const sf::Event& event) {
    if (event.type != sf::Event::KeyPressed)
        return false;
    switch (event.key.code) {
    case sf::Keyboard::Return:
        if (!event.key.alt)
            return false;
        [[fallthrough]];
    case sf::Keyboard::F11:
        window.setFullscreen(!window.isFullscreen());
        if (settings_.fullscreen != window.isFullscreen()) {
            settings_.fullscreen = window.isFullscreen();
            saveSettings(settings_, file_);
        }
        return true;
    case sf::Keyboard::M:
        if (window.typing())
            return false;
        changeSound(!settings_.muted, settings_.volume);
        return true;
    case sf::Keyboard::Hyphen:
    case sf::Keyboard::Subtract:
        changeSound(false, settings_.volume - 1);
        return true;
    case sf::Keyboard::Equal:
    case sf::Keyboard::Add:
        changeSound(false, settings_.volume + 1);
        return true;
    default:
        return false;
    }
}

void DesktopControls::changeSound(bool muted, int volume) {
    const Settings before = settings_;
    settings_.muted = muted;
    settings_.volume = std::clamp(volume, 0, Settings::maxVolume);
    sf::Listener::setGlobalVolume(settings_.listenerVolume());
    // Shown even when nothing changed: at a bound the player sees why.
    overlayLeft_ = overlaySeconds;
    label_.setString(settings_.muted ? sf::String("Ton aus")
                                     : fromCp1252("Lautst\xE4rke " +
                                                  std::to_string(settings_.volume * 10) + " %"));
    if (settings_ != before)
        saveSettings(settings_, file_);
}

void DesktopControls::drawOverlay(GameWindow& window) {
    if (overlayLeft_ <= 0.f)
        return;
    overlayLeft_ -= window.frameTime();

    Batch box;
    box.rect({boxLeft, boxTop}, {boxRight, boxBottom}, sf::Color(0, 0, 0, 200), 2.f,
             sf::Color::White);
    const float first =
        (boxLeft + boxRight) / 2.f -
        (Settings::maxVolume * segmentWidth + (Settings::maxVolume - 1) * segmentGap) / 2.f;
    for (int i = 0; i < Settings::maxVolume; ++i) {
        const float x = first + static_cast<float>(i) * (segmentWidth + segmentGap);
        const bool lit = !settings_.muted && i < settings_.volume;
        box.rect({x, boxBottom - 26.f}, {x + segmentWidth, boxBottom - 12.f},
                 lit ? sf::Color::Cyan : sf::Color(90, 90, 90));
    }
    box.flush(window);
    label_.setPosition(std::round((boxLeft + boxRight) / 2.f - textWidth(label_) / 2.f),
                       boxTop + 6.f);
    window.draw(label_);
}
