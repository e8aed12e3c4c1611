#pragma once

#include <memory>

struct DrawingCache;
struct PlayState;

// Drawing a play state. It never changes the state, only the two texts it lays out; what it keeps
// between frames is in the cache, made on first use and again whenever the asset store changed.
namespace render {

// Makes the cache anew for the state's pictures; call it again after changing a picture.
void prepareDrawing(const PlayState& game, std::unique_ptr<DrawingCache>& drawing);
// The world and the HUD, or the pause overlay while paused; then the frame is shown.
void drawFrame(PlayState& game, std::unique_ptr<DrawingCache>& drawing);
void drawWorld(const PlayState& game, std::unique_ptr<DrawingCache>& drawing);
void drawHud(PlayState& game, std::unique_ptr<DrawingCache>& drawing);
void drawPauseOverlay(PlayState& game);

} // namespace render
