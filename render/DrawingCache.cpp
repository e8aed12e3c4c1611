#include "render/DrawingCache.hpp"

#include "platform/GameWindow.hpp"

sf::RenderTarget& LayerCache::start(const std::vector<int>& key, sf::Color background) {
    if (!texture_) {
        texture_ = std::make_unique<sf::RenderTexture>();
        texture_->create(GameWindow::width, GameWindow::height);
    }
    key_ = key;
    texture_->setView(texture_->getDefaultView());
    texture_->clear(background);
    return *texture_;
}

void LayerCache::finish() {
    texture_->display();
}

sf::Sprite LayerCache::part(const sf::IntRect& region) const {
    sf::Sprite sprite(texture_->getTexture(), region);
    sprite.setPosition(static_cast<float>(region.left), static_cast<float>(region.top));
    return sprite;
}
