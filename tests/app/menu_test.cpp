#include "app/MainMenu.hpp"
#include "platform/GameWindow.hpp"
#include "tests/support/ScratchFolder.hpp"

#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Red pixels in a band of the screen: the entries' ink (under at most a faint fade).
int redPixels(const sf::Image& shot, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 360; x < 900; ++x) {
            const sf::Color c = shot.getPixel(x, y);
            count += c.r >= 240 && c.g < 16 && c.b < 16;
        }
    }
    return count;
}

sf::Event keyPress(sf::Keyboard::Key key) {
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = key;
    return event;
}

sf::Event otherEvent(sf::Event::EventType type) {
    sf::Event event{};
    event.type = type;
    return event;
}

// A menu in a folder of its own whose only content is a grey metal panel, so that what is
// drawn does not depend on the game's content; frames last 1/30 s.
class MenuTest : public ::testing::Test {
  protected:
    MenuTest() {
        std::filesystem::create_directories("sources/Images/Images");
        sf::Image metal;
        metal.create(64, 32, sf::Color(128, 128, 128));
        metal.saveToFile("sources/Images/Images/Metall.jpg");
        window.setFixedFrameTime(1.f / 30.f);
    }

    // Runs the intro's steps after loading, up to the open menu.
    void openMenu(MainMenu& menu) {
        menu.load();
        menu.fadeIn();
        menu.openPanels();
        menu.typeFooter();
    }

    // Pages that note their name and paint the screen white, as a page would leave it.
    MenuPages recordingPages(bool acceptName) {
        auto page = [this](const char* name) {
            return [this, name](GameWindow& w) {
                opened.push_back(name);
                w.target().clear(sf::Color::White);
                w.display();
            };
        };
        MenuPages pages;
        pages.nameEntry = [page, acceptName](GameWindow& w) {
            page("name")(w);
            return acceptName;
        };
        pages.game = page("game");
        pages.story = page("story");
        pages.howToPlay = page("howToPlay");
        pages.credits = page("credits");
        pages.highscores = page("highscores");
        return pages;
    }

    // Feeds the events to the menu as one frame's worth; returns those left unread.
    std::deque<sf::Event> handle(MainMenu& menu, std::deque<sf::Event> events) {
        menu.handleEvents([&events](sf::Event& event) {
            if (events.empty())
                return false;
            event = events.front();
            events.pop_front();
            return true;
        });
        return events;
    }

    ScratchFolder folder;
    GameWindow window{GameWindow::Mode::Offscreen};
    std::vector<std::string> opened;
};

} // namespace

TEST_F(MenuTest, PanelsOpenToTheFirstStepNotBelow350AndCloseToZero) {
    struct Case {
        float frame;
        int open;
    };
    // 200 px/s with the fraction dropped: 6 px per 1/30 s frame ends at 354, 10 px at 350.
    for (const Case c :
         {Case{1.f / 30.f, 354}, Case{0.05f, 350}, Case{0.1f, 360}, Case{0.3f, 360}}) {
        window.setFixedFrameTime(c.frame);
        MainMenu menu(window, {});
        menu.load();
        menu.openPanels();
        EXPECT_EQ(menu.slide(), c.open) << "frames of " << c.frame << " s";
        menu.closePanels();
        EXPECT_EQ(menu.slide(), 0) << "frames of " << c.frame << " s";
    }
}

TEST_F(MenuTest, FadeInEndsAtExactlyZeroAndShowsTheEntries) {
    MainMenu menu(window, {});
    menu.load();
    EXPECT_EQ(menu.fade(), 255.f);
    menu.drawFrame();
    const sf::Image black = window.screenshot();
    EXPECT_EQ(black.getPixel(720, 450), sf::Color::Black);
    EXPECT_EQ(black.getPixel(720, 30), sf::Color::Black);

    menu.fadeIn();
    EXPECT_EQ(menu.fade(), 0.f);
    menu.openPanels();
    menu.drawFrame();
    const sf::Image shot = window.screenshot();
    for (int i = 0; i < 6; ++i)
        EXPECT_GT(redPixels(shot, 200 + 50 * i, 245 + 50 * i), 30) << "entry " << i + 1;
}

TEST_F(MenuTest, ShutPanelsHideTheEntries) {
    MainMenu menu(window, {});
    openMenu(menu);
    menu.closePanels();
    window.display();
    const sf::Image shot = window.screenshot();
    EXPECT_EQ(redPixels(shot, 150, 500), 0);
    // The seam between the two panels is the white line at the middle.
    EXPECT_EQ(shot.getPixel(720, 450), sf::Color::White);
    EXPECT_NE(shot.getPixel(720, 300), sf::Color::White);
}

TEST_F(MenuTest, HeadingCentredAndFooterTypedToTheRightEdge) {
    MainMenu menu(window, {});
    openMenu(menu);
    EXPECT_EQ(menu.footer(), MainMenu::footerLine);
    menu.drawFrame();
    const sf::Image shot = window.screenshot();

    auto whiteSpan = [&shot](int top, int bottom, int& left, int& right) {
        left = 1440;
        right = -1;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < 1440; ++x) {
                if (shot.getPixel(x, y) == sf::Color::White) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
    };
    int left = 0, right = 0;
    whiteSpan(10, 80, left, right);
    ASSERT_LT(left, right);
    EXPECT_NEAR((left + right) / 2.0, 720.0, 8.0) << left << ".." << right;

    whiteSpan(870, 900, left, right);
    ASSERT_LT(left, right);
    EXPECT_GE(right, 1418);
    EXPECT_LE(right, 1430);
    EXPECT_GT(right - left, 60); // the whole line, not a letter
}

TEST_F(MenuTest, KeysAreHandledInOrderWithinAFrame) {
    struct Case {
        const char* name;
        std::vector<sf::Event> events;
        bool acceptName;
        std::vector<std::string> opened;
        bool running;
        bool restart;
        std::size_t leftUnread;
    };
    using K = sf::Keyboard;
    const Case cases[] = {
        {"two pages",
         {keyPress(K::Num2), keyPress(K::Num3)},
         false,
         {"story", "howToPlay"},
         true,
         false,
         0},
        {"credits and highscores",
         {keyPress(K::Num4), keyPress(K::Num5)},
         false,
         {"credits", "highscores"},
         true,
         false,
         0},
        {"quit still handles the rest",
         {keyPress(K::Num6), keyPress(K::Num2)},
         false,
         {"story"},
         false,
         false,
         0},
        {"name declined",
         {keyPress(K::Num1), keyPress(K::Num5)},
         false,
         {"name", "highscores"},
         true,
         false,
         0},
        {"game ends the frame",
         {keyPress(K::Num1), keyPress(K::Num2), keyPress(K::Num6)},
         true,
         {"name", "game"},
         false,
         true,
         2},
        {"other input ignored",
         {keyPress(K::Numpad1), keyPress(K::Escape), otherEvent(sf::Event::Closed),
          otherEvent(sf::Event::MouseButtonPressed), otherEvent(sf::Event::LostFocus)},
         true,
         {},
         true,
         false,
         0},
    };
    // The order is what counts here, not the pace of the fades.
    window.setFixedFrameTime(0.1f);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        opened.clear();
        MainMenu menu(window, recordingPages(c.acceptName));
        openMenu(menu);
        const auto left = handle(menu, {c.events.begin(), c.events.end()});
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(menu.running(), c.running);
        EXPECT_EQ(menu.restart(), c.restart);
        EXPECT_EQ(left.size(), c.leftUnread);
        if (!c.restart && !c.opened.empty()) {
            // After a page the menu has faded back in over the page's last picture.
            EXPECT_EQ(menu.fade(), 0.f);
            const sf::Image shot = window.screenshot();
            EXPECT_NE(shot.getPixel(100, 600), sf::Color::White);
            EXPECT_GT(redPixels(shot, 200, 245), 30);
        }
    }
}

TEST_F(MenuTest, KeysOfPagesNotThereDoNothing) {
    MainMenu menu(window, {});
    openMenu(menu);
    window.target().clear(sf::Color::White);
    window.display();
    const auto left = handle(menu, {keyPress(sf::Keyboard::Num1), keyPress(sf::Keyboard::Num2),
                                    keyPress(sf::Keyboard::Num3), keyPress(sf::Keyboard::Num4),
                                    keyPress(sf::Keyboard::Num5)});
    EXPECT_TRUE(left.empty());
    EXPECT_TRUE(menu.running());
    EXPECT_FALSE(menu.restart());
    // No fade was run: nothing was drawn over the last picture.
    EXPECT_EQ(window.screenshot().getPixel(100, 600), sf::Color::White);
}

TEST_F(MenuTest, FadeOverDarkensAPictureToBlack) {
    MainMenu menu(window, {});
    menu.load();
    window.target().clear(sf::Color::White);
    window.display();
    sf::Texture picture;
    window.capture(picture);
    menu.fadeOver(picture);
    // The last frame is nearly black (alpha 252 over white), not yet the next screen.
    const sf::Color last = window.screenshot().getPixel(700, 400);
    EXPECT_LE(last.r, 5);
    EXPECT_EQ(last.r, last.b);
}
