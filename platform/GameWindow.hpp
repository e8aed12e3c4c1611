#pragma once

#include "platform/Gamepad.hpp"
#include "platform/ScreenLayout.hpp"

#include <SFML/Graphics.hpp>
#include <deque>
#include <memory>
#include <optional>

class GameWindow;

// What the program adds to every screen that reads keys, in one place: keys the screens never
// see and a layer drawn over every frame.
class WindowControls {
  public:
    virtual ~WindowControls() = default;
    // True when the event was taken; a screen never sees it.
    virtual bool handle(GameWindow& window, const sf::Event& event) = 0;
    // Drawn over each frame in layout pixels, just before it is shown (never into a capture).
    virtual void drawOverlay(GameWindow& window) = 0;
};

// The one window every screen draws into, or an offscreen stand-in for tests and the benchmark.
//
// Everything is laid out for 1440 x 900. When the screen has another size the layout is scaled
// to fit with letterbox bars, and mouse positions are mapped back into layout pixels.
class GameWindow {
  public:
    static constexpr int width = layout::width;
    static constexpr int height = layout::height;

    // Windowed: a resizable 1440 x 900 window, letterboxed like a full screen of another size.
    enum class Mode { Fullscreen, Windowed, Offscreen };

    explicit GameWindow(Mode mode = Mode::Fullscreen);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Switching makes the window anew and puts back what was set on it (view, letterbox, frame
    // limit, cursor); pictures live on. Offscreen only the choice is kept, starting windowed.
    bool isFullscreen() const { return fullscreen_; }
    void setFullscreen(bool fullscreen);

    // The close button of a window, unlike a full screen's close request, asks the program to
    // end: from then on every frame's events begin with an Escape, so that each screen leaves as
    // Escape leaves it.
    bool closeRequested() const { return closeRequested_; }

    // Not owned; null for none.
    void setControls(WindowControls* controls) { controls_ = controls; }
    // Set while a screen takes typed letters: the controls leave letter keys to it.
    void setTyping(bool typing) { typing_ = typing; }
    bool typing() const { return typing_; }

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
    // first, as given; offscreen they are the only ones. The controls see each event first; the
    // text typed by a key they took is dropped with it.
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
    void openWindow();
    bool nextEvent(sf::Event& event);
    sf::View boxed(sf::View view) const; // with the letterbox viewport

    std::unique_ptr<sf::RenderWindow> window_;
    std::unique_ptr<sf::RenderTexture> texture_;
    sf::RenderTarget* target_ = nullptr;
    sf::FloatRect viewport_{0.f, 0.f, 1.f, 1.f};
    sf::Clock frameClock_;
    sf::Clock madeAt_; // since the window was made
    sf::Time offscreenFrameLimit_ = sf::Time::Zero;
    float frameTime_ = 0.f;
    std::optional<float> fixedFrameTime_;
    unsigned drawCalls_ = 0;
    std::deque<sf::Event> queued_;
    Gamepad pad_;
    sf::View view_;
    unsigned framerateLimit_ = 0;
    bool cursorVisible_ = true;
    bool fullscreen_ = false;
    bool closeRequested_ = false;
    bool escapeDue_ = false;
    bool typing_ = false;
    bool dropText_ = false;
    WindowControls* controls_ = nullptr;
};
