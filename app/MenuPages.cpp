#include "app/MenuPages.hpp"

#include "platform/GameWindow.hpp"
#include "screens/Game.hpp"
#include "screens/HighscoresScreen.hpp"
#include "screens/NameEntryScreen.hpp"
#include "screens/TextPages.hpp"

MenuPages menuPages() {
    MenuPages pages;
    pages.nameEntry = [](GameWindow& window) {
        bool accepted = false;
        NameEntryScreen(window, &accepted).run();
        return accepted;
    };
    pages.game = [](GameWindow& window) { Game(window).run(); };
    pages.story = [](GameWindow& window) { StoryScreen(window).run(); };
    pages.howToPlay = [](GameWindow& window) { HowToPlayScreen(window).run(); };
    pages.credits = [](GameWindow& window) { CreditsScreen(window).run(); };
    pages.highscores = [](GameWindow& window) { HighscoresScreen(window).run(); };
    return pages;
}
