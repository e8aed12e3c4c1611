#include "ScreenTestSupport.hpp"
#include "screens/HighscoresScreen.hpp"
#include "screens/NameEntryScreen.hpp"
#include "screens/TextPages.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>

// Measures one frame of every page with full content, offscreen and without a frame limit, and
// prints the medians. It asserts nothing about time; the figures are for reading. When
// VELMARCH_SCREENSHOTS names a folder, each page's frame is saved there as a PNG.

namespace {

std::string sampleLine(int i, int length) {
    static const std::string words = "Die Panzer rollen im Morgengrauen \xFC"
                                     "ber die Br\xFC"
                                     "cke, 30\xB0 Nord; ";
    std::string line;
    for (int k = 0; static_cast<int>(line.size()) < length; ++k)
        line += words[static_cast<std::size_t>(i * 7 + k) % words.size()];
    return line;
}

void writeSampleContent() {
    writeSamplePictures(std::filesystem::current_path());
    std::string story, help, topics, names, scores = "20\n";
    for (int i = 0; i < 20; ++i)
        story += sampleLine(i, 60) + "\r\n";
    for (int i = 0; i < 27; ++i)
        help += sampleLine(i, 90) + "\r\n";
    for (int i = 0; i < 17; ++i) {
        topics += "Abteilung " + std::to_string(i) + "\r\n";
        names += "Mitarbeiter Nummer " + std::to_string(i) + "\r\n";
    }
    for (int i = 0; i < 20; ++i)
        scores += "Spieler " + std::to_string(i) + "\n" + std::to_string(20000 - i * 700) + "\n" +
                  std::to_string(300 + i * 17) + (i < 19 ? "\n" : "");
    writeBytes("sources/Text/Story/Story.txt", story);
    writeBytes("sources/Text/HowToPlay/How To Play.txt", help);
    writeBytes("sources/Text/Credits/Topics.txt", topics);
    writeBytes("sources/Text/Credits/Names.txt", names);
    writeBytes("sources/Data/Highscores.data", scores);
}

// Offscreen frames are only queued when display() returns; waiting for the renderer to finish
// each one is what a window's buffer swap does. The OpenGL library is already loaded by the
// window layer.
void finishRendering() {
    using Finish = void (*)();
    static const auto finish = reinterpret_cast<Finish>(dlsym(RTLD_DEFAULT, "glFinish"));
    if (finish)
        finish();
}

double medianFrameMs(GameWindow& window, const std::function<void()>& draw, const char* page) {
    for (int i = 0; i < 5; ++i)
        draw();
    finishRendering();
    std::vector<double> times;
    sf::Clock clock;
    for (int i = 0; i < 40; ++i) {
        clock.restart();
        draw();
        finishRendering();
        times.push_back(clock.getElapsedTime().asSeconds() * 1000.0);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    window.resetDrawCalls();
    draw();
    std::printf("[ frame    ] %-12s median %.2f ms, %u draw calls\n", page, median,
                window.drawCalls());
    if (const char* folder = std::getenv("VELMARCH_SCREENSHOTS"))
        window.screenshot().saveToFile(std::string(folder) + "/" + page + ".png");
    return median;
}

} // namespace

TEST(FrameCost, EveryPageDrawsAFullFrame) {
    ScratchFolder folder;
    writeSampleContent();
    GameWindow window(GameWindow::Mode::Offscreen);
    {
        // The floor: one opaque full-window copy, which every frame needs.
        sf::RenderTexture still;
        ASSERT_TRUE(still.create(1440, 900));
        still.clear(sf::Color(90, 90, 90));
        still.display();
        const sf::Sprite copy(still.getTexture());
        medianFrameMs(
            window,
            [&] {
                window.draw(copy, sf::RenderStates(sf::BlendNone));
                window.display();
            },
            "one-copy");
    }
    // The fade-in below runs on this frame time rather than on frames that are only queued.
    window.setFixedFrameTime(1.f / 30.f);

    StoryScreen story(window);
    story.showAll();
    EXPECT_GT(medianFrameMs(
                  window, [&] { story.draw(); }, "story"),
              0.0);

    HowToPlayScreen help(window);
    help.showAll();
    EXPECT_GT(medianFrameMs(
                  window, [&] { help.draw(); }, "instructions"),
              0.0);

    CreditsScreen credits(window);
    credits.showAll();
    EXPECT_GT(medianFrameMs(
                  window, [&] { credits.draw(); }, "credits"),
              0.0);

    {
        HighscoresScreen scores(window);
        scores.showAll();
        EXPECT_EQ(scores.shownRows(), 20u);
        EXPECT_GT(medianFrameMs(
                      window, [&] { scores.draw(); }, "highscores"),
                  0.0);
    }

    bool accepted = false;
    NameEntryScreen entry(window, &accepted);
    sf::Event event;
    event.type = sf::Event::TextEntered;
    for (char c : std::string("Oberst Bruckmann 7"))
        entry.handleEvent((event.text.unicode = static_cast<unsigned char>(c), event));
    entry.fadeIn();
    EXPECT_GT(medianFrameMs(
                  window, [&] { entry.draw(); }, "name-entry"),
              0.0);
}
