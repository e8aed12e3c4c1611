#include "rules/RulesCommon.hpp"
#include "rules/Steps.hpp"

void rules::updateExplosions(PlayState& game) {
    for (Explosion& explosion : game.explosions)
        explosion.advance();
    // All explosions past their last picture go at once.
    std::erase_if(game.explosions, [](const Explosion& e) { return e.frame >= 20; });
}

void rules::updatePopups(PlayState& game) {
    const float dt = game.frameTime();
    for (auto& popup : game.popups)
        popup->ageStep(dt);
    const auto done = std::find_if(game.popups.begin(), game.popups.end(),
                                   [](const auto& popup) { return popup->finished(); });
    if (done != game.popups.end())
        game.popups.erase(done);
}
