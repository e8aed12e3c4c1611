#pragma once

#include "app/MenuPages.hpp"
#include "platform/ClickPool.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"
#include "platform/Version.hpp"

#include <SFML/Audio.hpp>
#include <SFML/Graphics.hpp>
#include <array>
#include <functional>
#include <optional>
#include <string>

class GameWindow;

// The title screen: six numbered entries behind two metal panels that slide open.
class MainMenu {
  public:
    // The panels open until they are this far from the middle line (or a few pixels more).
    static constexpr int openSlide = layout::height / 2 - 100;
    static constexpr const char* footerLine = version::title;

    MainMenu(GameWindow& window, MenuPages pages);
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // Loads behind the loading screen, plays the intro and runs until the player quits (false)
    // or a game has been played (true: the program starts anew, so no closing animation). A
    // close request quits; made while another screen was open, without the closing animation.
    bool run();

    // The steps of run(), open to tests and the benchmark.
    void load();
    void drawFrame();
    void fadeOver(const sf::Texture& picture); // darkens a still picture to black
    void fadeIn();
    void openPanels();
    void typeFooter();
    // Ends with the frame of the shut panels drawn but not yet displayed, so that it can be copied.
    void closePanels();
    // Handles the events of one frame in order. `next` fills in the next pending event; a pad's
    // events count as the window's pad has taken them.
    void handleEvents(const std::function<bool(sf::Event&)>& next);
    // The entry the pad's A chooses (0 to 5), once a pad has been used.
    std::optional<int> highlighted() const;
    // The panels close and the screen fades to black, unless a game was played or the window was
    // closed while another screen was open (the screen is black already).
    void playClosing();

    int slide() const { return slide_; }
    float fade() const { return fade_; }
    bool running() const { return running_; }
    bool restart() const { return restart_; }
    const std::string& footer() const { return footer_; }

  private:
    void compose();
    // False when the events still pending must be left unread.
    bool handleKey(sf::Keyboard::Key key);
    bool handlePad(const sf::Event& event);
    bool playGame();
    void openPage(const std::function<void(GameWindow&)>& page);
    // After a screen the menu opened: true when the window was asked to close meanwhile.
    bool leaveAfterClose();

    GameWindow& window_;
    MenuPages pages_;
    sf::SoundBuffer clickBuffer_;
    std::optional<ClickPool> clicks_;
    FontFile font_;
    sf::Texture titleImage_;
    sf::Sprite titleSprite_;
    sf::Texture panelImage_; // stretched to the screen's width and half its height, twice
    std::array<sf::Text, 6> entries_;
    sf::Text heading_;
    sf::Text footerText_;
    std::string footer_;
    float fade_ = 255.f;
    int slide_ = 0;
    bool running_ = true;
    bool restart_ = false;
    int highlight_ = 0;
    bool highlightShown_ = false;
    bool leftInBlack_ = false;
};
