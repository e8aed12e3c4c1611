#include "platform/GameWindow.hpp"

#include "platform/Version.hpp"

#include <utility>

namespace {

sf::VideoMode chooseFullscreenMode() {
    // Match the layout size whatever colour depth the display reports; otherwise take the
    // desktop as it is and letterbox.
    for (const sf::VideoMode& mode : sf::VideoMode::getFullscreenModes()) {
        if (mode.width == GameWindow::width && mode.height == GameWindow::height)
            return mode;
    }
    return sf::VideoMode::getDesktopMode();
}

sf::FloatRect letterbox(unsigned physicalWidth, unsigned physicalHeight) {
    const float sx = static_cast<float>(physicalWidth) / GameWindow::width;
    const float sy = static_cast<float>(physicalHeight) / GameWindow::height;
    if (physicalWidth == 0 || physicalHeight == 0 || sx == sy)
        return {0.f, 0.f, 1.f, 1.f};
    if (sx > sy) {
        const float w = sy / sx;
        return {(1.f - w) / 2.f, 0.f, w, 1.f};
    }
    const float h = sx / sy;
    return {0.f, (1.f - h) / 2.f, 1.f, h};
}

} // namespace

GameWindow::GameWindow(Mode mode) : fullscreen_(mode == Mode::Fullscreen) {
    if (mode == Mode::Offscreen) {
        texture_ = std::make_unique<sf::RenderTexture>();
        texture_->create(width, height, sf::ContextSettings(24, 8, 0));
        target_ = texture_.get();
    } else {
        window_ = std::make_unique<sf::RenderWindow>();
        openWindow();
    }
    setScreenView();
    frameClock_.restart();
}

void GameWindow::openWindow() {
    // An open window is closed first; textures live in a context of their own and survive it.
    window_->create(fullscreen_ ? chooseFullscreenMode() : sf::VideoMode(width, height),
                    version::title, fullscreen_ ? sf::Style::Fullscreen : sf::Style::Default,
                    sf::ContextSettings(24, 8, 0));
    const sf::Vector2u size = window_->getSize();
    viewport_ = letterbox(size.x, size.y);
    target_ = window_.get();
    madeAt_.restart();
}

void GameWindow::setFullscreen(bool fullscreen) {
    if (fullscreen == fullscreen_)
        return;
    fullscreen_ = fullscreen;
    if (!window_)
        return;
    openWindow();
    window_->setFramerateLimit(framerateLimit_);
    window_->setMouseCursorVisible(cursorVisible_);
    setView(view_);
    // Making the window took time that no frame should count.
    frameClock_.restart();
}

GameWindow::~GameWindow() = default;

void GameWindow::draw(const sf::Drawable& drawable, const sf::RenderStates& states) {
    ++drawCalls_;
    target_->draw(drawable, states);
}

void GameWindow::display() {
    if (controls_) {
        const sf::View current = target_->getView();
        target_->setView(boxed(sf::View(sf::FloatRect(0.f, 0.f, width, height))));
        controls_->drawOverlay(*this);
        target_->setView(current);
    }
    if (window_) {
        window_->display();
    } else {
        texture_->display();
        if (offscreenFrameLimit_ != sf::Time::Zero)
            sf::sleep(offscreenFrameLimit_ - frameClock_.getElapsedTime());
    }
    frameTime_ = frameClock_.restart().asSeconds();
    escapeDue_ = closeRequested_;
}

void GameWindow::setFramerateLimit(unsigned perSecond) {
    framerateLimit_ = perSecond;
    if (window_)
        window_->setFramerateLimit(perSecond);
    else
        offscreenFrameLimit_ =
            perSecond > 0 ? sf::seconds(1.f / static_cast<float>(perSecond)) : sf::Time::Zero;
}

bool GameWindow::pollEvent(sf::Event& event) {
    for (;;) {
        if (escapeDue_) {
            escapeDue_ = false;
            event = sf::Event{};
            event.type = sf::Event::KeyPressed;
            event.key.code = sf::Keyboard::Escape;
            return true;
        }
        if (!nextEvent(event))
            return false;
        const bool dropText = std::exchange(dropText_, false);
        if (event.type == sf::Event::TextEntered && dropText)
            continue;
        if (event.type == sf::Event::Closed && !fullscreen_) {
            closeRequested_ = true;
            escapeDue_ = true;
            continue;
        }
        if (controls_ && controls_->handle(*this, event)) {
            dropText_ = event.type == sf::Event::KeyPressed;
            continue;
        }
        return true;
    }
}

bool GameWindow::nextEvent(sf::Event& event) {
    if (!queued_.empty()) {
        event = queued_.front();
        queued_.pop_front();
        pad_.handle(event);
        return true;
    }
    do {
        if (!window_ || !window_->pollEvent(event)) {
            pad_.settle();
            return false;
        }
        // A window made anew, and a grab of the keyboard, report losing a focus that the window
        // holds or gets back at once: only a focus gone away counts.
        // A pad is read whichever window has the focus; its buttons count only for ours, or Start
        // could end a pause the player cannot see.
    } while ((event.type == sf::Event::LostFocus &&
              (window_->hasFocus() || madeAt_.getElapsedTime() < sf::seconds(1.f))) ||
             (event.type == sf::Event::JoystickButtonPressed && !window_->hasFocus()));
    if (event.type == sf::Event::Resized) {
        viewport_ = letterbox(event.size.width, event.size.height);
        target_->setView(boxed(view_));
    }
    auto map = [this](int& x, int& y) {
        const sf::Vector2f p = window_->mapPixelToCoords(
            {x, y}, boxed(sf::View(sf::FloatRect(0.f, 0.f, width, height))));
        x = static_cast<int>(p.x);
        y = static_cast<int>(p.y);
    };
    if (event.type == sf::Event::MouseMoved)
        map(event.mouseMove.x, event.mouseMove.y);
    else if (event.type == sf::Event::MouseButtonPressed ||
             event.type == sf::Event::MouseButtonReleased)
        map(event.mouseButton.x, event.mouseButton.y);
    pad_.handle(event);
    return true;
}

void GameWindow::dropPendingEvents() {
    sf::Event event;
    while (pollEvent(event)) {
    }
}

bool GameWindow::isKeyHeld(sf::Keyboard::Key key) const {
    return window_ && window_->hasFocus() && sf::Keyboard::isKeyPressed(key);
}

bool GameWindow::isButtonHeld(sf::Mouse::Button button) const {
    return window_ && window_->hasFocus() && sf::Mouse::isButtonPressed(button);
}

sf::View GameWindow::boxed(sf::View view) const {
    view.setViewport(viewport_);
    return view;
}

void GameWindow::setView(const sf::View& view) {
    view_ = view;
    target_->setView(boxed(view));
}

void GameWindow::setScreenView() {
    setView(sf::View(sf::FloatRect(0.f, 0.f, width, height)));
}

void GameWindow::capture(sf::Texture& into) {
    if (window_) {
        const sf::Vector2u size = window_->getSize();
        if (into.getSize() != size)
            into.create(size.x, size.y);
        into.update(*window_);
    } else {
        into = texture_->getTexture();
    }
}

void GameWindow::drawCapture(const sf::Texture& capture, const sf::RenderStates& states) {
    // The copy holds physical pixels, bars included: draw it 1:1 over the physical window.
    const sf::View current = target_->getView();
    const sf::Vector2u size = target_->getSize();
    target_->setView(
        sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(size.x), static_cast<float>(size.y))));
    draw(sf::Sprite(capture), states);
    target_->setView(current);
}

sf::Image GameWindow::screenshot() const {
    if (texture_)
        return texture_->getTexture().copyToImage();
    sf::Texture copy;
    const sf::Vector2u size = window_->getSize();
    copy.create(size.x, size.y);
    copy.update(*window_);
    return copy.copyToImage();
}

void GameWindow::setActive(bool active) {
    if (window_)
        (void)window_->setActive(active);
    else
        (void)texture_->setActive(active);
}

void GameWindow::setMouseCursorVisible(bool visible) {
    cursorVisible_ = visible;
    if (window_)
        window_->setMouseCursorVisible(visible);
}

void GameWindow::close() {
    if (window_)
        window_->close();
}

bool GameWindow::isOpen() const {
    return window_ ? window_->isOpen() : true;
}
