#include "screens/NameEntryScreen.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/SoundFiles.hpp"
#include "platform/Text.hpp"

namespace {} // namespace

bool isNameCharacter(sf::Uint32 c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

TypedCharacter typeNameCharacter(std::string& name, sf::Uint32 c) {
    if (name.size() >= maxNameLength)
        return TypedCharacter::Dropped;
    if (!isNameCharacter(c))
        return TypedCharacter::Refused;
    name += static_cast<char>(c);
    return TypedCharacter::Appended;
}

bool eraseNameCharacter(std::string& name) {
    if (name.empty())
        return false;
    name.pop_back();
    return true;
}

NameEntryScreen::NameEntryScreen(GameWindow& window, bool* accepted)
    : window_(window), canvas_(PageCanvas::Style::Hatched), accepted_(accepted) {
    loadSoundFile(errorBuffer_, content::errorSound);
    loadSoundFile(acceptBuffer_, content::acceptSound);
    errorSound_.setBuffer(errorBuffer_);
    acceptSound_.setBuffer(acceptBuffer_);
    errorSound_.setVolume(25.f);
    font_.loadOrDefault(content::displayFont);
    loadDefaultFont(builtinFont_);
    label_.setFont(font_);
    nameLabel_.setFont(builtinFont_);
    // Opened for the time the screen runs; it is written back unchanged when it closes.
    table_ = std::make_unique<HighscoreTable>();
    // The key that opened this screen also queued its character: it must not start the name.
    window_.dropPendingEvents();
    window_.setTyping(true);
}

NameEntryScreen::~NameEntryScreen() {
    window_.setTyping(false);
}

void NameEntryScreen::run() {
    fadeIn();
    while (running_) {
        handleEvents();
        draw();
    }
    fadeOut();
    table_.reset();
}

void NameEntryScreen::fadeIn() {
    runFadeIn(window_, fade_, [this] { draw(); });
}

void NameEntryScreen::fadeOut() {
    runFadeOut(window_, fade_, [this] { draw(); });
}

void NameEntryScreen::handleEvents() {
    sf::Event event;
    while (window_.pollEvent(event))
        handleEvent(event);
}

void NameEntryScreen::play(NameSound sound) {
    (sound == NameSound::Accept ? acceptSound_ : errorSound_).play();
    played_.push_back(sound);
}

void NameEntryScreen::handleEvent(const sf::Event& received) {
    const sf::Event event = padAsKey(received, {{PadButton::A, sf::Keyboard::Return},
                                                {PadButton::Start, sf::Keyboard::Return},
                                                {PadButton::B, sf::Keyboard::Escape}});
    // Whatever the event, the name may have changed.
    canvas_.invalidate();
    if (event.type == sf::Event::TextEntered) {
        // The window layer also sends Backspace, Enter and Escape as text: they sound refused
        // besides their key's action.
        if (typeNameCharacter(name_, event.text.unicode) == TypedCharacter::Refused)
            play(NameSound::Error);
        else
            play(NameSound::Accept);
        return;
    }
    if (event.type != sf::Event::KeyPressed)
        return;
    switch (event.key.code) {
    case sf::Keyboard::BackSpace:
        if (eraseNameCharacter(name_))
            play(NameSound::Accept);
        else
            play(NameSound::Error);
        break;
    case sf::Keyboard::Return:
        if (name_.empty()) {
            play(NameSound::Error);
            break;
        }
        play(NameSound::Accept);
        // A name that cannot be stored still starts the game; it then records under the name
        // the file held before.
        storePlayerName(name_);
        running_ = false;
        if (accepted_)
            *accepted_ = true;
        break;
    case sf::Keyboard::Escape:
        running_ = false;
        if (accepted_)
            *accepted_ = false;
        break;
    default:
        break;
    }
}

void NameEntryScreen::draw() {
    canvas_.draw(window_, [this](sf::RenderTarget& target) { drawStill(target); });
    drawFade(window_, static_cast<int>(fade_));
    window_.display();
}

void NameEntryScreen::drawStill(sf::RenderTarget& target) {
    drawTextCentred(target, label_, "- Eintrag in die Highscores -", 50, sf::Color::White, 10.f);
    drawTextCentred(target, label_, "Geben Sie in folgendes Textfeld ihren Namen ein", 30,
                    sf::Color::Red, 200.f);
    Batch field;
    field.rect({layout::width / 3.f, 250.f}, {2.f * layout::width / 3.f, 280.f},
               sf::Color(0, 0, 100, 100), 5.f, sf::Color::Black);
    target.draw(field.vertices());
    drawTextAt(target, nameLabel_, name_, 20, sf::Color::White, layout::width / 3.f + 50.f, 250.f);
    drawTextRightAligned(target, label_, fromCp1252("Enter - Hinzuf\xFCgen"), 20, sf::Color::White,
                         layout::width - 10.f, layout::height - 30.f);
    drawEscapeHint(target, label_);
}
