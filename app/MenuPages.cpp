#include "app/MenuPages.hpp"

#include "platform/GameWindow.hpp"

// A screen is wired with one line, for example
//     pages.story = [](GameWindow& window) { StoryScreen(window).run(); };
MenuPages menuPages() {
    MenuPages pages;
    return pages;
}
