#pragma once

#include <functional>

class GameWindow;

// What the menu's keys open. Each runs its screen to the end on the shared window and returns;
// a page left empty makes its key do nothing.
struct MenuPages {
    std::function<bool(GameWindow&)> nameEntry; // true when the player accepted a name
    std::function<void(GameWindow&)> game;
    std::function<void(GameWindow&)> story;
    std::function<void(GameWindow&)> howToPlay;
    std::function<void(GameWindow&)> credits;
    std::function<void(GameWindow&)> highscores;
};

// The program's screens, one line each.
MenuPages menuPages();
