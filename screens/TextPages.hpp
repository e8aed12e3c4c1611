#pragma once

#include "platform/ClickPool.hpp"
#include "platform/GameWindow.hpp"
#include "platform/Text.hpp"
#include "screens/PageFile.hpp"
#include "screens/ScreenParts.hpp"

#include <SFML/Audio.hpp>
#include <SFML/Graphics.hpp>
#include <filesystem>
#include <string>
#include <vector>

// The three read-only pages of the menu: the story, the instructions and the credits. Their texts
// are Windows-1252 files, one screen line per file line, shown as they stand.

// Types lines out one character per step, skipping empty lines; every character at an even index
// of its line clicks.
class Typewriter {
  public:
    explicit Typewriter(std::vector<std::size_t> lengths);

    bool done() const { return line_ >= lengths_.size(); }
    // The line the next step types into.
    std::size_t currentLine() const { return line_; }
    // Shows one more character; true when it clicks.
    bool step();
    std::size_t shown(std::size_t line) const { return shown_[line]; }
    void finish();

  private:
    void skipFinishedLines();
    std::vector<std::size_t> lengths_;
    std::vector<std::size_t> shown_;
    std::size_t line_ = 0;
};

// The credits' line pairs slide along a quarter sine: at angle a a pair is pushed sin(a) * W/2
// out of place. Sliding in the angle falls from 90 by the frame time * 100, fraction dropped;
// sliding out it climbs from 0 by the same amount, by at least one degree so that very short
// frames still end the slide.
int slideOffset(int angleDegrees);
int slideInNextAngle(int angle, float frameTime);
int slideOutNextAngle(int angle, float frameTime);

// The story's mission picture is printed this many rows per drawn frame: the frame time * 100,
// fraction dropped, never below 1.
int printRowStep(float frameTime);
// Flush with the bottom-right corner, but never starting left of or above the window.
sf::Vector2f missionPlatePosition(sf::Vector2u pictureSize);

// What the three pages share: the fonts, the title, the backdrop, the hint, the fades and the
// loop. `run()` plays the opening animation, shows the page until Escape (or a pad's B), plays
// the closing one.
class TextPage {
  public:
    virtual ~TextPage() = default;
    TextPage(const TextPage&) = delete;
    TextPage& operator=(const TextPage&) = delete;

    void run();

    // The steps of run(), and one complete frame ending with display().
    virtual void playIntro() = 0;
    virtual void playOutro() = 0;
    virtual void draw() = 0;
    void handleEvent(const sf::Event& event);
    bool isRunning() const { return running_; }
    // Ends the opening animation at once: everything shown, no fade. For previews and checks.
    virtual void showAll() = 0;

  protected:
    TextPage(GameWindow& window, sf::String title, PageCanvas::Style style);
    void handleEvents();
    void drawTitle(sf::RenderTarget& target);
    void drawHintAndFade();

    GameWindow& window_;
    FontFile font_;        // the game's font, for the title and the hint
    sf::Font builtinFont_; // every line of file text
    sf::Text titleText_;
    sf::Text bodyText_;
    PageCanvas canvas_;
    sf::String title_;
    float fade_ = 255.f;
    bool running_ = true;
};

// The story and the instructions: lines typed out with a click, under hatching and a veil.
class TypedPage : public TextPage {
  public:
    void playIntro() override;
    void playOutro() override;
    void draw() override;
    void showAll() override;

  protected:
    TypedPage(GameWindow& window, sf::String title, const std::filesystem::path& file,
              unsigned bodySize, int rowStep);
    void typeLines();
    // Under the text; drawn with the page's still parts.
    virtual void drawPicture(sf::RenderTarget&) {}

  private:
    // Sets up the text of a line as far as it is typed; false when nothing of it shows yet.
    bool placeLine(std::size_t line);
    // Lines typed out completely belong to the still parts; the one being typed is drawn each
    // frame.
    std::size_t completeLines() const;

    sf::SoundBuffer clickBuffer_;
    ClickPool clicks_;
    unsigned bodySize_;
    int rowStep_;
    // The lines that can show, each cut to what fits in the window.
    std::vector<sf::String> lines_;
    Typewriter typewriter_;
    std::size_t stillLines_ = 0;
};

class StoryScreen : public TypedPage {
  public:
    explicit StoryScreen(GameWindow& window);
    void playIntro() override;
    void showAll() override;

  protected:
    void drawPicture(sf::RenderTarget& target) override;

  private:
    void printRow(unsigned row);
    sf::Image missionImage_;
    sf::Texture missionPlate_;
    sf::Sprite missionSprite_;
    unsigned printableRows_ = 0;
};

class HowToPlayScreen : public TypedPage {
  public:
    explicit HowToPlayScreen(GameWindow& window);
};

class CreditsScreen : public TextPage {
  public:
    explicit CreditsScreen(GameWindow& window);
    void playIntro() override;
    void playOutro() override;
    void draw() override;
    void showAll() override;
    const std::vector<int>& offsets() const { return offsets_; }

  private:
    // Cut to what fits: topics keep their ends (they are right-aligned), names their starts.
    std::vector<sf::String> topics_;
    std::vector<sf::String> names_;
    // One per line pair, as many as the longer file, W/2 (out of sight) at load.
    std::vector<int> offsets_;
    // The offsets the still parts were last drawn with.
    std::vector<int> stillOffsets_;
};
