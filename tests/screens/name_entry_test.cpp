#include "ScreenTestSupport.hpp"
#include "screens/NameEntryScreen.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace {

sf::Event textEvent(sf::Uint32 c) {
    sf::Event event;
    event.type = sf::Event::TextEntered;
    event.text.unicode = c;
    return event;
}

sf::Event keyEvent(sf::Keyboard::Key key) {
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = {key, false, false, false, false};
    return event;
}

} // namespace

TEST(NameRules, AcceptsLettersDigitsAndBlanksOnly) {
    const struct {
        sf::Uint32 c;
        bool accepted;
    } cases[] = {
        {'A', true},   {'Z', true},   {'a', true},   {'z', true},     {'0', true},
        {'9', true},   {' ', true},   {'-', false},  {'_', false},    {'@', false},
        {'[', false},  {'`', false},  {'{', false},  {'/', false},    {':', false},
        {0xE4, false}, {0xFC, false}, {0xDF, false}, {'\b', false},   {'\r', false},
        {27, false},   {'\t', false}, {0, false},    {0x20AC, false}, {0x41 + 0x10000, false},
    };
    for (const auto& c : cases) {
        std::string name = "ab";
        const TypedCharacter result = typeNameCharacter(name, c.c);
        EXPECT_EQ(result, c.accepted ? TypedCharacter::Appended : TypedCharacter::Refused) << c.c;
        EXPECT_EQ(name.size(), c.accepted ? 3u : 2u) << c.c;
    }
}

TEST(NameRules, TwentyCharactersThenEverythingIsDropped) {
    std::string name;
    for (char c : std::string("Ace 7"))
        EXPECT_EQ(typeNameCharacter(name, static_cast<unsigned char>(c)), TypedCharacter::Appended);
    EXPECT_EQ(name, "Ace 7");
    while (name.size() < maxNameLength)
        typeNameCharacter(name, 'x');
    const std::string full = name;
    EXPECT_EQ(full.size(), 20u);
    // Once full, even a refused character is only dropped.
    for (sf::Uint32 c : {sf::Uint32('y'), sf::Uint32('-'), sf::Uint32(0xE9)}) {
        EXPECT_EQ(typeNameCharacter(name, c), TypedCharacter::Dropped);
        EXPECT_EQ(name, full);
    }
}

TEST(NameRules, BackspaceRemovesTheLastCharacter) {
    std::string name = "Bob";
    EXPECT_TRUE(eraseNameCharacter(name));
    EXPECT_EQ(name, "Bo");
    name.clear();
    EXPECT_FALSE(eraseNameCharacter(name));
    EXPECT_EQ(name, "");
}

TEST(NameEntryScreen, EnterStoresTheNameAndReportsTrue) {
    ScratchFolder folder;
    GameWindow window(GameWindow::Mode::Offscreen);
    bool accepted = false;
    {
        NameEntryScreen screen(window, &accepted);
        screen.handleEvent(keyEvent(sf::Keyboard::Return)); // empty: refused, still running
        EXPECT_TRUE(screen.isRunning());
        for (char c : std::string("Ace-7x"))
            screen.handleEvent(textEvent(static_cast<unsigned char>(c)));
        screen.handleEvent(keyEvent(sf::Keyboard::BackSpace));
        screen.handleEvent(textEvent('\b')); // as the window layer also sends it
        EXPECT_EQ(screen.name(), "Ace7");
        EXPECT_TRUE(screen.isRunning());
        screen.handleEvent(keyEvent(sf::Keyboard::Return));
        EXPECT_FALSE(screen.isRunning());
    }
    EXPECT_TRUE(accepted);
    // Written into a folder that did not exist yet, as on a fresh install.
    EXPECT_EQ(readBytes(playerNameFile), "Ace7\n");
    // The highscore list was opened and written back while the screen ran.
    EXPECT_EQ(readBytes("sources/Data/Highscores.data"), "0\n");
}

TEST(NameEntryScreen, EachKeySoundsAcceptedOrRefused) {
    ScratchFolder folder;
    GameWindow window(GameWindow::Mode::Offscreen);
    using S = NameSound;
    const sf::Event backspace[] = {keyEvent(sf::Keyboard::BackSpace), textEvent('\b')};
    const sf::Event enter[] = {keyEvent(sf::Keyboard::Return), textEvent('\r')};
    const struct {
        const char* what;
        std::size_t typedFirst; // letters typed before the events
        std::vector<sf::Event> events;
        std::vector<NameSound> sounds; // for the events
    } cases[] = {
        {"a letter", 0, {textEvent('a')}, {S::Accept}},
        {"a hyphen", 0, {textEvent('-')}, {S::Error}},
        {"anything once the name is full",
         20,
         {textEvent('-'), textEvent('y')},
         {S::Accept, S::Accept}},
        {"Backspace on an empty name", 0, {backspace[0], backspace[1]}, {S::Error, S::Error}},
        {"Backspace on a name", 3, {backspace[0], backspace[1]}, {S::Accept, S::Error}},
        {"Enter on an empty name", 0, {enter[0], enter[1]}, {S::Error, S::Error}},
        {"Enter on a name", 1, {enter[0]}, {S::Accept}},
    };
    for (const auto& c : cases) {
        NameEntryScreen screen(window, nullptr);
        for (std::size_t i = 0; i < c.typedFirst; ++i)
            screen.handleEvent(textEvent('x'));
        for (const sf::Event& event : c.events)
            screen.handleEvent(event);
        const std::vector<NameSound>& played = screen.soundsPlayed();
        ASSERT_EQ(played.size(), c.typedFirst + c.sounds.size()) << c.what;
        EXPECT_EQ(
            std::vector<NameSound>(played.begin() + static_cast<long>(c.typedFirst), played.end()),
            c.sounds)
            << c.what;
    }
}

TEST(NameEntryScreen, EscapeReportsFalseAndLeavesTheFile) {
    ScratchFolder folder;
    writeBytes(playerNameFile, "Earlier\n");
    writeBytes("sources/Data/Highscores.data", "1\r\nAlpha\r\n5300\r\n812\r\n");
    GameWindow window(GameWindow::Mode::Offscreen);
    bool accepted = true;
    {
        NameEntryScreen screen(window, &accepted);
        screen.handleEvent(textEvent('Z'));
        screen.handleEvent(keyEvent(sf::Keyboard::Escape));
        EXPECT_FALSE(screen.isRunning());
    }
    EXPECT_FALSE(accepted);
    EXPECT_EQ(readBytes(playerNameFile), "Earlier\n");
    EXPECT_EQ(readBytes("sources/Data/Highscores.data"), "1\nAlpha\n5300\n812");
}

TEST(NameEntryScreen, DrawsTitlePromptFieldAndName) {
    ScratchFolder folder;
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.f / 30.f);
    bool accepted = false;
    NameEntryScreen screen(window, &accepted);
    screen.fadeIn();
    for (char c : std::string("WWWWWWWWWWWWWWWWWWWW"))
        screen.handleEvent(textEvent(static_cast<unsigned char>(c)));
    screen.draw();
    const sf::Image shot = window.screenshot();
    EXPECT_GT(countPixels(shot, {400, 10, 640, 60}, isWhite), 300) << "title";
    EXPECT_GT(countPixels(shot, {300, 200, 840, 40}, isRed), 300) << "prompt";
    EXPECT_GT(countPixels(shot, {530, 252, 300, 26}, isWhite), 200) << "name";
    EXPECT_EQ(countPixels(shot, {960 + 5, 250, 200, 30}, isWhite), 0)
        << "a full name stays in the field";
    // The field's fill is translucent dark blue; its outline black.
    const sf::Color fill = shot.getPixel(500, 265);
    EXPECT_GT(fill.b, fill.r);
    EXPECT_EQ(shot.getPixel(480, 265), sf::Color::Black);
    EXPECT_GT(countPixels(shot, {1200, 870, 230, 30}, isWhite), 50) << "Enter hint";
    EXPECT_GT(countPixels(shot, {1200, 195, 230, 30}, isWhite), 50) << "Escape hint";
}
