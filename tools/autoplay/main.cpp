// velmarch-autoplay [--level N]... [--seeds LIST] [--minutes M] [--game] [--human] [--shots DIR]
// Plays levels (or whole games) through the real game rules and prints one line per run and a
// summary per level. LIST is like 1-10 or 3,5,8. --shots saves the screen 20 s into the first run
// of each level as DIR/level-N.png. Needs an X server (DISPLAY) for the pictures; run it from the
// game folder.
#include "platform/GameWindow.hpp"
#include "tools/autoplay/Run.hpp"

#include <SFML/System/Err.hpp>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::uint32_t> parseSeeds(const std::string& list) {
    std::vector<std::uint32_t> seeds;
    std::stringstream in(list);
    for (std::string part; std::getline(in, part, ',');) {
        const auto dash = part.find('-');
        const long first = std::atol(part.substr(0, dash).c_str());
        const long last =
            dash == std::string::npos ? first : std::atol(part.substr(dash + 1).c_str());
        for (long s = first; s <= last; ++s)
            seeds.push_back(static_cast<std::uint32_t>(s));
    }
    return seeds;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void summarise(const std::string& name, const std::vector<autoplay::RunStats>& runs) {
    int wins = 0, crossings = 0, deaths = 0, lifeLost = 0, tanks = 0, hits = 0;
    double seconds = 0;
    std::vector<double> winTimes;
    for (const auto& r : runs) {
        wins += r.won;
        crossings += r.crossings;
        deaths += r.deaths;
        lifeLost += r.lifeLost;
        tanks += r.tanksDestroyed;
        hits += r.tankHits;
        seconds += r.seconds;
        if (r.won)
            winTimes.push_back(r.seconds);
    }
    const double n = std::max<double>(1, static_cast<double>(runs.size()));
    std::printf("%s: won %d/%zu  median win %.0f s  deaths %d  crossings/min %.2f  life lost per "
                "crossing %.1f  tank hits per run %.1f  tanks destroyed per run %.1f\n",
                name.c_str(), wins, runs.size(), median(winTimes), deaths,
                crossings / std::max(1.0, seconds / 60),
                lifeLost / std::max(1.0, double(crossings)), hits / n, tanks / n);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> levels;
    std::vector<std::uint32_t> seeds = parseSeeds("1-10");
    double minutes = 10;
    bool game = false, human = false;
    std::string shots;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--level" && i + 1 < argc)
            levels.push_back(std::atoi(argv[++i]));
        else if (arg == "--seeds" && i + 1 < argc)
            seeds = parseSeeds(argv[++i]);
        else if (arg == "--minutes" && i + 1 < argc)
            minutes = std::atof(argv[++i]);
        else if (arg == "--game")
            game = true;
        else if (arg == "--human")
            human = true;
        else if (arg == "--shots" && i + 1 < argc)
            shots = argv[++i];
        else {
            std::fprintf(stderr,
                         "usage: %s [--level N]... [--seeds LIST] [--minutes M] [--game] "
                         "[--human] [--shots DIR]\n",
                         argv[0]);
            return 2;
        }
    }
    if (game)
        levels = {0};
    else if (levels.empty())
        levels = {1, 2, 3, 4, 5};
    // The content lies beside the program when it is not started from its folder.
    if (!std::filesystem::exists("sources"))
        std::filesystem::current_path(std::filesystem::canonical("/proc/self/exe").parent_path());
    sf::err().rdbuf(nullptr); // the last level's player has no picture of its own

    GameWindow window(GameWindow::Mode::Offscreen);
    bool allWon = true;
    for (int level : levels) {
        std::vector<autoplay::RunStats> runs;
        const std::string name = level == 0 ? "game" : "level " + std::to_string(level);
        for (std::uint32_t seed : seeds) {
            autoplay::RunOptions options;
            options.level = level;
            options.seed = seed;
            options.minutes = minutes;
            options.human = human;
            if (!shots.empty() && seed == seeds.front())
                options.shotFile =
                    shots + "/" +
                    (level == 0 ? std::string("game") : "level-" + std::to_string(level)) + ".png";
            runs.push_back(autoplay::playRun(window, options));
            allWon = allWon && runs.back().won;
            std::printf("%s seed %u: %s\n", name.c_str(), seed,
                        autoplay::describe(runs.back()).c_str());
            std::fflush(stdout);
        }
        summarise(name, runs);
    }
    return allWon ? 0 : 1;
}
