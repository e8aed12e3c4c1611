#include "app/MainMenu.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"
#include "platform/GameWindow.hpp"
#include "platform/SoundFiles.hpp"
#include "platform/Text.hpp"
#include "screens/LoadingWindow.hpp"

#include <utility>

namespace {
constexpr const char* entryNames[6] = {"- 1 - Spielen",       "- 2 - Die Geschichte",
                                       "- 3 - Instruktionen", "- 4 - Credits",
                                       "- 5 - Highscores",    "- 6 - Beenden"};

// Integer quantities advance by a rate per second with the fraction dropped.
int advance(int value, float ratePerSecond, float seconds) {
    return static_cast<int>(static_cast<float>(value) + ratePerSecond * seconds);
}
} // namespace

MainMenu::MainMenu(GameWindow& window, MenuPages pages)
    : window_(window), pages_(std::move(pages)) {}

bool MainMenu::run() {
    sf::Texture loadingPicture;
    {
        LoadingWindow loading(window_);
        loading.launch();
        load();
        sf::sleep(sf::seconds(2.f)); // the loading screen stays up at least this long
        loading.stop();
        loading.wait();
        loading.takeLastFrame(loadingPicture);
    }
    window_.setScreenView();
    fadeOver(loadingPicture);
    fadeIn();
    openPanels();
    typeFooter();

    while (running_) {
        drawFrame();
        handleEvents([this](sf::Event& event) { return window_.pollEvent(event); });
    }
    playClosing();
    return restart_;
}

void MainMenu::playClosing() {
    if (restart_ || leftInBlack_)
        return;
    closePanels();
    sf::Texture shut;
    window_.capture(shut);
    window_.display();
    fadeOver(shut);
}

void MainMenu::load() {
    loadSoundFile(clickBuffer_, content::clickSound);
    fade_ = 255.f;
    slide_ = 0;
    running_ = true;
    restart_ = false;

    loadPicture(titleImage_, content::titlePicture);
    titleSprite_.setTexture(titleImage_, true);
    titleSprite_.setScale(2.88f, 2.88f);
    titleSprite_.setPosition(0.f, layout::height / 2 - 581.76f);

    loadPicture(panelImage_, content::metalPicture);

    font_.loadOrDefault(content::displayFont);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        sf::Text& entry = entries_[i];
        entry.setFont(font_);
        entry.setCharacterSize(40);
        entry.setFillColor(sf::Color::Red);
        entry.setString(entryNames[i]);
        entry.setPosition(layout::width / 4, 200.f + 50.f * static_cast<float>(i));
    }
    heading_.setFont(font_);
    heading_.setCharacterSize(50);
    heading_.setFillColor(sf::Color::White);
    heading_.setString("- Velmarch -");
    heading_.setPosition(static_cast<float>(layout::width / 2) - textWidth(heading_) / 2.f, 10.f);
    footerText_.setFont(font_);
    footerText_.setCharacterSize(20);
    footerText_.setFillColor(sf::Color::White);
}

void MainMenu::compose() {
    // While black, the frame is only the black.
    if (static_cast<int>(fade_) >= 255) {
        window_.target().clear(sf::Color::Black);
        return;
    }
    const bool panelsShown = panelImage_.getSize().x > 0;
    const sf::FloatRect title = titleSprite_.getGlobalBounds();
    const bool titleCovers = titleImage_.getSize().x > 0 && title.left <= 0.f && title.top <= 0.f &&
                             title.left + title.width >= layout::width &&
                             title.top + title.height >= layout::height;
    if (!titleCovers || window_.viewport() != sf::FloatRect(0.f, 0.f, 1.f, 1.f))
        window_.target().clear(sf::Color::Black);

    // The pictures are JPEGs, always opaque: copying them without blending is cheaper.
    const sf::RenderStates opaque(sf::BlendNone);
    // Shut panels hide the title picture and the entries.
    if (slide_ != 0 || !panelsShown) {
        if (titleImage_.getSize().x > 0)
            window_.draw(titleSprite_, opaque);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const bool lit = highlighted() == static_cast<int>(i);
            entries_[i].setFillColor(lit ? sf::Color::White : sf::Color::Red);
            window_.draw(entries_[i]);
        }
    }

    const float upper = static_cast<float>(layout::height / 2 - slide_);
    const float lower = static_cast<float>(layout::height / 2 + slide_);
    if (panelsShown) {
        Batch panels;
        const sf::Vector2f size(layout::width, layout::height / 2);
        const sf::Vector2u tex = panelImage_.getSize();
        const sf::FloatRect whole(0.f, 0.f, static_cast<float>(tex.x), static_cast<float>(tex.y));
        panels.image({0.f, upper - size.y}, size, whole);
        panels.image({0.f, lower}, size, whole);
        sf::RenderStates states = opaque;
        states.texture = &panelImage_;
        window_.draw(panels.vertices(), states);
    }
    // Drawing both lines after both panels shows the same picture as interleaving them: where
    // the upper line reaches into the lower panel, the lower line covers it.
    Batch lines;
    lines.line({0.f, upper}, {layout::width, upper}, 5.f, sf::Color::White);
    lines.line({0.f, lower}, {layout::width, lower}, 5.f, sf::Color::White);
    lines.flush(window_);

    window_.draw(heading_);
    if (!footer_.empty()) {
        footerText_.setString(footer_);
        footerText_.setPosition(static_cast<float>(layout::width - 10) - textWidth(footerText_),
                                static_cast<float>(layout::height - 30));
        window_.draw(footerText_);
    }
    drawFade(window_, static_cast<int>(fade_));
}

void MainMenu::drawFrame() {
    compose();
    window_.display();
}

void MainMenu::fadeOver(const sf::Texture& picture) {
    int alpha = 0;
    while (alpha < 255) {
        if (picture.getSize().x > 0)
            window_.drawCapture(picture);
        else
            window_.target().clear(sf::Color::Black);
        drawFade(window_, alpha);
        window_.display();
        alpha = advance(alpha, 100.f, window_.frameTime());
    }
}

void MainMenu::fadeIn() {
    fade_ = 255.f;
    while (fade_ > 0.f) {
        drawFrame();
        fade_ -= 100.f * window_.frameTime();
    }
    fade_ = 0.f;
}

void MainMenu::openPanels() {
    while (slide_ < openSlide) {
        drawFrame();
        slide_ = advance(slide_, 200.f, window_.frameTime());
    }
}

void MainMenu::typeFooter() {
    // The pool lives on with the menu so that the last click is not cut off.
    clicks_.emplace(clickBuffer_, 50.f);
    sf::Clock sinceLast;
    const std::string line = footerLine;
    for (std::size_t i = 0; i < line.size(); ++i) {
        while (sinceLast.getElapsedTime() < sf::seconds(0.01f))
            sf::sleep(sf::milliseconds(1));
        sinceLast.restart();
        footer_ += line[i];
        drawFrame();
        if (i % 2 == 0)
            clicks_->play();
    }
}

void MainMenu::closePanels() {
    while (slide_ > 0) {
        drawFrame();
        slide_ = advance(slide_, -200.f, window_.frameTime());
    }
    slide_ = 0;
    compose();
}

void MainMenu::handleEvents(const std::function<bool(sf::Event&)>& next) {
    sf::Event event;
    while (next(event)) {
        if (event.type == sf::Event::KeyPressed && (!handleKey(event.key.code) || leftInBlack_))
            return;
        if (!handlePad(event))
            return;
    }
    // The window's close button quits as key 6 does.
    if (window_.closeRequested())
        running_ = false;
}

std::optional<int> MainMenu::highlighted() const {
    return highlightShown_ ? std::optional(highlight_) : std::nullopt;
}

bool MainMenu::handleKey(sf::Keyboard::Key key) {
    switch (key) {
    case sf::Keyboard::Num1:
        return playGame();
    case sf::Keyboard::Num2:
        openPage(pages_.story);
        break;
    case sf::Keyboard::Num3:
        openPage(pages_.howToPlay);
        break;
    case sf::Keyboard::Num4:
        openPage(pages_.credits);
        break;
    case sf::Keyboard::Num5:
        openPage(pages_.highscores);
        break;
    case sf::Keyboard::Num6:
        running_ = false;
        break;
    default:
        break;
    }
    return true;
}

bool MainMenu::handlePad(const sf::Event& event) {
    // The first touch of a pad only shows the highlight; from then on the pad moves and chooses.
    const bool shown = highlightShown_;
    highlightShown_ = window_.pad().used();
    if (!shown)
        return true;
    if (padPressed(event, PadButton::A))
        return handleKey(static_cast<sf::Keyboard::Key>(sf::Keyboard::Num1 + highlight_)) &&
               !leftInBlack_;
    const int count = static_cast<int>(entries_.size());
    highlight_ = (highlight_ + window_.pad().lastChange().nudge.y + count) % count;
    return true;
}

bool MainMenu::playGame() {
    if (!pages_.nameEntry)
        return true;
    const bool accepted = pages_.nameEntry(window_);
    window_.setScreenView();
    if (!accepted) {
        if (!leaveAfterClose())
            fadeIn();
        return true;
    }
    if (pages_.game)
        pages_.game(window_);
    restart_ = !leaveAfterClose();
    running_ = false;
    return false;
}

bool MainMenu::leaveAfterClose() {
    // A screen left for a close request has faded to black: the menu ends there, as it is.
    if (window_.closeRequested()) {
        running_ = false;
        leftInBlack_ = true;
    }
    return leftInBlack_;
}

void MainMenu::openPage(const std::function<void(GameWindow&)>& page) {
    if (!page)
        return;
    page(window_);
    window_.setScreenView();
    if (!leaveAfterClose())
        fadeIn();
}
