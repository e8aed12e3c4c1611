#include "app/DesktopControls.hpp"
#include "app/Settings.hpp"
#include "screens/NameEntryScreen.hpp"
#include "tests/render/RenderTestSupport.hpp"
#include "tests/screens/ScreenTestSupport.hpp"

#include <SFML/Audio/Listener.hpp>
#include <SFML/Audio/Sound.hpp>
#include <gtest/gtest.h>
#include <sstream>

namespace {

Settings parsed(const std::string& bytes) {
    std::istringstream in(bytes);
    return parseSettings(in, "Settings.data");
}

// A key as the window sends it: the key, then the text it types (none for 0).
void press(GameWindow& window, sf::Keyboard::Key key, sf::Uint32 text = 0, bool alt = false) {
    sf::Event event = keyEvent(key);
    event.key.alt = alt;
    window.queueEvent(event);
    if (text != 0)
        window.queueEvent(textEvent(text));
}

// The events a screen gets of those queued, by type and key code.
using Delivered = std::vector<std::pair<sf::Event::EventType, int>>;
Delivered delivered(GameWindow& window) {
    Delivered events;
    sf::Event event;
    while (window.pollEvent(event))
        events.emplace_back(event.type, event.type == sf::Event::TextEntered
                                            ? static_cast<int>(event.text.unicode)
                                            : static_cast<int>(event.key.code));
    return events;
}
// A key pressed `times` times, and what of it reached the screen.
Delivered pressed(GameWindow& window, sf::Keyboard::Key key, sf::Uint32 text = 0, bool alt = false,
                  int times = 1) {
    for (int i = 0; i < times; ++i)
        press(window, key, text, alt);
    return delivered(window);
}

} // namespace

TEST(Settings, ReadBackAsSavedAndWhatCannotBeReadGivesTheDefault) {
    ScratchFolder folder;
    std::filesystem::create_directory("sources");
    EXPECT_EQ(readSettings(), (Settings{false, 10, true}))
        << "no file: sound on, full volume, full screen";
    const Settings chosen{true, 3, false};
    ASSERT_TRUE(saveSettings(chosen));
    EXPECT_EQ(readBytes(settingsFile), "mute=yes\nvolume=30\nfullscreen=no\n");
    EXPECT_EQ(readSettings(), chosen);

    const struct {
        std::string bytes;
        Settings settings;
    } cases[] = {
        // Edited by hand: blanks, CR LF, unknown keys; of two the last.
        {" volume = 70 \r\n# mine\nsize=3\nmute=yes\nmute=no\r\n", {false, 7, true}},
        // Percents between tenths go to the nearest one.
        {"volume=75\nfullscreen=no", {false, 8, false}},
        {"volume=4", {false, 0, true}},
        // A damaged value spoils its own key only.
        {"mute=maybe\nvolume=101\nfullscreen=no\n", {false, 10, false}},
        {"volume=-10\nmute=yes", {true, 10, true}},
        {"volume=1e2\nvolume=\nvolume=0x1\nfullscreen=YES", {false, 10, true}},
        {"fullscreen:no\nmute\n=yes\n\xFF\xFE", {false, 10, true}},
        // Past 4 KiB nothing counts.
        {"volume=20\n" + std::string(5000, '#') + "\nmute=yes\n", {false, 2, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsed(c.bytes), c.settings) << c.bytes.substr(0, 60);
}

TEST(DesktopControls, KeysOfEveryScreenTakeEffectAreSavedAndLeaveTheNameEntryItsLetters) {
    ScratchFolder folder;
    std::filesystem::create_directory("sources");
    sf::Sound music; // the audio device stays open, as the music keeps it in the game
    GameWindow window(GameWindow::Mode::Offscreen); // a window, as with --windowed
    DesktopControls controls(Settings{false, 5, true});
    window.setControls(&controls);
    EXPECT_FLOAT_EQ(sf::Listener::getGlobalVolume(), 50.f);

    using K = sf::Keyboard;
    const struct {
        K::Key key;
        sf::Uint32 text;
        bool muted;
        int volume;
    } steps[] = {
        {K::M, 'm', true, 5},         {K::M, 'M', false, 5}, {K::Hyphen, '-', false, 4},
        {K::Subtract, '-', false, 3}, {K::M, 'm', true, 3},  {K::Equal, '=', false, 4}, // unmutes
        {K::Add, '+', false, 5},
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(pressed(window, step.key, step.text).empty())
            << "the keys and their texts are taken";
        EXPECT_EQ(controls.settings(), (Settings{step.muted, step.volume, true})) << step.text;
        EXPECT_FLOAT_EQ(sf::Listener::getGlobalVolume(), step.muted ? 0.f : 10.f * step.volume);
        EXPECT_EQ(readSettings(), controls.settings()) << "saved";
    }
    pressed(window, K::Add, '+', false, 12);
    EXPECT_EQ(controls.settings().volume, 10);
    pressed(window, K::Subtract, '-', false, 12);
    EXPECT_EQ(std::pair(controls.settings().volume, sf::Listener::getGlobalVolume()),
              std::pair(0, 0.f));

    // F11 and Alt+Enter switch; the choice is saved when it differs from the saved one.
    pressed(window, K::F11);
    EXPECT_EQ(std::pair(window.isFullscreen(), controls.settings().fullscreen),
              std::pair(true, true));
    EXPECT_TRUE(pressed(window, K::Return, '\r', true).empty());
    EXPECT_EQ(std::pair(window.isFullscreen(), readSettings().fullscreen), std::pair(false, false));
    // Other keys and texts pass, Enter too.
    press(window, K::Return, '\r');
    press(window, K::P, 'p');
    using E = sf::Event;
    EXPECT_EQ(delivered(window), (Delivered{{E::KeyPressed, K::Return},
                                            {E::TextEntered, '\r'},
                                            {E::KeyPressed, K::P},
                                            {E::TextEntered, 'p'}}));

    // The name entry types M; the volume keys still work there, their texts never refused.
    window.setFixedFrameTime(1.25f);
    bool accepted = false;
    {
        NameEntryScreen screen(window, &accepted);
        press(window, K::M, 'M');
        press(window, K::Equal, '+');
        press(window, K::Return);
        screen.run();
        EXPECT_EQ(screen.name(), "M");
        EXPECT_EQ(screen.soundsPlayed(), (std::vector{NameSound::Accept, NameSound::Accept}));
    }
    EXPECT_TRUE(accepted);
    EXPECT_EQ(controls.settings(), (Settings{false, 1, false}));
    EXPECT_TRUE(pressed(window, K::M, 'm').empty()) << "letters are the controls' again";
}

TEST(DesktopControls, TheOverlayShowsTheSoundForAMomentOverEveryFrameButNeverInACapture) {
    ScratchFolder folder;
    sf::Sound music;
    GameWindow window(GameWindow::Mode::Offscreen);
    DesktopControls controls(Settings{});
    window.setControls(&controls);
    window.setFixedFrameTime(0.5f);
    const sf::IntRect segments(580, 112, 280, 18);
    const auto cyan = [&](const sf::Image& shot) { return countPixels(shot, segments, isCyan); };
    // A red frame: the draw calls of presenting it and what shows.
    const auto frame = [&](sf::Texture* capture = nullptr) {
        window.target().clear(sf::Color::Red);
        if (capture)
            window.capture(*capture);
        window.resetDrawCalls();
        window.display();
        return window.drawCalls();
    };
    EXPECT_EQ(frame(), 0u) << "nothing to show, nothing drawn";

    pressed(window, sf::Keyboard::Hyphen);
    // 1.5 s are three frames of 0.5 s.
    for (int i = 0; i < 3; ++i) {
        sf::Texture capture;
        EXPECT_EQ(frame(&capture), 2u) << "the box and its text";
        const sf::Image shot = window.screenshot();
        EXPECT_EQ(cyan(shot), 9 * 22 * 14) << "nine tenths lit";
        // The ten tenths centred: the nine lit from x 583, 28 pixels apart.
        EXPECT_EQ(rendertest::columnsWith(shot, 112, 130, sf::Color::Cyan), std::pair(583, 828));
        EXPECT_GT(countPixels(shot, {575, 74, 145, 34}, isWhite), 40) << "the text, centred";
        EXPECT_GT(countPixels(shot, {720, 74, 145, 34}, isWhite), 40) << "the text, centred";
        EXPECT_NEAR(rendertest::columnsWith(shot, 80, 100, sf::Color::White, 60, 575).first, 634, 3)
            << "the text's size: 24 pixels";
        EXPECT_EQ(capture.copyToImage().getPixel(720, 100), sf::Color::Red);
    }
    EXPECT_EQ(frame(), 0u);
    EXPECT_EQ(window.screenshot().getPixel(720, 100), sf::Color::Red);

    pressed(window, sf::Keyboard::M);
    frame();
    EXPECT_EQ(cyan(window.screenshot()), 0) << "muted";
    EXPECT_GT(countPixels(window.screenshot(), {580, 74, 280, 34}, isWhite), 100);
}
