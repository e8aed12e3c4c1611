#include "app/MainMenu.hpp"
#include "platform/GameWindow.hpp"
#include "tests/render/RenderTestSupport.hpp"
#include "tests/screens/ScreenTestSupport.hpp"

#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

// Red pixels in a band of the screen: the entries' ink (under at most a faint fade).
int redPixels(const sf::Image& shot, int top, int bottom) {
    return countPixels(shot, {360, top, 540, bottom - top},
                       [](sf::Color c) { return c.r >= 240 && c.g < 16 && c.b < 16; });
}

// A menu whose only content is a grey metal panel and a title picture. Frames of 1.25 s keep the
// fades to three frames, the last one at alpha 5.
struct MenuTest : ::testing::Test {
    MenuTest() {
        writePicture("sources/Images/Images/Metall.jpg", 64, 32, sf::Color(128, 128, 128));
        // Scaled by 2.88 and raised to centre it, it covers the screen.
        writePicture("sources/Images/Images/Title Image.jpg", 500, 360, titleColour);
        window.setFixedFrameTime(1.25f);
    }

    void whiteFrame() {
        window.target().clear(sf::Color::White);
        window.display();
    }

    // Pages that note their name and paint the screen white, as a page would leave it; `first`
    // runs as each page opens.
    MenuPages recordingPages(std::function<void(const char*, GameWindow&)> first = {}) {
        auto page = [this, first](const char* name) {
            return [this, first, name](GameWindow& shown) {
                if (first)
                    first(name, shown);
                opened += name + std::string(" ");
                shown.target().clear(sf::Color::White);
                shown.display();
                return acceptName;
            };
        };
        return {page("name"),      page("game"),    page("story"),
                page("howToPlay"), page("credits"), page("highscores")};
    }

    // Feeds number keys (or other input) as one frame's worth; returns how many were left unread.
    std::size_t handle(MainMenu& menu, const std::string& digits) {
        std::deque<sf::Event> events = {keyEvent(sf::Keyboard::Numpad1),
                                        keyEvent(sf::Keyboard::Escape),
                                        keyEvent(sf::Keyboard::Unknown, sf::Event::Closed),
                                        keyEvent(sf::Keyboard::Num2, sf::Event::MouseButtonPressed),
                                        keyEvent(sf::Keyboard::Unknown, sf::Event::LostFocus)};
        if (!digits.empty())
            events.clear();
        for (char digit : digits)
            events.push_back(digitEvent(digit));
        menu.handleEvents([&events](sf::Event& e) {
            if (events.empty())
                return false;
            e = events.front();
            events.pop_front();
            return true;
        });
        return events.size();
    }

    ScratchFolder folder;
    GameWindow window{GameWindow::Mode::Offscreen};
    std::string opened; // the pages' names in order, each followed by a blank
    bool acceptName = false;
    const sf::Color titleColour{60, 90, 160};
};

} // namespace

TEST_F(MenuTest, IntroFadesTheLoadingPictureOutThenPanelsOpenAndClose) {
    // 200 px/s with the fraction dropped: 6 px per 1/30 s frame ends at 354, 10 px at 350.
    for (const auto& [frame, open] :
         {std::pair{1.f / 30.f, 354}, std::pair{0.05f, 350}, std::pair{0.1f, 360}}) {
        window.setFixedFrameTime(frame);
        MainMenu menu(window, {});
        menu.load();
        menu.openPanels();
        EXPECT_EQ(menu.slide(), open) << "frames of " << frame << " s";
        menu.closePanels();
        EXPECT_EQ(menu.slide(), 0) << "frames of " << frame << " s";
    }
    window.setFixedFrameTime(1.25f);
    MainMenu menu(window, {});
    menu.load();
    EXPECT_EQ(menu.fade(), 255.f);
    menu.drawFrame();
    EXPECT_EQ(window.screenshot().getPixel(720, 30), sf::Color::Black) << "hidden while loading";

    // The loading screen's last picture darkens; its last frame (alpha 250) is not yet black.
    whiteFrame();
    sf::Texture picture;
    window.capture(picture);
    menu.fadeOver(picture);
    const sf::Color last = window.screenshot().getPixel(700, 400);
    EXPECT_GT(last.r, 0);
    EXPECT_LE(last.r, 6);
    EXPECT_EQ(last.r, last.b);

    menu.fadeIn();
    EXPECT_EQ(menu.fade(), 0.f);
    menu.openPanels();
    menu.typeFooter();
    EXPECT_EQ(menu.footer(), MainMenu::footerLine);
    menu.drawFrame();
    sf::Image shot = window.screenshot();
    for (int i = 0; i < 6; ++i)
        EXPECT_GT(redPixels(shot, 200 + 50 * i, 245 + 50 * i), 30) << "entry " << i + 1;
    const sf::Color behind = shot.getPixel(100, 600);
    EXPECT_LE(std::abs(behind.b - titleColour.b) + std::abs(behind.r - titleColour.r), 6);
    auto [left, right] = rendertest::columnsWith(shot, 10, 80, sf::Color::White, 0);
    EXPECT_NEAR((left + right) / 2.0, 720.0, 8.0) << "heading " << left << ".." << right;
    std::tie(left, right) = rendertest::columnsWith(shot, 870, 900, sf::Color::White, 0);
    EXPECT_GE(right, 1418) << "footer";
    EXPECT_LE(right, 1430);
    EXPECT_NEAR(left, 1305, 2) << "the whole line at size 20";

    menu.closePanels();
    window.display();
    shot = window.screenshot();
    EXPECT_EQ(redPixels(shot, 150, 500), 0) << "shut panels hide the entries";
    // The seam between the two panels is the white line at the middle.
    EXPECT_EQ(shot.getPixel(720, 450), sf::Color::White);
    EXPECT_NE(shot.getPixel(720, 300), sf::Color::White);
}

TEST_F(MenuTest, KeysAreHandledInOrderWithinAFrame) {
    const struct {
        const char* keys; // number keys; empty: other input only
        bool acceptName;
        const char* opened;
        bool running, restart;
        std::size_t leftUnread;
    } cases[] = {
        {"23", false, "story howToPlay ", true, false, 0},
        {"45", false, "credits highscores ", true, false, 0},
        {"62", false, "story ", false, false, 0},          // quitting still handles the rest
        {"15", false, "name highscores ", true, false, 0}, // the name declined
        {"126", true, "name game ", false, true, 2},       // a game ends the frame
        {"", true, "", true, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        opened.clear();
        acceptName = c.acceptName;
        MainMenu menu(window, recordingPages());
        menu.load();
        menu.openPanels();
        EXPECT_EQ(handle(menu, c.keys), c.leftUnread);
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(menu.running(), c.running);
        EXPECT_EQ(menu.restart(), c.restart);
        if (!c.restart && !opened.empty()) {
            // After a page the menu has faded back in over the page's last picture.
            EXPECT_EQ(menu.fade(), 0.f);
            const sf::Image shot = window.screenshot();
            EXPECT_NE(shot.getPixel(100, 600), sf::Color::White);
            EXPECT_GT(redPixels(shot, 200, 245), 30);
        }
    }

    // Keys of pages not there do nothing, not even a fade over the last picture.
    MainMenu bare(window, {});
    bare.load();
    bare.openPanels();
    whiteFrame();
    EXPECT_EQ(handle(bare, "12345"), 0u);
    EXPECT_TRUE(bare.running());
    EXPECT_FALSE(bare.restart());
    EXPECT_EQ(window.screenshot().getPixel(100, 600), sf::Color::White);
}

TEST_F(MenuTest, APadShowsAHighlightMovesItAndChoosesWithA) {
    MainMenu menu(window, recordingPages());
    menu.load();
    menu.fadeIn();
    menu.openPanels();
    const auto pad = [&](std::initializer_list<sf::Event> events) {
        for (const sf::Event& event : events)
            window.queueEvent(event);
        menu.handleEvents([this](sf::Event& event) { return window.pollEvent(event); });
    };
    // Resting triggers are no use of the pad; its first touch shows the highlight on entry 1.
    pad({padMoveEvent(sf::Joystick::R, -100.f)});
    EXPECT_EQ(menu.highlighted(), std::nullopt);
    pad({padButtonEvent(PadButton::A), padButtonEvent(PadButton::A, false)});
    EXPECT_EQ(menu.highlighted(), 0);
    EXPECT_EQ(opened, "");
    // Down with the stick and with the d-pad, each push one entry.
    pad({padMoveEvent(sf::Joystick::Y, 60.f), padMoveEvent(sf::Joystick::Y, 100.f),
         padMoveEvent(sf::Joystick::Y, 0.f), padMoveEvent(sf::Joystick::PovY, 100.f)});
    EXPECT_EQ(menu.highlighted(), 2);
    menu.drawFrame();
    const sf::Image shot = window.screenshot();
    const auto white = [](sf::Color c) { return c.r > 240 && c.g > 240 && c.b > 240; };
    for (int i = 0; i < 6; ++i) {
        const sf::IntRect row{360, 200 + 50 * i, 540, 45};
        EXPECT_EQ(countPixels(shot, row, white) > 30, i == 2) << "entry " << i + 1;
        EXPECT_EQ(redPixels(shot, row.top, row.top + row.height) > 30, i != 2) << i + 1;
    }
    pad({padButtonEvent(PadButton::A)});
    EXPECT_EQ(opened, "howToPlay ");
    // Up past the first entry comes round to the last: Beenden.
    for (int i = 0; i < 3; ++i)
        pad({padMoveEvent(sf::Joystick::PovY, -100.f), padMoveEvent(sf::Joystick::PovY, 0.f)});
    EXPECT_EQ(menu.highlighted(), 5);
    pad({padButtonEvent(PadButton::B), padButtonEvent(PadButton::A)});
    EXPECT_FALSE(menu.running());
    EXPECT_EQ(opened, "howToPlay ");

    // A on Spielen with a name taken plays a game, and the events after it stay unread.
    acceptName = true;
    MainMenu again(window, recordingPages());
    again.load();
    window.queueEvent(padButtonEvent(PadButton::A));
    window.queueEvent(padButtonEvent(PadButton::A));
    window.queueEvent(padButtonEvent(PadButton::Start));
    again.handleEvents([this](sf::Event& event) { return window.pollEvent(event); });
    EXPECT_EQ(opened, "howToPlay name game ");
    EXPECT_TRUE(again.restart());
    sf::Event unread;
    EXPECT_TRUE(window.pollEvent(unread) && padPressed(unread, PadButton::Start));
}

TEST_F(MenuTest, TheWindowsCloseButtonQuitsFromTheMenuAndFromEveryScreenNeverToRestart) {
    const struct {
        const char* where; // the screen open when the window is closed
        const char* keys;
        bool acceptName;
        bool closing; // the menu's own closing animation
    } cases[] = {
        {"menu", "", false, true},
        {"story", "2", false, false},
        {"name", "1", false, false},
        {"game", "1", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        GameWindow closing(GameWindow::Mode::Offscreen);
        closing.setFixedFrameTime(1.25f);
        opened.clear();
        acceptName = c.acceptName;
        // Each screen reads the request as an Escape and leaves.
        std::string escapes;
        MainMenu menu(closing, recordingPages([&](const char* name, GameWindow& shown) {
                          if (std::string(name) == c.where)
                              shown.queueEvent(keyEvent(sf::Keyboard::Unknown, sf::Event::Closed));
                          sf::Event event;
                          while (shown.pollEvent(event))
                              escapes += event.type == sf::Event::KeyPressed &&
                                                 event.key.code == sf::Keyboard::Escape
                                             ? name
                                             : "?";
                      }));
        menu.load();
        menu.openPanels();
        const int open = menu.slide();
        if (c.closing)
            closing.queueEvent(keyEvent(sf::Keyboard::Unknown, sf::Event::Closed));
        for (const char* key = c.keys; *key; ++key)
            closing.queueEvent(digitEvent(*key));
        menu.handleEvents([&](sf::Event& event) { return closing.pollEvent(event); });
        EXPECT_EQ(std::pair(menu.running(), menu.restart()), std::pair(false, false));
        EXPECT_EQ(escapes, c.closing ? "" : c.where);
        EXPECT_EQ(opened, c.closing      ? ""
                          : c.acceptName ? "name game "
                                         : std::string(c.where) + " ");
        if (!c.closing) {
            EXPECT_EQ(closing.screenshot().getPixel(100, 600), sf::Color::White) << "no fade in";
        }
        menu.playClosing();
        EXPECT_EQ(menu.slide(), c.closing ? 0 : open);
    }
}
