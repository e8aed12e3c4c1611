#pragma once

#include "platform/ScreenLayout.hpp"

#include <SFML/Graphics.hpp>
#include <string>
#include <vector>

class AssetStore;
class Batch;
struct PlayState;
class GameWindow;
class Painter;

// The game's pictures, or an empty set once they are gone (empty pictures draw nothing).
const AssetStore& pictures(const PlayState& game);

// The view the world is drawn through: the field with a margin, scaled non-uniformly to fill the
// window (1540 x 1000 world units on 1440 x 900 pixels).
sf::View worldView();

// Whether unchanging layers are drawn once and copied: only where a copy is pixel for pixel
// the same (an unscaled 1440 x 900 window) and the graphics library can copy and clip.
bool drawsThroughCache(GameWindow& window);

// The HUD panels' screens, outlines and grids: all of the panels but the moving scan lines.
void drawPanelBase(Batch& shapes);
// The metal frame along the window's edges, 25 pixels wide.
void drawFrameBorder(const PlayState& game, Painter& painter);
constexpr int frameBorderWidth = layout::frameBorder;
// Window pixels inside the frame border.
sf::IntRect insideFrameBorder();

// One row of the left HUD panel: its text (Windows-1252 bytes), the text's scale and the icon
// beside it, if any.
struct HudRow {
    float y = 0.f;
    std::string text;
    float scale = 1.f;
    const sf::Texture* icon = nullptr;
    sf::Vector2f iconSize;
};

// The rows for the game's present state, top to bottom. Without a player only the time and the
// points are shown.
std::vector<HudRow> hudRows(const PlayState& game);

// A level's counter in the right panel: crossings done and needed ("3/5", "0/10").
std::string levelCounterText(int level, int progress);
