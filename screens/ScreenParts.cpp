#include "screens/ScreenParts.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"

#include <algorithm>
#include <cmath>

namespace {} // namespace

PageCanvas::PageCanvas(Style style) {
    const float w = layout::width, h = layout::height;
    Batch overlay;
    if (style == Style::Hatched) {
        for (int x = -layout::height; x < layout::width; x += 20) {
            const float fx = static_cast<float>(x);
            overlay.line({fx, 0.f}, {fx + h, h}, 5.f, sf::Color(255, 255, 255, 100));
        }
        overlay.rect({0.f, 0.f}, {w, h}, sf::Color(0, 0, 0, 150));
    } else {
        overlay.rect({0.f, 0.f}, {w, h / 4.f}, sf::Color(0, 0, 0, 150));
        overlay.rect({0.f, h * 3.f * 0.25f}, {w, h}, sf::Color(0, 0, 0, 150));
    }
    overlay_ = overlay.vertices();
    loadPicture(picture_, content::metalPicture);
    if (!backdrop_.create(layout::width, layout::height) ||
        !canvas_.create(layout::width, layout::height))
        return;
    backdrop_.clear(sf::Color::Black);
    composeBackdrop(backdrop_);
    backdrop_.display();
    backdropSprite_.setTexture(backdrop_.getTexture(), true);
    canvasSprite_.setTexture(canvas_.getTexture(), true);
    cached_ = true;
}

void PageCanvas::composeBackdrop(sf::RenderTarget& target) const {
    const sf::Vector2u size = picture_.getSize();
    if (size.x > 0 && size.y > 0) {
        sf::Sprite background(picture_);
        background.setScale(static_cast<float>(layout::width) / static_cast<float>(size.x),
                            static_cast<float>(layout::height) / static_cast<float>(size.y));
        target.draw(background);
    }
    target.draw(overlay_);
}

void placeText(sf::Text& text, const sf::String& string, unsigned size, sf::Color colour, float x,
               float y) {
    text.setString(string);
    text.setCharacterSize(size);
    text.setFillColor(colour);
    text.setPosition(std::round(x), std::round(y));
}

void placeTextCentred(sf::Text& text, const sf::String& string, unsigned size, sf::Color colour,
                      float y) {
    text.setString(string);
    text.setCharacterSize(size);
    placeText(text, string, size, colour, layout::width / 2.f - textWidth(text) / 2.f, y);
}

void placeTextRightAligned(sf::Text& text, const sf::String& string, unsigned size,
                           sf::Color colour, float right, float y) {
    text.setString(string);
    text.setCharacterSize(size);
    placeText(text, string, size, colour, right - textWidth(text), y);
}

void waitAndRestart(sf::Clock& clock, float seconds) {
    // Polls in short sleeps rather than spinning: the wait is as exact and leaves the core free.
    for (;;) {
        const float left = seconds - clock.getElapsedTime().asSeconds();
        if (left <= 0.f)
            break;
        sf::sleep(sf::seconds(std::min(left, 0.001f)));
    }
    clock.restart();
}

std::size_t visibleRowCount(int firstY, int step) {
    if (firstY >= layout::height)
        return 0;
    return static_cast<std::size_t>((layout::height - firstY + step - 1) / step);
}

namespace {

// The pen advance of one character as sf::Text lays it out (kerning left aside).
float advanceOf(const sf::Font& font, unsigned size, sf::Uint32 c) {
    if (c == '\r')
        return 0.f;
    const float space = font.getGlyph(' ', size, false).advance;
    if (c == ' ')
        return space;
    if (c == '\t')
        return 4.f * space;
    return font.getGlyph(c, size, false).advance;
}

} // namespace

std::size_t fittingPrefixLength(const sf::Font& font, unsigned size, const sf::String& string,
                                float room) {
    const std::size_t limit = std::min(string.getSize(), maxDrawnCharacters);
    float x = 0.f;
    sf::Uint32 previous = 0;
    for (std::size_t i = 0; i < limit; ++i) {
        const sf::Uint32 c = string[i];
        x += font.getKerning(previous, c, size);
        if (x >= room)
            return std::min(limit, i + 1);
        x += advanceOf(font, size, c);
        previous = c;
    }
    return limit;
}

std::size_t fittingSuffixStart(const sf::Font& font, unsigned size, const sf::String& string,
                               float room) {
    const std::size_t length = string.getSize();
    const std::size_t limit = std::min(length, maxDrawnCharacters);
    float width = 0.f;
    sf::Uint32 next = 0;
    for (std::size_t n = 0; n < limit; ++n) {
        const std::size_t i = length - 1 - n;
        const sf::Uint32 c = string[i];
        width += advanceOf(font, size, c) + font.getKerning(c, next, size);
        if (width > room)
            return i > 0 ? i - 1 : 0;
        next = c;
    }
    return length - limit;
}
