#pragma once

#include "platform/Draw.hpp"
#include "platform/Text.hpp"

#include <SFML/Graphics.hpp>
#include <atomic>
#include <thread>

class GameWindow;

// How many of the ten boxes show grey: up to ten, a step at ten, back down to zero, a step at
// zero, and up again.
struct LoadingProgress {
    int progress = 0;
    bool countingDown = false;

    void step();
    // Steps only when the whole milliseconds of `seconds` are divisible by 3, which happens in
    // about one frame out of three.
    void stepAt(float seconds);
};

// The symbols' turning angle in degrees, also the label's alpha: swings between 0 and 250.
float loadingSpin(float seconds);

// The animated "Laden..." screen, drawn by its own thread while the caller loads files.
//
// The window's drawing context is handed over: launch() releases it on the calling thread, the
// loading thread takes it for as long as it draws and releases it before it ends. The caller must
// neither draw nor poll events until the thread has been waited for (wait() or destruction).
class LoadingWindow {
  public:
    // Loads the symbols and the font on the calling thread; does not start drawing.
    explicit LoadingWindow(GameWindow& window);
    // Stops the animation if still running and waits for the thread.
    ~LoadingWindow();
    LoadingWindow(const LoadingWindow&) = delete;
    LoadingWindow& operator=(const LoadingWindow&) = delete;

    void launch();
    // The frame being drawn is still completed and shown.
    void stop();
    void wait();

    // The last frame shown, for a fade out that follows. Valid after wait(); swaps it into `into`.
    void takeLastFrame(sf::Texture& into);

    // Draws and presents the frame for `seconds` after construction: what the thread does each
    // frame, open to the benchmark (which calls it without launching).
    void showFrame(float seconds);

    int progress() const { return progress_.progress; }

  private:
    void run();
    void compose();

    GameWindow& window_;
    sf::Clock clock_;
    sf::Texture unionImage_;
    sf::Texture collectiveImage_;
    sf::Sprite unionSprite_;
    sf::Sprite collectiveSprite_;
    FontFile font_;
    sf::Text label_;
    // Gradient, stripes and dark frame never change: drawn once, copied each frame.
    sf::RenderTexture backdrop_;
    Batch boxes_;
    LoadingProgress progress_;
    float spin_ = 0.f;
    sf::Texture lastFrame_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};
