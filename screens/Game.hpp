#pragma once

#include "assets/AssetStore.hpp"
#include "assets/SoundBoard.hpp"
#include "platform/GameClock.hpp"
#include "platform/Random.hpp"
#include "platform/Text.hpp"
#include "world/Entities.hpp"
#include "world/Types.hpp"

#include <SFML/Graphics.hpp>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct DrawingCache;
class GameWindow;

// The keys and buttons the player holds, read once per frame. The pad's A and right trigger count
// as Space, its left stick and d-pad as the arrow keys.
struct HeldInput {
    bool space = false;
    bool leftButton = false;
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    // Where the right stick points while it owns the sight (of length 1).
    std::optional<sf::Vector2f> stickAim = std::nullopt;

    static HeldInput read(const GameWindow& window);
};

// One played game, from the loading screen to the recorded score.
//
// The state is plain data that the gameplay steps (rules/) change and the drawing (render/) only
// reads. run() plays the whole game; tests and the benchmark use the pieces on their own: load a
// level, set the frame time on the window, update, draw.
class Game {
  public:
    explicit Game(GameWindow& window);                  // chance seeded from the clock
    Game(GameWindow& window, std::uint32_t randomSeed); // replayable
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Loading, opening, frame loop, closing, teardown, score recording.
    void run();

    // --- Lifecycle pieces ---
    // Loads pictures, sounds, the font and level 1 (the loading screen is the caller's).
    void loadResources();
    void startLevelOne();
    void playOpening();
    void playLoop();
    // One turn of the loop: input, update unless paused, draw.
    void frame();
    void playClosing();
    void teardown();
    void recordScore();
    void handleInput();
    // One window event: P toggles the pause, Escape ends the game, mouse moves are kept; the
    // pad's Start and Back do as P and Escape; pulling out the pad in use or the window losing
    // the focus pauses.
    void handleEvent(const sf::Event& event);
    // The frame time of the current frame, in seconds.
    float frameTime() const;

    // --- Level loader ---
    // Of a level file at most this much is read; where the budget ends, the file ends.
    static constexpr std::size_t maxLevelFileBytes = 2u << 20;
    void loadLevel(std::size_t byteBudget = maxLevelFileBytes);

    // --- Gameplay update, one step per function, in the order update() runs them ---
    void update();
    void advanceCounters();
    void controlPlayer(const HeldInput& input);
    void updatePlayer();
    void updateExplosions();
    void updateShots();
    void updateTracks();
    void updateTowers();
    void updateSoldiers();
    void updateBlocks();
    void pulseItems();
    void updatePopups();
    void checkLevelDone();

    bool isBlocked(const Soldier& soldier) const;
    void fire(Soldier& shooter);
    void fire(Tower& shooter);
    void destroyBonus(Point centre);
    Point startPoint() const;

    // --- Drawing (never changes the game state) ---
    void drawFrame();
    void drawWorld();
    void drawHud();
    void drawPauseOverlay();
    // Gets drawing ready for the asset store's pictures (drawFrame does it on first use); call
    // it again after changing a picture of the store.
    void prepareDrawing();

    // --- State ---
    GameWindow& window;
    GameClock gameClock; // advanced by every frame's time
    Stopwatch clock;     // played time, restarted when the frame loop starts
    RandomEngine random;
    std::unique_ptr<AssetStore> assets;
    std::unique_ptr<SoundBoard> sounds;
    FontFile font; // the display font
    sf::Text text;
    sf::Font builtinFont; // the library's built-in font
    sf::Text text2;
    int curtainX = 0;
    int curtainY = 0;
    float fade = 0.f;
    float pulse = 0.f;
    int shownPoints = 0;
    int points = 0;
    bool running = false;
    bool paused = false;
    bool aborted = false;
    int level = 0;
    std::array<int, 6> levelProgress{}; // index = level number 1..5
    int scanX = 0;
    int scanY = 0;
    Point mouse;
    Box mapArea;
    std::unique_ptr<Soldier> player;
    std::vector<std::unique_ptr<ScorePopup>> popups;
    std::vector<Shot> shots;
    std::vector<Tower> towers;
    std::vector<Explosion> explosions;
    std::vector<Track> tracks;
    std::vector<Block> blocks;
    std::vector<Item> items;
    std::vector<std::unique_ptr<Soldier>> soldiers;

    // What drawing keeps between frames (not game state) and the store it was made from.
    std::unique_ptr<DrawingCache> drawing;
    const AssetStore* drawingSource = nullptr;
};
