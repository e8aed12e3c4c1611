#include "rules/RulesCommon.hpp"

void Game::updateExplosions() {
    for (Explosion& explosion : explosions)
        explosion.advance();
    // All explosions past their last picture go at once.
    std::erase_if(explosions, [](const Explosion& e) { return e.frame >= 20; });
}

void Game::updatePopups() {
    const float dt = frameTime();
    for (auto& popup : popups)
        popup->ageStep(dt);
    const auto done = std::find_if(popups.begin(), popups.end(),
                                   [](const auto& popup) { return popup->finished(); });
    if (done != popups.end())
        popups.erase(done);
}
