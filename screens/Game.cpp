#include "screens/Game.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"
#include "render/DrawingCache.hpp"
#include "screens/HighscoreTable.hpp"
#include "screens/LoadingWindow.hpp"
#include "screens/PlayerName.hpp"

namespace {
// Transitions and the loop advance the game's time by the frame just shown, so every timer of
// the world sees the same seconds as the window.
void showFrame(Game& game) {
    game.gameClock.advance(game.frameTime());
    game.drawFrame();
}

// Integer transition values move by whole pixels: the fraction of each step is dropped.
int stepped(int value, float perSecond, float dt) {
    return static_cast<int>(static_cast<float>(value) + perSecond * dt);
}
} // namespace

Game::Game(GameWindow& window) : Game(window, seedFromClock()) {}

Game::Game(GameWindow& window, std::uint32_t randomSeed) : PlayState(window, randomSeed) {}

Game::~Game() = default;

void Game::run() {
    {
        LoadingWindow loading(window);
        loading.launch();
        loadResources();
        sf::sleep(sf::seconds(2.f));
        loading.stop();
    } // the loading screen's thread has ended here; only now may this thread draw
    playOpening();
    playLoop();
    playClosing();
    teardown();
    recordScore();
}

void Game::loadResources() {
    curtainX = 0;
    curtainY = 0;
    fade = 255.f;
    points = 0;
    shownPoints = 0;
    running = true;
    paused = false;
    aborted = false;
    // The pad's A that accepted the name is read as let go only after the opening: until then
    // it must not count as held, or it would fire.
    window.pad().releaseButtons();

    assets = std::make_unique<AssetStore>();
    assets->loadAll();
    sounds = std::make_unique<SoundBoard>(random);
    font.loadOrDefault(content::displayFont);
    text.setFont(font);
    text.setCharacterSize(30);
    loadDefaultFont(builtinFont);
    text2.setFont(builtinFont);
    text2.setCharacterSize(30);

    startLevelOne();
}

void Game::startLevelOne() {
    mapArea = Box(layout::fieldLeft, layout::fieldTop, layout::fieldWidth, layout::fieldHeight);
    level = 1;
    levelProgress.fill(0);
    loadLevel();
}

void Game::playOpening() {
    while (fade > 0.f) {
        showFrame(*this);
        fade -= 100.f * frameTime();
    }
    fade = 0.f;
    while (curtainX < layout::curtainOpenX) {
        showFrame(*this);
        curtainX = stepped(curtainX, 300.f, frameTime());
    }
    curtainX = layout::curtainOpenX;
    while (curtainY < layout::curtainOpenY) {
        showFrame(*this);
        curtainY = stepped(curtainY, 300.f, frameTime());
    }
    curtainY = layout::curtainOpenY;
}

void Game::playLoop() {
    clock.restart();
    // The frame that clears `running` is still updated and drawn.
    while (running)
        frame();
}

void Game::frame() {
    gameClock.advance(frameTime());
    handleInput();
    if (!paused)
        update();
    drawFrame();
}

void Game::playClosing() {
    while (curtainY > 0) {
        showFrame(*this);
        curtainY = stepped(curtainY, -300.f, frameTime());
    }
    curtainY = 0;
    while (curtainX > 0) {
        showFrame(*this);
        curtainX = stepped(curtainX, -300.f, frameTime());
    }
    curtainX = 0;
    while (fade < 255.f) {
        showFrame(*this);
        fade += 100.f * frameTime();
    }
    fade = 255.f;
}

void Game::teardown() {
    // Everything that shows a picture, a font or plays a sound goes before what it points at.
    player.reset();
    soldiers.clear();
    popups.clear();
    shots.clear();
    towers.clear();
    explosions.clear();
    tracks.clear();
    blocks.clear();
    items.clear();
    sounds.reset();
    drawing.reset();
    assets.reset();
}

void Game::recordScore() {
    if (aborted)
        return;
    const std::string name = readPlayerName();
    HighscoreTable table;
    table.add(name, points, static_cast<int>(clock.elapsed()));
}

void Game::handleInput() {
    if (!paused && player)
        controlPlayer(HeldInput::read(window));
    sf::Event event;
    while (window.pollEvent(event))
        handleEvent(event);
}

void Game::handleEvent(const sf::Event& received) {
    const sf::Event event = padAsKey(
        received, {{PadButton::Start, sf::Keyboard::P}, {PadButton::Back, sf::Keyboard::Escape}});
    if (event.type == sf::Event::KeyPressed) {
        if (event.key.code == sf::Keyboard::P) {
            paused = !paused;
        } else if (event.key.code == sf::Keyboard::Escape) {
            running = false;
            aborted = true;
        }
    } else if (event.type == sf::Event::MouseMoved) {
        mouse = Point(event.mouseMove.x, event.mouseMove.y);
    } else if (event.type == sf::Event::JoystickDisconnected && window.pad().lastChange().lost) {
        paused = true;
    } else if (event.type == sf::Event::LostFocus) {
        paused = true; // the player looked away; only P goes on
    }
}
