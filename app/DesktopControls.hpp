#pragma once

#include "app/Settings.hpp"
#include "platform/GameWindow.hpp"

#include <SFML/Graphics.hpp>
#include <filesystem>

// The keys every screen shares: M mutes and unmutes, - and + (the number pad's too, and = as the
// unshifted +) step the master volume by a tenth, F11 and Alt+Enter switch between full screen and
// window. Each change takes effect at once and is saved; a change of sound is shown for a moment
// over whatever the screen shows.
class DesktopControls final : public WindowControls {
  public:
    static constexpr float overlaySeconds = 1.5f;

    // Gives the listener the settings' volume. Changes are saved to `file`.
    explicit DesktopControls(const Settings& settings, std::filesystem::path file = settingsFile);

    bool handle(GameWindow& window, const sf::Event& event) override;
    // Counts down the overlay's time by the window's frame time.
    void drawOverlay(GameWindow& window) override;

    const Settings& settings() const { return settings_; }
    bool overlayShown() const { return overlayLeft_ > 0.f; }

  private:
    void changeSound(bool muted, int volume);

    Settings settings_;
    std::filesystem::path file_;
    sf::Font font_;
    sf::Text label_;
    float overlayLeft_ = 0.f;
};
