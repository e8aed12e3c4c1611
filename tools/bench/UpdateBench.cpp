#include "tools/bench/UpdateBench.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"
#include "screens/Game.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double budgetMillis = 0.5;
constexpr int warmUpFrames = 90;
constexpr std::size_t minimumObjects = 30;

// Eight lanes, towers and soldiers along the upper half, blocks and items in between.
std::string denseLevel() {
    std::string text;
    const auto add = [&text](const std::string& keyword,
                             std::initializer_list<std::string> values) {
        text += keyword + "\n";
        for (const std::string& v : values)
            text += v + "\n";
    };
    for (int lane = 0; lane < 8; ++lane)
        add("track", {lane % 2 == 0 ? "true" : "false", std::to_string(480 + lane * 50)});
    for (int i = 0; i < 8; ++i)
        add("tower", {std::to_string(40 + i * 90), std::to_string(60 + (i % 2) * 260)});
    for (int i = 0; i < 12; ++i)
        add("soldier", {std::to_string(30 + i * 60), std::to_string(120 + (i % 3) * 90)});
    for (int i = 0; i < 10; ++i)
        add("block", {std::to_string(20 + i * 70), std::to_string(i % 2 == 0 ? 400 : 20)});
    for (int i = 0; i < 8; ++i)
        add("item", {std::to_string(1 + i % 3), std::to_string(60 + i * 80), "440"});
    return text;
}

std::size_t objectCount(const Game& game) {
    return game.towers.size() + game.tracks.size() + game.blocks.size() + game.items.size() +
           game.soldiers.size();
}

// A working directory that shows the real pictures and sounds beside the dense level.
struct StandInContent {
    StandInContent() : previous(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "velmarch-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no scratch folder for the update benchmark");
        root = pattern;
        fs::create_directories(root / "sources/Levels");
        for (const char* shared : {"Images", "Sounds", "Fonts"})
            if (fs::exists(previous / "sources" / shared))
                fs::create_directory_symlink(previous / "sources" / shared,
                                             root / "sources" / shared);
        std::ofstream(root / content::levelFile("5")) << denseLevel();
        fs::current_path(root);
    }
    ~StandInContent() {
        fs::current_path(previous);
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path previous;
    fs::path root;
};

// Fires all the time, sweeps the aim and walks sideways below the top line, so the fight goes on
// without a crossing reloading the level.
HeldInput scriptedInput(int frame) {
    HeldInput input;
    input.space = true;
    input.leftButton = true;
    input.left = (frame / 60) % 2 == 0;
    input.right = !input.left;
    return input;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[index];
}

void prepare(Game& game) {
    game.assets = std::make_unique<AssetStore>();
    game.assets->loadAll();
    game.sounds = std::make_unique<SoundBoard>(game.random);
    loadDefaultFont(game.builtinFont);
    game.mapArea =
        Box(layout::fieldLeft, layout::fieldTop, layout::fieldWidth, layout::fieldHeight);
    game.level = 5;
    game.running = true;
}

} // namespace

int benchUpdate(int frames) {
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.f / 30.f);
    Game game(window, 1234u);
    prepare(game);

    std::unique_ptr<StandInContent> standIn;
    const auto quiet = std::cout.rdbuf(nullptr); // the loader's echo
    game.loadLevel();
    std::string levelName = content::levelFile("5");
    if (objectCount(game) < minimumObjects) {
        standIn = std::make_unique<StandInContent>();
        game.loadLevel();
        levelName = "built-in dense level (Level_5.txt is sparse)";
    }
    std::cout.rdbuf(quiet);

    std::vector<double> millis;
    double shots = 0, explosions = 0, tanks = 0;
    for (int frame = 0; frame < warmUpFrames + frames; ++frame) {
        // Keep everyone standing in the fight; the figures are about cost, not about winning.
        for (auto& soldier : game.soldiers)
            soldier->life = 100;
        for (Tower& tower : game.towers)
            tower.life = 100;
        for (Block& block : game.blocks)
            block.life = 100;
        game.player->life = 100;
        game.player->ammo = 100;
        // Near the top every enemy soldier fires at any distance.
        if (game.player->centre().y > 290) // thrown back by a tank
            game.player->setPosition(385, 280);
        game.mouse = Point(385 + (frame * 7) % 300 - 150, 100 + (frame * 3) % 400);
        game.gameClock.advance(window.frameTime());
        game.controlPlayer(scriptedInput(frame));

        const auto start = Clock::now();
        game.update();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

        if (frame >= warmUpFrames) {
            millis.push_back(ms);
            shots += static_cast<double>(game.shots.size());
            explosions += static_cast<double>(game.explosions.size());
            for (const Track& track : game.tracks)
                tanks += static_cast<double>(track.tanks.size());
        }
        game.running = true;
    }

    const double n = static_cast<double>(frames);
    const double median = percentile(millis, 0.5);
    std::printf("update: %s\n", levelName.c_str());
    std::printf("update: %d frames; on average %.1f shots, %.1f explosions, %.1f tanks, %zu "
                "soldiers, %zu towers\n",
                frames, shots / n, explosions / n, tanks / n, game.soldiers.size(),
                game.towers.size());
    std::printf("update: median %.3f ms, p95 %.3f ms, max %.3f ms (budget %.1f ms median)\n",
                median, percentile(millis, 0.95), percentile(millis, 1.0), budgetMillis);
    return median <= budgetMillis ? 0 : 1;
}
