#pragma once

#include "platform/Gamepad.hpp"

#include <SFML/Graphics.hpp>
#include <deque>
#include <memory>
#include <optional>

// The one window every screen draws into, or an offscreen stand-in for tests and the benchmark.
//
// Everything is laid out for 1440 x 900. When the screen has another size the layout is scaled
// to fit with letterbox bars, and mouse positions are mapped back into layout pixels.
class GameWindow {
  public:
    static constexpr int width = 1440;
    static constexpr int height = 900;

    // Windowed: a resizable 1440 x 900 window, letterboxed like a full screen of another size.
    enum class Mode { Fullscreen, Windowed, Offscreen };

    explicit GameWindow(Mode mode = Mode::Fullscreen);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    sf::RenderTarget& target() { return *target_; }

    // Every draw goes through here so that the benchmark can count draw calls.
    void draw(const sf::Drawable& drawable,
              const sf::RenderStates& states = sf::RenderStates::Default);

    // Presents the frame (holding the frame limit) and records the frame time.
    void display();

    // Seconds between the last two display() calls, or the fixed value tests have set.
    float frameTime() const { return fixedFrameTime_ ? *fixedFrameTime_ : frameTime_; }
    void setFixedFrameTime(std::optional<float> seconds) { fixedFrameTime_ = seconds; }
    // Offscreen the limit is held the same way, by sleeping in display(), so that a drawing
    // thread does not queue up frames faster than they can be rendered.
    void setFramerateLimit(unsigned perSecond);

    // Window events, with mouse positions in layout pixels; a resized window is letterboxed
    // anew and the pad follows every event (settled when none is left). Queued events come
    // first, as given; offscreen they are the only ones.
    bool pollEvent(sf::Event& event);
    void queueEvent(const sf::Event& event) { queued_.push_back(event); }
    void dropPendingEvents();
    // The pad as the events polled so far leave it, shared by every screen.
    Gamepad& pad() { return pad_; }
    const Gamepad& pad() const { return pad_; }

    // Held input state; false offscreen and while the window lacks focus.
    bool isKeyHeld(sf::Keyboard::Key key) const;
    bool isButtonHeld(sf::Mouse::Button button) const;

    // Views are given in layout units; the letterbox viewport is applied here.
    void setView(const sf::View& view);
    void setScreenView(); // (0, 0, 1440, 900)

    // Copies what the window shows now (call before display()) and draws such a copy back
    // over the whole screen.
    void capture(sf::Texture& into);
    void drawCapture(const sf::Texture& capture,
                     const sf::RenderStates& states = sf::RenderStates::Default);

    // The last presented frame of an offscreen window, for pixel checks.
    sf::Image screenshot() const;

    void setActive(bool active);
    void setMouseCursorVisible(bool visible);
    void close();
    bool isOpen() const;
    bool isOffscreen() const { return texture_ != nullptr; }

    unsigned drawCalls() const { return drawCalls_; }
    void resetDrawCalls() { drawCalls_ = 0; }

    // Layout pixels -> physical pixels ratio and bars; identity when the screen is 1440 x 900.
    const sf::FloatRect& viewport() const { return viewport_; }

  private:
    std::unique_ptr<sf::RenderWindow> window_;
    std::unique_ptr<sf::RenderTexture> texture_;
    sf::RenderTarget* target_ = nullptr;
    sf::FloatRect viewport_{0.f, 0.f, 1.f, 1.f};
    sf::Clock frameClock_;
    sf::Time offscreenFrameLimit_ = sf::Time::Zero;
    float frameTime_ = 0.f;
    std::optional<float> fixedFrameTime_;
    unsigned drawCalls_ = 0;
    std::deque<sf::Event> queued_;
    Gamepad pad_;
};
