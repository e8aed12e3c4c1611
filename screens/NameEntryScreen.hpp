#pragma once

#include "platform/GameWindow.hpp"
#include "platform/Text.hpp"
#include "screens/HighscoreTable.hpp"
#include "screens/PlayerName.hpp"
#include "screens/ScreenParts.hpp"

#include <SFML/Audio.hpp>
#include <SFML/Graphics.hpp>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

constexpr std::size_t maxNameLength = 20;

// Letters A to Z and a to z, digits and the blank.
bool isNameCharacter(sf::Uint32 c);

enum class TypedCharacter {
    Appended, // a name character added
    Dropped,  // the name is full; the character is lost but still sounds accepted
    Refused   // not a name character
};
TypedCharacter typeNameCharacter(std::string& name, sf::Uint32 c);

// Removes the last character; false when there was none.
bool eraseNameCharacter(std::string& name);

enum class NameSound { Accept, Error };

// Asks for the player's name before a game. Enter (or a pad's A or Start) with a name stores it
// and reports true to the caller; Escape (or B) reports false.
class NameEntryScreen {
  public:
    // Letter keys type here, whatever they do on other screens.
    NameEntryScreen(GameWindow& window, bool* accepted);
    ~NameEntryScreen();
    NameEntryScreen(const NameEntryScreen&) = delete;
    NameEntryScreen& operator=(const NameEntryScreen&) = delete;

    // Fade in, take the name until Enter or Escape, fade out.
    void run();

    void fadeIn();
    void fadeOut();
    void draw();
    void handleEvent(const sf::Event& event);

    bool isRunning() const { return running_; }
    const std::string& name() const { return name_; }
    // Every sound the keys have asked for, in order.
    const std::vector<NameSound>& soundsPlayed() const { return played_; }

  private:
    void handleEvents();
    void play(NameSound sound);
    void drawStill(sf::RenderTarget& target);

    GameWindow& window_;
    sf::SoundBuffer errorBuffer_;
    sf::SoundBuffer acceptBuffer_;
    sf::Sound errorSound_;
    sf::Sound acceptSound_;
    FontFile font_;
    sf::Font builtinFont_;
    sf::Text label_;
    sf::Text nameLabel_;
    PageCanvas canvas_;
    std::string name_;
    std::unique_ptr<HighscoreTable> table_;
    float fade_ = 255.f;
    bool running_ = true;
    bool* accepted_;
    std::vector<NameSound> played_;
};
