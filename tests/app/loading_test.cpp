#include "screens/LoadingWindow.hpp"
#include "tests/render/RenderTestSupport.hpp"

#include <chrono>
#include <vector>

using rendertest::near;

namespace {
const sf::Color grey(150, 150, 150);

// The boxes of a frame: a run of grey from the left, the rest cyan, the backdrop between them.
void expectBoxes(const sf::Image& shot, int progress) {
    for (int i = 0; i < 10; ++i) {
        const unsigned x = 370 + 72 * i;
        EXPECT_EQ(shot.getPixel(x, 710), i < progress ? grey : sf::Color::Cyan) << "box " << i;
        const sf::Color gap = shot.getPixel(x + 30, 710);
        EXPECT_NE(gap, sf::Color::Cyan);
        EXPECT_NE(gap, grey);
    }
}
} // namespace

TEST(LoadingProgress, BouncesBetweenZeroAndTenOnWholeMillisecondsDivisibleByThree) {
    // Up to ten, ten once more while turning, down to zero, zero once more, up again.
    const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 9, 8,
                                       7, 6, 5, 4, 3, 2, 1, 0, 0, 1,  2,  3};
    LoadingProgress bounce;
    std::vector<int> seen;
    while (seen.size() < expected.size()) {
        bounce.step();
        seen.push_back(bounce.progress);
    }
    EXPECT_EQ(seen, expected);
    // Exactly representable times, so the milliseconds are what they read.
    for (const auto& [seconds, steps] :
         {std::pair{0.f, true}, std::pair{0.5f, false}, std::pair{0.75f, true},
          std::pair{0.0625f, false}, std::pair{0.09375f, true} /* 93 */,
          std::pair{2.00048828125f, false} /* 2000.49 ms: 2000 */}) {
        LoadingProgress at;
        at.stepAt(seconds);
        EXPECT_EQ(at.progress, steps ? 1 : 0) << "at " << seconds << " s";
    }
}

TEST(LoadingWindow, FirstFrameAllCyanAndDrawnFromFixedCorners) {
    GameWindow window(GameWindow::Mode::Offscreen);
    LoadingWindow loading(window);
    loading.showFrame(0.5f); // 500 ms: no step
    const sf::Image shot = window.screenshot();
    expectBoxes(shot, 0);
    // "Laden..." at size 50, centred: at 0.94 s the label's alpha is 0.
    loading.showFrame(0.94f);
    const sf::Image unlabelled = window.screenshot();
    std::vector<int> label;
    for (unsigned x = 0; x < 1440; ++x)
        for (unsigned y = 60; y < 200; ++y)
            if (shot.getPixel(x, y) != unlabelled.getPixel(x, y)) {
                label.push_back(static_cast<int>(x));
                break;
            }
    ASSERT_FALSE(label.empty());
    EXPECT_NEAR(label.front() + label.back(), 1441, 2);
    EXPECT_NEAR(label.back() - label.front(), 123, 1);
    // The gradient's bottom left corner is cyan (under light stripes, outside the dark frame).
    EXPECT_TRUE(near(shot.getPixel(2, 897), sf::Color(0, 255, 255), 100)) << "bottom left";
    // The middle: the corners' average (0, 63, 127), darkened by the frame, not a diagonal crease.
    EXPECT_TRUE(near(shot.getPixel(720, 450), sf::Color(0, 38, 77), 3)) << "middle";
    // Straight above it, a sixth of the way down, a sixth of that average.
    EXPECT_TRUE(near(shot.getPixel(725, 75), sf::Color(0, 10, 21), 3)) << "above";
    // The dark frame darkens the middle compared with just outside it.
    const sf::Color inside = shot.getPixel(150, 790), outside = shot.getPixel(150, 810);
    EXPECT_LT(inside.g + inside.b, outside.g + outside.b);

    // The two symbols left and right of the middle: without content only the backdrop.
    ScratchFolder empty;
    LoadingWindow bare(window);
    bare.showFrame(0.5f);
    const sf::Image backdrop = window.screenshot();
    for (const int x : {520, 920}) {
        int differing = 0;
        for (int dx = -50; dx < 50; ++dx)
            for (int dy = -50; dy < 50; ++dy)
                differing += shot.getPixel(x + dx, 450 + dy) != backdrop.getPixel(x + dx, 450 + dy);
        EXPECT_GT(differing, 2000) << "symbol at " << x;
    }
}

TEST(LoadingWindow, ThreadDrawsUntilStoppedAndHandsTheWindowBack) {
    // Without its content the screen still runs, lacking the symbols and the label's font.
    ScratchFolder empty;
    GameWindow window(GameWindow::Mode::Offscreen);
    window.setFramerateLimit(30);
    { LoadingWindow neverLaunched(window); }
    sf::Texture last;
    int progress = 0;
    // Boxes step only on frames at a millisecond divisible by three: a run without one is retried.
    const auto start = std::chrono::steady_clock::now();
    while (progress == 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        LoadingWindow loading(window);
        loading.launch();
        sf::sleep(sf::milliseconds(200));
        const auto before = std::chrono::steady_clock::now();
        loading.stop();
        loading.wait();
        // The frame being drawn is finished, no more: no hang (generous for a loaded machine).
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(10));
        progress = loading.progress();
        loading.takeLastFrame(last);
    }
    EXPECT_GT(progress, 0) << "frame after frame ran";
    expectBoxes(window.screenshot(), progress);
    // The kept copy is the frame that was shown.
    ASSERT_EQ(last.getSize(), sf::Vector2u(1440, 900));
    expectBoxes(last.copyToImage(), progress);

    // The main thread can draw again.
    window.target().clear(sf::Color::Red);
    window.display();
    EXPECT_EQ(window.screenshot().getPixel(5, 5), sf::Color::Red);

    // Destroyed while it runs, it stops by itself.
    const auto before = std::chrono::steady_clock::now();
    {
        LoadingWindow loading(window);
        loading.launch();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(10));
}
