#pragma once

// Where everything sits on the 1440 x 900 screen the game is laid out for (a screen of another
// size shows it scaled). Window pixels.
namespace layout {

constexpr int width = 1440;
constexpr int height = 900;

// The game's two HUD panels: the left one ends at a quarter of the width, the right one begins
// 50 pixels further right than its mirror image would.
constexpr int leftPanelRight = width / 4;
constexpr int rightPanelLeft = width + 50 - width / 4;

// The playing field: its own coordinates are window pixels, drawn through the world's view.
constexpr int fieldLeft = 25;
constexpr int fieldTop = 0;
constexpr int fieldWidth = width / 2;
constexpr int fieldHeight = height;

// The metal frame along the window's edges.
constexpr int frameBorder = 25;

// The game's opening curtain and door, fully open.
constexpr int curtainOpenX = width / 2 + 50;
constexpr int curtainOpenY = height / 2 + 50;

} // namespace layout
