#include "platform/GameWindow.hpp"
#include "screens/HighscoresScreen.hpp"
#include "screens/NameEntryScreen.hpp"
#include "screens/TextPages.hpp"
#include "tools/bench/Bench.hpp"

#include <string>

// Each page with all of its text shown, and the name entry with a name typed, as the player
// looks at them. The highscores come from the game folder's own list.
void benchPages(GameWindow& window, int frames) {
    window.setFixedFrameTime(0.1f); // through the fades quickly
    {
        StoryScreen story(window);
        story.showAll();
        printCosts("story", timeFrames(window, frames, [&] { story.draw(); }));
    }
    {
        HowToPlayScreen help(window);
        help.showAll();
        printCosts("howtoplay", timeFrames(window, frames, [&] { help.draw(); }));
    }
    {
        CreditsScreen credits(window);
        credits.showAll();
        printCosts("credits", timeFrames(window, frames, [&] { credits.draw(); }));
    }
    {
        HighscoresScreen scores(window);
        scores.showAll();
        printCosts("highscores", timeFrames(window, frames, [&] { scores.draw(); }));
    }
    {
        bool accepted = false;
        NameEntryScreen entry(window, &accepted);
        sf::Event typed;
        typed.type = sf::Event::TextEntered;
        for (char c : std::string("Oberst Bruckmann 7")) {
            typed.text.unicode = static_cast<unsigned char>(c);
            entry.handleEvent(typed);
        }
        entry.fadeIn();
        printCosts("nameentry", timeFrames(window, frames, [&] { entry.draw(); }));
    }
    window.setFixedFrameTime(std::nullopt);
}
