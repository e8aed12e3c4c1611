#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"
#include "render/DrawingCache.hpp"
#include "render/Layout.hpp"
#include "render/Painter.hpp"
#include "render/PlayDrawing.hpp"
#include "world/LevelTables.hpp"
#include "world/PlayState.hpp"

#include <algorithm>

namespace {

using V = sf::Vector2f;

V at(int x, int y) {
    return {static_cast<float>(x), static_cast<float>(y)};
}

bool onScreenX(float left, float right) {
    return right > 0.f && left < layout::width;
}

void setText(sf::Text& label, const std::string& bytes, unsigned size) {
    label.setString(fromCp1252(bytes));
    label.setCharacterSize(size);
}

void setText(sf::Text& label, const std::string& bytes, unsigned size, float scale) {
    setText(label, bytes, size);
    label.setScale(scale, scale);
}

// The screens of both panels: black under translucent green (0, 255, 0, 100), which is this
// opaque colour, so one layer instead of two.
const sf::Color panelScreen(0, 100, 0);

void drawPanelScreens(Batch& shapes) {
    const int W = layout::width, H = layout::height;
    shapes.rect(at(0, 0), at(layout::leftPanelRight, H), panelScreen, 5.f, sf::Color::Green);
    shapes.rect(at(layout::rightPanelLeft, 0), at(W, H), panelScreen, 5.f, sf::Color::Green);
}

void drawScanLines(const PlayState& game, Batch& shapes) {
    const int W = layout::width, H = layout::height;
    const int rightLeft = layout::rightPanelLeft;
    const sf::Color green = sf::Color::Green;
    const int spans[2][2] = {{0, layout::leftPanelRight}, {rightLeft, W}};
    // The faint trail lies above the bright line, strongest nine pixels away.
    for (int i = 0; i < 10; ++i) {
        const sf::Color trail(0, 255, 0, static_cast<sf::Uint8>(12 * i));
        for (const auto& span : spans)
            shapes.line(at(span[0], game.scanY - i), at(span[1], game.scanY - i), 1.f, trail);
    }
    for (const auto& span : spans)
        shapes.line(at(span[0], game.scanY), at(span[1], game.scanY), 1.f, green);

    for (int i = 0; i < 10; ++i) {
        const sf::Color trail(0, 255, 0, static_cast<sf::Uint8>(12 * i));
        shapes.line(at(game.scanX - i, 0), at(game.scanX - i, H), 1.f, trail);
        shapes.line(at(game.scanX + rightLeft - i, 0), at(game.scanX + rightLeft - i, H), 1.f,
                    trail);
    }
    shapes.line(at(game.scanX, 0), at(game.scanX, H), 1.f, green);
    shapes.line(at(game.scanX + rightLeft, 0), at(game.scanX + rightLeft, H), 1.f, green);
}

void drawPanelGrids(Batch& shapes) {
    const int W = layout::width, H = layout::height;
    const int rightLeft = layout::rightPanelLeft;
    const sf::Color grid(0, 255, 0, 100);
    const int across = std::max(1, W / 80), down = std::max(1, H / 40);
    for (int x = 0; x < layout::leftPanelRight; x += across) {
        shapes.line(at(x, 0), at(x, H), 1.f, grid);
        shapes.line(at(x + rightLeft, 0), at(x + rightLeft, H), 1.f, grid);
    }
    for (int y = 0; y < H; y += down) {
        shapes.line(at(0, y), at(layout::leftPanelRight, y), 1.f, grid);
        shapes.line(at(rightLeft, y), at(W, y), 1.f, grid);
    }
}

// What the HUD's drawing knows of the still picture under it.
struct HudPass {
    bool still = false;      // the panels' screens and grids are in place
    bool borderDone = false; // so is the frame border, as long as nothing reaches under it
    sf::IntRect inside;      // inside the frame border
};

// Shapes that must not reach under a frame border already in place are drawn clipped to the
// inside; where the border lies they would have been covered anyway.
template <typename Draw>
void insideBorder(PlayState& game, Painter& painter, const HudPass& pass, Draw draw) {
    if (!pass.borderDone) {
        draw();
        return;
    }
    painter.flush();
    const WindowClip clip(game.window, pass.inside);
    draw();
    painter.flush();
}

void drawPanels(PlayState& game, Painter& painter, const HudPass& pass) {
    if (pass.still) {
        // The rest is in the still picture the world's drawing laid down. The scan lines go
        // over the grid there rather than under it, which gives the same colours, both being
        // green.
        insideBorder(game, painter, pass, [&] { drawScanLines(game, painter.shapes()); });
        return;
    }
    Batch& shapes = painter.shapes();
    drawPanelScreens(shapes);
    drawScanLines(game, shapes);
    drawPanelGrids(shapes);
}

// A text or icon of the HUD reaching under a frame border already in place means that the
// border must be drawn again over it.
void keepClearOfBorder(HudPass& pass, const sf::FloatRect& bounds) {
    const sf::FloatRect inside(pass.inside);
    if (bounds.left < inside.left || bounds.top < inside.top ||
        bounds.left + bounds.width > inside.left + inside.width ||
        bounds.top + bounds.height > inside.top + inside.height)
        pass.borderDone = false;
}

void drawHudText(Painter& painter, HudPass& pass, const sf::Text& text) {
    painter.draw(text);
    keepClearOfBorder(pass, text.getGlobalBounds());
}

void drawHudTexts(PlayState& game, Painter& painter, HudPass& pass) {
    const int W = layout::width, H = layout::height;
    const float p = game.pulse;
    sf::Text& text = game.text;
    sf::Text& text2 = game.text2;
    text.setFillColor(sf::Color::White);
    text2.setFillColor(sf::Color::White);

    setText(text, "Level " + formatNumber(game.level), 50);
    text.setPosition(static_cast<float>(W / 8) - 0.5f * textWidth(text), 20.f);
    drawHudText(painter, pass, text);

    for (const HudRow& row : hudRows(game)) {
        setText(text2, row.text, 30, row.scale);
        text2.setPosition(25.f, row.y);
        drawHudText(painter, pass, text2);
        if (row.icon) {
            const sf::Vector2f at(static_cast<float>(layout::leftPanelRight - 50), row.y);
            painter.image(*row.icon, at, row.iconSize);
            keepClearOfBorder(pass, {at, row.iconSize});
        }
    }
    text2.setScale(1.f, 1.f);

    const float column = static_cast<float>(W - W / 8);
    const int step = H / 6;
    for (int k = 1; k <= 5; ++k) {
        setText(text, "Level " + formatNumber(k), 30);
        text.setPosition(column - 0.5f * textWidth(text), static_cast<float>(k * step));
        drawHudText(painter, pass, text);
        setText(text2, levelCounterText(k, game.levelProgress[static_cast<std::size_t>(k)]), 20,
                1.f + p / 30.f);
        text2.setPosition(column - 0.5f * textWidth(text2), static_cast<float>(k * step + 30));
        drawHudText(painter, pass, text2);
    }

    // Half a row below the current level's title, across the right panel.
    const int markerY = (game.level + 1) * step - 75;
    insideBorder(game, painter, pass, [&] {
        painter.shapes().line(at(layout::rightPanelLeft, markerY), at(W, markerY), 5.f,
                              sf::Color::White);
    });
}

void drawDoor(const PlayState& game, Painter& painter) {
    const float W = static_cast<float>(layout::width);
    const float half = static_cast<float>(layout::height / 2);
    const float open = static_cast<float>(game.curtainY);
    // Tiles pushed wholly off the screen are skipped, so an open door costs nothing.
    painter.tile(pictures(game).door, 0.f, 0.f, W, half, 0.f, -open);
    painter.tile(pictures(game).door, 0.f, 0.f, W, half, 0.f, half + open);
}

void drawCurtain(PlayState& game, Painter& painter) {
    const int W = layout::width, H = layout::height;
    const int rightEdge = W / 2 + game.curtainX;
    const int leftEdge = W / 2 - game.curtainX;

    painter.tile(pictures(game).armee, static_cast<float>(rightEdge), 0.f, static_cast<float>(W),
                 static_cast<float>(H));
    if (onScreenX(static_cast<float>(-game.curtainX), static_cast<float>(-game.curtainX + W / 2)))
        painter.image(pictures(game).metall, at(-game.curtainX, 0), at(W / 2, H));
    for (const int x : {rightEdge, leftEdge}) {
        if (onScreenX(static_cast<float>(x) - 5.f, static_cast<float>(x) + 5.f))
            painter.shapes().line(at(x, 0), at(x, H), 10.f, sf::Color::White);
    }

    sf::Text& text = game.text;
    setText(text, "Vel", 50);
    const float velRight = static_cast<float>(leftEdge - 20);
    if (onScreenX(velRight - textWidth(text), velRight)) {
        text.setFillColor(sf::Color::Red);
        text.setPosition(velRight - textWidth(text), static_cast<float>(H / 2 - 60));
        painter.draw(text);
    }
    setText(text, "March", 50);
    const float marchLeft = static_cast<float>(rightEdge + 20);
    if (onScreenX(marchLeft, marchLeft + textWidth(text))) {
        text.setFillColor(sf::Color::White);
        text.setPosition(marchLeft, static_cast<float>(H / 2));
        painter.draw(text);
    }
}

void drawFadeLayer(const PlayState& game, Painter& painter) {
    const auto alpha = static_cast<sf::Uint8>(static_cast<int>(game.fade) & 0xFF);
    painter.shapes().rect(at(0, 0), at(layout::width, layout::height), sf::Color(0, 0, 0, alpha));
}

} // namespace

sf::IntRect insideFrameBorder() {
    return {frameBorderWidth, frameBorderWidth, layout::width - 2 * frameBorderWidth,
            layout::height - 2 * frameBorderWidth};
}

void drawFrameBorder(const PlayState& game, Painter& painter) {
    const int W = layout::width, H = layout::height;
    const sf::Texture& lines = pictures(game).frameLines;
    const int b = frameBorderWidth;
    const sf::Vector2f tile(static_cast<float>(b), static_cast<float>(b));
    for (int x = 0; x < W; x += b) {
        painter.image(lines, at(x, 0), tile);
        painter.image(lines, at(x, H - b), tile);
    }
    for (int y = 0; y < H; y += b) {
        painter.image(lines, at(0, y), tile);
        painter.image(lines, at(W - b, y), tile);
    }
    const sf::Texture& corners = pictures(game).frameCorners;
    for (const V corner : {at(0, 0), at(W - 50, 0), at(W - 50, H - 50), at(0, H - 50)})
        painter.image(corners, corner, {50.f, 50.f});
}

void drawPanelBase(Batch& shapes) {
    drawPanelScreens(shapes);
    drawPanelGrids(shapes);
}

std::string levelCounterText(int level, int progress) {
    return formatNumber(progress) + "/" + formatNumber(levels::crossingsToWin(level));
}

std::vector<HudRow> hudRows(const PlayState& game) {
    const AssetStore& a = pictures(game);
    const float p = game.pulse;
    const int seconds = static_cast<int>(game.clock.elapsed());
    std::vector<HudRow> rows = {
        {100.f,
         "Zeit : " + formatNumber(seconds) + " s",
         1.f,
         &a.timeSymbol,
         {20.f + 4.f * p, 30.f + 4.f * p}},
        {150.f,
         "Punkte : " + formatNumber(game.shownPoints) + " XP",
         1.f,
         &a.pointsSymbol,
         {50.f - 4.f * p, 75.f - 4.f * p}},
    };
    if (!game.player)
        return rows;
    const Soldier& s = *game.player;
    rows.push_back({200.f,
                    "Leben : " + formatNumber(s.life) + " LP",
                    1.f,
                    &a.lifeSymbol,
                    {50.f + 4.f * p, 75.f + 4.f * p}});
    rows.push_back({250.f,
                    "Munnition : " + formatNumber(s.ammo) + " PE",
                    1.f,
                    &a.munnitionSymbol,
                    {40.f - 4.f * p, 60.f - 4.f * p}});
    rows.push_back(
        {550.f, "Schaden : " + formatNumber(s.damage) + " (sc/ss)", 1.f + p / 30.f, nullptr, {}});
    rows.push_back({600.f,
                    "Schuss    : " + formatNumber(1.0 / s.fireRate) + " (ss/s)",
                    1.f - p / 30.f,
                    nullptr,
                    {}});
    rows.push_back({650.f,
                    "Drehen    : " + formatNumber(20.0 * s.turnRate) + " (\xB0/s)",
                    1.f + p / 30.f,
                    nullptr,
                    {}});
    rows.push_back({700.f,
                    "Bewegen : " + formatNumber(50.0 * s.moveRate) + " (P/s)",
                    1.f - p / 30.f,
                    nullptr,
                    {}});
    return rows;
}

void render::drawHud(PlayState& game, std::unique_ptr<DrawingCache>& drawing) {
    if (!drawing || drawing->madeFor != game.assets.get())
        prepareDrawing(game, drawing);
    Painter painter(game.window, &drawing->atlas);
    HudPass pass;
    pass.still = drawing->layerCaches && drawsThroughCache(game.window);
    pass.borderDone = pass.still && drawing->borderInStill;
    pass.inside = insideFrameBorder();
    drawPanels(game, painter, pass);
    drawHudTexts(game, painter, pass);
    if (!pass.borderDone)
        drawFrameBorder(game, painter);
    drawDoor(game, painter);
    drawCurtain(game, painter);
    drawFadeLayer(game, painter);
}

void render::drawPauseOverlay(PlayState& game) {
    const int W = layout::width, H = layout::height;
    game.window.setScreenView();
    game.window.target().clear(sf::Color::Black);

    setText(game.text, "- Spiel Pausiert -", 50);
    game.text.setFillColor(sf::Color::White);
    game.text.setPosition(static_cast<float>(W / 2) - 0.5f * textWidth(game.text),
                          static_cast<float>(H / 2 - 50));
    game.window.draw(game.text);

    // The second line keeps the scale the HUD last gave it, frozen while paused.
    game.text2.setString(fromCp1252("Zum Fortsetzen 'P' dr\xFC"
                                    "cken"));
    game.text2.setCharacterSize(40);
    game.text2.setFillColor(sf::Color::White);
    game.text2.setPosition(static_cast<float>(W / 2) - 0.5f * textWidth(game.text2),
                           static_cast<float>(H / 2 + 50));
    game.window.draw(game.text2);
}
