#include "screens/Game.hpp"
#include "tests/fuzz/ReaderChecks.hpp"

#include <iostream>
#include <sstream>

namespace {

// What a load left: the echo and every object with its place, in container order.
std::string loadedLevel(Game& game, const std::string& file, std::size_t budget) {
    writeCheckedFile("sources/Levels/Level_" + std::to_string(game.level) + ".txt", file);
    std::ostringstream out;
    std::streambuf* const old = std::cout.rdbuf(out.rdbuf());
    game.loadLevel(budget);
    std::cout.rdbuf(old);
    out << "|player " << game.player->centre().x << ',' << game.player->centre().y;
    for (const Tower& tower : game.towers)
        out << "|tower " << tower.centre().x << ',' << tower.centre().y;
    for (const Track& track : game.tracks)
        out << "|track " << track.movesRight << ' ' << track.origin.y;
    for (const Block& block : game.blocks)
        out << "|block " << block.box.left << ',' << block.box.top;
    for (const Item& item : game.items)
        out << "|item " << item.kind << ' ' << item.box.left << ',' << item.box.top;
    for (const auto& soldier : game.soldiers)
        out << "|soldier " << soldier->position.x << ',' << soldier->position.y;
    return out.str();
}

} // namespace

std::string checkLevelFile(Game& game, const std::string& input) {
    if (input.size() < 3)
        return "";
    game.level = static_cast<unsigned char>(input[0]) % 7;
    const std::size_t budget =
        static_cast<unsigned char>(input[1]) | static_cast<unsigned char>(input[2]) << 8;
    const std::string file = input.substr(3);

    const std::string whole = loadedLevel(game, file, Game::maxLevelFileBytes);
    if (game.towers.size() > 10000 || game.tracks.size() > 10000 || game.blocks.size() > 10000 ||
        game.items.size() > 10000 || game.soldiers.size() > 1000)
        return "more objects than a level may make";
    if (game.player->centre() != game.startPoint())
        return "the player is not at the start";
    if (budget >= file.size())
        return "";
    const std::string budgeted = loadedLevel(game, file, budget);
    const std::string cut = loadedLevel(game, file.substr(0, budget), Game::maxLevelFileBytes);
    if (budgeted != cut)
        return "a budget of " + std::to_string(budget) + " bytes reads\n" + printable(budgeted) +
               "\nbut the file cut there reads\n" + printable(cut);
    return "";
}
