#pragma once

#include "platform/HeldInput.hpp"
#include "render/PlayDrawing.hpp"
#include "rules/Steps.hpp"
#include "world/LevelLoader.hpp"
#include "world/PlayState.hpp"

#include <SFML/Window/Event.hpp>
#include <cstdint>
#include <memory>

struct DrawingCache;
class GameWindow;

// One played game, from the loading screen to the recorded score.
//
// The play state is plain data that the gameplay steps (rules/) change and the drawing (render/)
// only reads; the Game runs them. run() plays the whole game; tests and the benchmark use the
// pieces on their own: load a level, set the frame time on the window, update, draw.
class Game : public PlayState {
  public:
    explicit Game(GameWindow& window);                  // chance seeded from the clock
    Game(GameWindow& window, std::uint32_t randomSeed); // replayable
    ~Game();

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

    // --- The level loader, the update steps and the drawing, on this game's state ---
    static constexpr std::size_t maxLevelFileBytes = world::maxLevelFileBytes;
    void loadLevel(std::size_t byteBudget = maxLevelFileBytes) {
        world::loadLevel(*this, byteBudget);
    }

    void update() { rules::update(*this); }
    void advanceCounters() { rules::advanceCounters(*this); }
    void controlPlayer(const HeldInput& input) { rules::controlPlayer(*this, input); }
    void updatePlayer() { rules::updatePlayer(*this); }
    void updateExplosions() { rules::updateExplosions(*this); }
    void updateShots() { rules::updateShots(*this); }
    void updateTracks() { rules::updateTracks(*this); }
    void updateTowers() { rules::updateTowers(*this); }
    void updateSoldiers() { rules::updateSoldiers(*this); }
    void updateBlocks() { rules::updateBlocks(*this); }
    void pulseItems() { rules::pulseItems(*this); }
    void updatePopups() { rules::updatePopups(*this); }
    void checkLevelDone() { rules::checkLevelDone(*this); }
    bool isBlocked(const Soldier& soldier) const { return rules::isBlocked(*this, soldier); }
    void fire(Soldier& shooter) { rules::fire(*this, shooter); }
    void fire(Tower& shooter) { rules::fire(*this, shooter); }
    void destroyBonus(Point centre) { rules::destroyBonus(*this, centre); }

    void drawFrame() { render::drawFrame(*this, drawing); }
    void drawWorld() { render::drawWorld(*this, drawing); }
    void drawHud() { render::drawHud(*this, drawing); }
    void drawPauseOverlay() { render::drawPauseOverlay(*this); }
    // Gets drawing ready for the asset store's pictures (drawFrame does it on first use); call
    // it again after changing a picture of the store.
    void prepareDrawing() { render::prepareDrawing(*this, drawing); }

    // What drawing keeps between frames (not game state).
    std::unique_ptr<DrawingCache> drawing;
};
