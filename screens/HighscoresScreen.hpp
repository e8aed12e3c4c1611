#pragma once

#include "platform/ClickPool.hpp"
#include "platform/GameWindow.hpp"
#include "platform/Text.hpp"
#include "screens/HighscoreTable.hpp"
#include "screens/ScreenParts.hpp"

#include <SFML/Audio.hpp>
#include <SFML/Graphics.hpp>
#include <memory>
#include <vector>

// Rows of the list start at y 130, 30 apart; those from y 900 on lie below the window.
constexpr int highscoreFirstRowY = 130;
constexpr int highscoreRowStep = 30;
// How many of `recordCount` rows are revealed (with a click each) and drawn.
std::size_t revealedRowCount(std::size_t recordCount);

// The stored list, revealed row by row; C empties it, Escape (or a pad's B) leaves, and the list
// is written back when the screen closes.
class HighscoresScreen {
  public:
    explicit HighscoresScreen(GameWindow& window);
    HighscoresScreen(const HighscoresScreen&) = delete;
    HighscoresScreen& operator=(const HighscoresScreen&) = delete;

    // Fade in, reveal, show until Escape, fade out, write the file.
    void run();

    // The steps of run(), and one frame ending with display().
    void fadeIn();
    void reveal();
    void fadeOut();
    void draw();
    // Ends the opening at once: the fade gone, every row that fits shown. For previews and checks.
    void showAll();
    void handleEvent(const sf::Event& event);

    bool isRunning() const { return running_; }
    std::size_t shownRows() const { return shownRows_.size(); }

  private:
    // One revealed record, ready to draw: each field cut to what fits in the window.
    struct Row {
        sf::String place, name, points, seconds;
    };
    Row rowFor(std::size_t index, const HighscoreRecord& record) const;
    void handleEvents();
    void drawList(sf::RenderTarget& target);

    GameWindow& window_;
    sf::SoundBuffer clickBuffer_;
    ClickPool clicks_;
    FontFile font_;
    sf::Font builtinFont_;
    sf::Text label_;
    sf::Text rowLabel_;
    PageCanvas canvas_;
    std::unique_ptr<HighscoreTable> table_;
    std::vector<Row> shownRows_;
    float fade_ = 255.f;
    bool running_ = true;
};
