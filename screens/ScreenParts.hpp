#pragma once

#include "platform/GameWindow.hpp"

#include <SFML/Graphics.hpp>
#include <cstddef>

// What the menu pages share: the metal background and what lies over it, texts placed centred
// or right-aligned, the fades, the paced reveal, and the clipping that keeps a frame cheap
// whatever a text file holds.

// The metal picture over the whole window, then either the diagonal hatching under a dark veil
// (most pages) or two dark bands at the top and bottom quarter (the credits), and over that
// whatever of the page stands still. Every full-window layer costs milliseconds in software
// rendering, so the backdrop is composed once, the page's still parts are drawn onto a copy of
// it only when they change, and a frame copies the result in one draw.
class PageCanvas {
  public:
    enum class Style { Hatched, Banded };

    explicit PageCanvas(Style style);
    PageCanvas(const PageCanvas&) = delete;
    PageCanvas& operator=(const PageCanvas&) = delete;

    // The still parts change: they are drawn again at the next frame.
    void invalidate() { stale_ = true; }

    // Puts the backdrop and the still parts on the window; `drawStill(target)` draws those parts
    // over the backdrop, called only when they changed. A letterboxed window gets everything
    // drawn afresh through its scaled view: a layout-sized copy stretched onto it would
    // repeat or drop rows and columns of thin lines and letters.
    template <class DrawStill> void draw(GameWindow& window, DrawStill drawStill) {
        if (!cached_ || window.viewport() != sf::FloatRect(0.f, 0.f, 1.f, 1.f)) {
            window.target().clear(sf::Color::Black);
            composeBackdrop(window.target());
            drawStill(window.target());
            return;
        }
        if (stale_) {
            canvas_.draw(backdropSprite_, sf::RenderStates(sf::BlendNone));
            drawStill(canvas_);
            canvas_.display();
            stale_ = false;
        }
        window.draw(canvasSprite_, sf::RenderStates(sf::BlendNone));
    }

  private:
    // The metal picture and the overlay, over black where the picture is missing.
    void composeBackdrop(sf::RenderTarget& target) const;

    sf::Texture picture_;
    sf::VertexArray overlay_;
    sf::RenderTexture backdrop_;
    sf::Sprite backdropSprite_;
    sf::RenderTexture canvas_;
    sf::Sprite canvasSprite_;
    bool cached_ = false;
    bool stale_ = true;
};

// Text placement: each sets the text's string, size, colour and position, rounded to whole
// pixels so that the glyphs stay sharp.
void placeText(sf::Text& text, const sf::String& string, unsigned size, sf::Color colour, float x,
               float y);
// Centred on the window's middle: x = 720 - its width / 2.
void placeTextCentred(sf::Text& text, const sf::String& string, unsigned size, sf::Color colour,
                      float y);
// Ending at `right`: x = right - its width.
void placeTextRightAligned(sf::Text& text, const sf::String& string, unsigned size,
                           sf::Color colour, float right, float y);

// Drawn on the window (where draws are counted) or on a page's canvas.
template <class Target>
void drawTextAt(Target& target, sf::Text& text, const sf::String& string, unsigned size,
                sf::Color colour, float x, float y) {
    placeText(text, string, size, colour, x, y);
    target.draw(text);
}

template <class Target>
void drawTextCentred(Target& target, sf::Text& text, const sf::String& string, unsigned size,
                     sf::Color colour, float y) {
    placeTextCentred(text, string, size, colour, y);
    target.draw(text);
}

template <class Target>
void drawTextRightAligned(Target& target, sf::Text& text, const sf::String& string, unsigned size,
                          sf::Color colour, float right, float y) {
    placeTextRightAligned(text, string, size, colour, right, y);
    target.draw(text);
}

// "Escape - Beenden", white, size 20, right-aligned 10 pixels from the right edge at y 195.
template <class Target> void drawEscapeHint(Target& target, sf::Text& text) {
    drawTextRightAligned(target, text, "Escape - Beenden", 20, sf::Color::White,
                         GameWindow::width - 10.f, GameWindow::height / 4.f - 30.f);
}

// The fades of every page: a frame is drawn, then the black overlay's alpha moves by 100 per
// second of the last frame time until it passes its bound, where it is set to the bound.
template <class DrawFrame> void runFadeIn(GameWindow& window, float& fade, DrawFrame drawFrame) {
    while (fade > 0.f) {
        drawFrame();
        fade -= window.frameTime() * 100.f;
    }
    fade = 0.f;
}

template <class DrawFrame> void runFadeOut(GameWindow& window, float& fade, DrawFrame drawFrame) {
    while (fade < 255.f) {
        drawFrame();
        fade += window.frameTime() * 100.f;
    }
    fade = 255.f;
}

// Waits until the clock shows at least `seconds`, then restarts it. Nothing else happens
// meanwhile: no frame, no events.
void waitAndRestart(sf::Clock& clock, float seconds);

// How many rows starting at `firstY`, `step` apart, begin above the window's bottom edge.
std::size_t visibleRowCount(int firstY, int step);

// Glyphs past the first thousand of a line are never drawn, whatever their widths.
constexpr std::size_t maxDrawnCharacters = 1000;

// How many leading characters of `string` begin within `room` pixels when drawn at `size`, and
// where the trailing characters that end within `room` begin (for right-aligned texts). One
// glyph of margin is kept on either side.
std::size_t fittingPrefixLength(const sf::Font& font, unsigned size, const sf::String& string,
                                float room);
std::size_t fittingSuffixStart(const sf::Font& font, unsigned size, const sf::String& string,
                               float room);
