#include "ScreenTestSupport.hpp"
#include "screens/NameEntryScreen.hpp"
#include "tests/render/RenderTestSupport.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace {

void type(NameEntryScreen& screen, const std::string& text) {
    for (char c : text)
        screen.handleEvent(textEvent(static_cast<unsigned char>(c)));
}

} // namespace

TEST(NameEntryScreen, LettersDigitsAndBlanksEachKeySoundsEnterStoresEscapeLeavesTheFile) {
    // The first seven are letters, digits and the blank.
    const std::vector<sf::Uint32> typed = {'A',  'Z',  'a', 'z',  '0', '9',    ' ',    '-',  '_',
                                           '@',  '[',  '`', '{',  '/', ':',    0xE4,   0xFC, 0xDF,
                                           '\b', '\r', 27,  '\t', 0,   0x20AC, 0x10041};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        std::string name = "ab";
        const bool appended = i < 7;
        EXPECT_EQ(typeNameCharacter(name, typed[i]),
                  appended ? TypedCharacter::Appended : TypedCharacter::Refused)
            << typed[i];
        EXPECT_EQ(name, appended ? "ab" + std::string(1, static_cast<char>(typed[i])) : "ab");
    }

    ScratchFolder folder;
    std::filesystem::create_directory("sources");
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFixedFrameTime(1.25f); // fades of three frames
    bool accepted = false;
    {
        NameEntryScreen screen(window, &accepted);
        screen.fadeIn();
        screen.handleEvent(keyEvent(sf::Keyboard::Return)); // empty: refused, still running
        EXPECT_TRUE(screen.isRunning());
        type(screen, "Ace-7x");
        screen.handleEvent(keyEvent(sf::Keyboard::BackSpace));
        screen.handleEvent(textEvent('\b')); // as the window layer also sends it
        EXPECT_EQ(screen.name(), "Ace7");
        type(screen, std::string(30, 'W'));
        screen.draw();
        const sf::Image shot = window.screenshot();
        const auto [left, right] = rendertest::columnsWith(shot, 10, 70, sf::Color::White, 55);
        EXPECT_NEAR((left + right) / 2.0, 720.0, 3.0) << "title " << left << ".." << right;
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

        screen.handleEvent(keyEvent(sf::Keyboard::Return));
        EXPECT_FALSE(screen.isRunning());
        screen.fadeOut();
        EXPECT_LE(window.screenshot().getPixel(500, 265).b, 8) << "faded out";
    }
    EXPECT_TRUE(accepted);
    // Written into a folder that did not exist yet, as on a fresh install.
    EXPECT_EQ(readBytes(playerNameFile), "Ace7" + std::string(16, 'W') + "\n");
    // The highscore list was opened and written back while the screen ran.
    EXPECT_EQ(readBytes("sources/Data/Highscores.data"), "0\n");

    writeBytes("sources/Data/Highscores.data", "1\r\nAlpha\r\n5300\r\n812\r\n");
    {
        NameEntryScreen screen(window, &accepted);
        type(screen, "Z");
        screen.handleEvent(keyEvent(sf::Keyboard::Escape));
        EXPECT_FALSE(screen.isRunning());
    }
    EXPECT_FALSE(accepted);
    EXPECT_EQ(readBytes(playerNameFile), "Ace7" + std::string(16, 'W') + "\n");
    EXPECT_EQ(readBytes("sources/Data/Highscores.data"), "1\nAlpha\n5300\n812");

    // A pad's A or Start takes the name shown, B goes back.
    for (const auto& [button, takes] :
         {std::pair{PadButton::A, true}, {PadButton::Start, true}, {PadButton::B, false}}) {
        NameEntryScreen screen(window, &accepted);
        type(screen, "P");
        screen.handleEvent(padButtonEvent(button));
        EXPECT_FALSE(screen.isRunning());
        EXPECT_EQ(accepted, takes);
    }
    EXPECT_EQ(readBytes(playerNameFile), "P\n");

    // Every key sounds as accepted or refused.
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
        {"anything to a full name", 20, {textEvent('-'), textEvent('y')}, {S::Accept, S::Accept}},
        {"Backspace on an empty name", 0, {backspace[0], backspace[1]}, {S::Error, S::Error}},
        {"Backspace on a name", 3, {backspace[0], backspace[1]}, {S::Accept, S::Error}},
        {"Enter on an empty name", 0, {enter[0], enter[1]}, {S::Error, S::Error}},
        {"Enter on a name", 1, {enter[0]}, {S::Accept}},
        {"other keys and events", 0, {keyEvent(sf::Keyboard::A), sf::Event{}}, {}},
    };
    for (const auto& c : cases) {
        NameEntryScreen screen(window, nullptr);
        type(screen, std::string(c.typedFirst, 'x'));
        for (const sf::Event& event : c.events)
            screen.handleEvent(event);
        const std::vector<NameSound>& played = screen.soundsPlayed();
        ASSERT_EQ(played.size(), c.typedFirst + c.sounds.size()) << c.what;
        EXPECT_EQ(std::vector(played.begin() + static_cast<long>(c.typedFirst), played.end()),
                  c.sounds)
            << c.what;
    }
}
