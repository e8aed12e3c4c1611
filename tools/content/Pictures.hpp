#pragma once

#include "tools/content/Raster.hpp"

#include <string>
#include <vector>

// One generated picture: its path below the content folder and its pixels. Pictures saved as
// JPEG are flattened (no transparency).
struct Picture {
    std::string path;
    Canvas canvas;
    bool opaque = false;
};

// Each painter adds its pictures to the list, in a fixed order.
void paintScenes(std::vector<Picture>& out);   // title, panels, mission map
void paintTextures(std::vector<Picture>& out); // ground, road, camouflage, frame, door, block
void paintSymbols(std::vector<Picture>& out);  // emblems, HUD icons, crosshair
void paintFigures(std::vector<Picture>& out);  // soldiers, tanks, tower
void paintEffects(std::vector<Picture>& out);  // explosion frames

std::vector<Picture> paintAllPictures();

// Helpers shared by the painters.
namespace paint {
// A soft drop shadow of a figure, offset down and right, laid under the figure itself.
void withShadow(Canvas& canvas, const Canvas& figure, int dx, int dy, float blur, float opacity);
// Scratches, speckles and dirt over a metal surface.
void weather(Canvas& c, std::uint32_t seed, float amount);
// A round rivet head with its shadow.
void rivet(Canvas& c, Vec2 at, float r, Rgba metal);
// Text in the small bitmap font, cell scale s (pixels per font pixel).
void bitmapText(Canvas& c, const std::string& text, float x, float y, float s, Rgba colour);
float bitmapTextWidth(const std::string& text, float s);
} // namespace paint
