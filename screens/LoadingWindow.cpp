#include "screens/LoadingWindow.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"
#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"

#include <cmath>

namespace {
constexpr int boxCount = 10;
const sf::Color boxGrey(150, 150, 150);

void placeSymbol(sf::Sprite& sprite, const sf::Texture& texture, float x) {
    sprite.setTexture(texture, true);
    const sf::Vector2u size = texture.getSize();
    sprite.setOrigin(static_cast<float>(size.x / 2), static_cast<float>(size.y / 2));
    sprite.setPosition(x, layout::height / 2);
    sprite.setScale(4.f, 4.f);
}

bool letterboxed(const GameWindow& window) {
    return window.viewport() != sf::FloatRect(0.f, 0.f, 1.f, 1.f);
}
} // namespace

void LoadingProgress::step() {
    if (!countingDown) {
        if (++progress == boxCount + 1) {
            progress = boxCount;
            countingDown = true;
        }
    } else if (progress-- == 0) {
        progress = 0;
        countingDown = false;
    }
}

void LoadingProgress::stepAt(float seconds) {
    const auto millis = static_cast<long long>(seconds * 1000.f);
    if (millis % 3 == 0)
        step();
}

float loadingSpin(float seconds) {
    return 125.f * (1.f + std::sin(5.f * seconds));
}

LoadingWindow::LoadingWindow(GameWindow& window) : window_(window) {
    loadPicture(unionImage_, content::unionSymbol);
    loadPicture(collectiveImage_, content::collectiveSymbol);
    placeSymbol(unionSprite_, unionImage_, layout::width / 2 - 200);
    placeSymbol(collectiveSprite_, collectiveImage_, layout::width / 2 + 200);

    font_.loadOrDefault(content::displayFont);
    label_.setFont(font_);
    label_.setCharacterSize(50);
    label_.setString("Laden...");
    label_.setPosition(static_cast<float>(layout::width / 2) - textWidth(label_) / 2.f, 100.f);

    const float w = layout::width, h = layout::height;
    Batch backdrop;
    backdrop.quad({{0.f, 0.f}, {w, 0.f}, {w, h}, {0.f, h}},
                  {sf::Color::Black, sf::Color::Black, sf::Color::Blue, sf::Color::Cyan});
    for (int x = -layout::height; x < layout::width; x += 20) {
        backdrop.line({static_cast<float>(x), 0.f}, {static_cast<float>(x + layout::height), h},
                      5.f, sf::Color(255, 255, 255, 100));
    }
    backdrop.rect({100.f, 100.f}, {w - 100.f, h - 100.f}, sf::Color(0, 0, 0, 100));
    backdrop_.create(layout::width, layout::height);
    backdrop_.clear(sf::Color::Black);
    backdrop_.draw(backdrop.vertices());
    backdrop_.display();
}

LoadingWindow::~LoadingWindow() {
    stop();
    wait();
}

void LoadingWindow::launch() {
    if (thread_.joinable())
        return;
    window_.setActive(false);
    thread_ = std::thread([this] { run(); });
}

void LoadingWindow::stop() {
    running_ = false;
}

void LoadingWindow::wait() {
    if (thread_.joinable())
        thread_.join();
}

void LoadingWindow::takeLastFrame(sf::Texture& into) {
    into.swap(lastFrame_);
}

void LoadingWindow::run() {
    window_.setActive(true);
    window_.setScreenView();
    while (running_)
        showFrame(clock_.getElapsedTime().asSeconds());
    // The state has not moved since the last frame, so this draws the same picture again; it is
    // kept because what a window has presented cannot be read back reliably.
    compose();
    window_.capture(lastFrame_);
    window_.setActive(false);
}

void LoadingWindow::showFrame(float seconds) {
    spin_ = loadingSpin(seconds);
    progress_.stepAt(seconds);
    compose();
    window_.display();
}

void LoadingWindow::compose() {
    if (letterboxed(window_))
        window_.target().clear();
    window_.draw(sf::Sprite(backdrop_.getTexture()), sf::RenderStates(sf::BlendNone));

    unionSprite_.setRotation(spin_);
    collectiveSprite_.setRotation(-spin_);
    if (unionImage_.getSize().x > 0)
        window_.draw(unionSprite_);
    if (collectiveImage_.getSize().x > 0)
        window_.draw(collectiveSprite_);

    const auto alpha = static_cast<sf::Uint8>(spin_);
    if (alpha > 0) {
        label_.setFillColor(sf::Color(255, 255, 255, alpha));
        window_.draw(label_);
    }

    for (int i = 0; i < boxCount; ++i) {
        const float x = layout::width / 4 + (layout::width / 20) * i;
        const float y = layout::height - 200;
        boxes_.rect({x, y}, {x + 20.f, y + 20.f},
                    i < progress_.progress ? boxGrey : sf::Color::Cyan);
    }
    boxes_.flush(window_);
}
