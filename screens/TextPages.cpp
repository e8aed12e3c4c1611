#include "screens/TextPages.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/SoundFiles.hpp"
#include "platform/Text.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

// Windows-1252 is one byte per character, so a line can be cut before it is decoded.
sf::String decodedStart(const std::string& bytes) {
    return fromCp1252(std::string_view(bytes).substr(0, maxDrawnCharacters));
}

sf::String decodedEnd(const std::string& bytes) {
    const std::size_t keep = std::min(bytes.size(), maxDrawnCharacters);
    return fromCp1252(std::string_view(bytes).substr(bytes.size() - keep));
}

} // namespace

Typewriter::Typewriter(std::vector<std::size_t> lengths)
    : lengths_(std::move(lengths)), shown_(lengths_.size(), 0) {
    skipFinishedLines();
}

void Typewriter::skipFinishedLines() {
    while (line_ < lengths_.size() && shown_[line_] >= lengths_[line_])
        ++line_;
}

bool Typewriter::step() {
    if (done())
        return false;
    const std::size_t index = shown_[line_]++;
    skipFinishedLines();
    return index % 2 == 0;
}

void Typewriter::finish() {
    shown_ = lengths_;
    line_ = lengths_.size();
}

int slideOffset(int angleDegrees) {
    return static_cast<int>(std::sin(angleDegrees * pi / 180.0) * (layout::width / 2));
}

int slideInNextAngle(int angle, float frameTime) {
    // Truncated towards zero, not floored: 2 - 3.3 gives -1.
    return static_cast<int>(static_cast<float>(angle) - frameTime * 100.f);
}

int slideOutNextAngle(int angle, float frameTime) {
    return std::max(angle + 1, static_cast<int>(static_cast<float>(angle) + frameTime * 100.f));
}

int printRowStep(float frameTime) {
    return std::max(1, static_cast<int>(frameTime * 100.f));
}

sf::Vector2f missionPlatePosition(sf::Vector2u pictureSize) {
    const int x = std::max(0, layout::width - static_cast<int>(pictureSize.x));
    const int y = std::max(0, layout::height - static_cast<int>(pictureSize.y));
    return {static_cast<float>(x), static_cast<float>(y)};
}

// --- TextPage ---

TextPage::TextPage(GameWindow& window, sf::String title, PageCanvas::Style style)
    : window_(window), canvas_(style), title_(std::move(title)) {
    font_.loadOrDefault(content::displayFont);
    loadDefaultFont(builtinFont_);
    titleText_.setFont(font_);
    bodyText_.setFont(builtinFont_);
}

void TextPage::run() {
    playIntro();
    while (running_) {
        handleEvents();
        draw();
    }
    playOutro();
}

void TextPage::handleEvent(const sf::Event& event) {
    if ((event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape) ||
        padPressed(event, PadButton::B))
        running_ = false;
}

void TextPage::handleEvents() {
    sf::Event event;
    while (window_.pollEvent(event))
        handleEvent(event);
}

void TextPage::drawTitle(sf::RenderTarget& target) {
    drawTextCentred(target, titleText_, title_, 50, sf::Color::White, 10.f);
}

void TextPage::drawHintAndFade() {
    drawEscapeHint(window_, titleText_);
    drawFade(window_, static_cast<int>(fade_));
    window_.display();
}

// --- TypedPage ---

namespace {

std::vector<sf::String> fittingLines(const std::vector<std::string>& lines, const sf::Font& font,
                                     unsigned size, int rowStep) {
    // Rows below the window are never seen, and typing them would keep the page deaf to Escape.
    const std::size_t count = std::min(lines.size(), visibleRowCount(100, rowStep));
    std::vector<sf::String> fitted;
    fitted.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const sf::String line = decodedStart(lines[i]);
        fitted.push_back(
            line.substring(0, fittingPrefixLength(font, size, line, layout::width - 50.f)));
    }
    return fitted;
}

std::vector<std::size_t> lengthsOf(const std::vector<sf::String>& lines) {
    std::vector<std::size_t> lengths;
    for (const sf::String& line : lines)
        lengths.push_back(line.getSize());
    return lengths;
}

} // namespace

TypedPage::TypedPage(GameWindow& window, sf::String title, const std::filesystem::path& file,
                     unsigned bodySize, int rowStep)
    : TextPage(window, std::move(title), PageCanvas::Style::Hatched), clicks_(clickBuffer_, 50.f),
      bodySize_(bodySize), rowStep_(rowStep),
      lines_(fittingLines(readPageLines(file), builtinFont_, bodySize, rowStep)),
      typewriter_(lengthsOf(lines_)) {
    // The voices follow the buffer when it is filled.
    loadSoundFile(clickBuffer_, content::clickSound);
}

std::size_t TypedPage::completeLines() const {
    return typewriter_.done() ? lines_.size() : typewriter_.currentLine();
}

void TypedPage::draw() {
    const std::size_t complete = completeLines();
    if (complete != stillLines_) {
        stillLines_ = complete;
        canvas_.invalidate();
    }
    canvas_.draw(window_, [this](sf::RenderTarget& target) {
        drawTitle(target);
        drawPicture(target);
        for (std::size_t i = 0; i < stillLines_; ++i) {
            if (placeLine(i))
                target.draw(bodyText_);
        }
    });
    if (stillLines_ < lines_.size() && placeLine(stillLines_))
        window_.draw(bodyText_);
    drawHintAndFade();
}

bool TypedPage::placeLine(std::size_t line) {
    const std::size_t shown = typewriter_.shown(line);
    if (shown == 0)
        return false;
    placeText(bodyText_, lines_[line].substring(0, shown), bodySize_, sf::Color::Red, 50.f,
              100.f + static_cast<float>(rowStep_ * static_cast<int>(line)));
    return true;
}

void TypedPage::showAll() {
    typewriter_.finish();
    fade_ = 0.f;
}

void TypedPage::playIntro() {
    runFadeIn(window_, fade_, [this] { draw(); });
    typeLines();
}

void TypedPage::typeLines() {
    sf::Clock clock;
    std::size_t line = typewriter_.currentLine();
    while (!typewriter_.done()) {
        if (typewriter_.currentLine() != line) {
            line = typewriter_.currentLine();
            clock.restart();
        }
        waitAndRestart(clock, 0.01f);
        const bool click = typewriter_.step();
        draw();
        if (click)
            clicks_.play();
    }
}

void TypedPage::playOutro() {
    runFadeOut(window_, fade_, [this] { draw(); });
}

// --- StoryScreen ---

StoryScreen::StoryScreen(GameWindow& window)
    : TypedPage(window, "Die Geschichte", content::storyPage, 30, 40) {
    if (!loadImage(missionImage_, content::missionPicture))
        return;
    const sf::Vector2u size = missionImage_.getSize();
    // The plate starts as a translucent dark rectangle of the picture's size.
    sf::Image plate;
    plate.create(size.x, size.y, sf::Color(0, 0, 0, 100));
    if (!missionPlate_.loadFromImage(plate))
        return;
    missionPlate_.setSmooth(true);
    missionSprite_.setTexture(missionPlate_, true);
    const sf::Vector2f position = missionPlatePosition(size);
    missionSprite_.setPosition(position);
    printableRows_ =
        std::min(size.y, static_cast<unsigned>(layout::height - static_cast<int>(position.y)));
}

void StoryScreen::printRow(unsigned row) {
    const unsigned width = missionImage_.getSize().x;
    missionPlate_.update(missionImage_.getPixelsPtr() + std::size_t(row) * width * 4, width, 1, 0,
                         row);
    canvas_.invalidate();
}

void StoryScreen::playIntro() {
    TypedPage::playIntro();
    for (unsigned row = 0; row < printableRows_; ++row) {
        printRow(row);
        if (row % static_cast<unsigned>(printRowStep(window_.frameTime())) == 0)
            draw();
    }
}

void StoryScreen::showAll() {
    TypedPage::showAll();
    for (unsigned row = 0; row < printableRows_; ++row)
        printRow(row);
}

void StoryScreen::drawPicture(sf::RenderTarget& target) {
    if (printableRows_ > 0)
        target.draw(missionSprite_);
}

// --- HowToPlayScreen ---

HowToPlayScreen::HowToPlayScreen(GameWindow& window)
    : TypedPage(window, "- Instruktionen -", content::howToPlayPage, 25, 30) {}

// --- CreditsScreen ---

CreditsScreen::CreditsScreen(GameWindow& window)
    : TextPage(window, "Credits", PageCanvas::Style::Banded) {
    const std::vector<std::string> topics = readPageLines(content::creditTopics);
    const std::vector<std::string> names = readPageLines(content::creditNames);
    const float room = layout::width / 2.f - 10.f;
    // Pairs below the window are neither drawn nor slid.
    const std::size_t pairs =
        std::min(std::max(topics.size(), names.size()), visibleRowCount(layout::height / 4, 40));
    for (std::size_t i = 0; i < pairs && i < topics.size(); ++i) {
        const sf::String topic = decodedEnd(topics[i]);
        topics_.push_back(topic.substring(fittingSuffixStart(builtinFont_, 30, topic, room)));
    }
    for (std::size_t i = 0; i < pairs && i < names.size(); ++i) {
        const sf::String name = decodedStart(names[i]);
        names_.push_back(name.substring(0, fittingPrefixLength(builtinFont_, 30, name, room)));
    }
    offsets_.assign(pairs, layout::width / 2);
}

void CreditsScreen::draw() {
    if (offsets_ != stillOffsets_) {
        stillOffsets_ = offsets_;
        canvas_.invalidate();
    }
    canvas_.draw(window_, [this](sf::RenderTarget& target) {
        drawTitle(target);
        const float middle = layout::width / 2.f;
        for (std::size_t i = 0; i < offsets_.size(); ++i) {
            const int offset = offsets_[i];
            if (offset >= layout::width / 2)
                continue; // both texts of the pair lie outside the window
            const float y = layout::height / 4.f + 40.f * static_cast<float>(i);
            if (i < topics_.size())
                drawTextRightAligned(target, bodyText_, topics_[i], 30, sf::Color::Red,
                                     middle - 10.f - static_cast<float>(offset), y);
            if (i < names_.size())
                drawTextAt(target, bodyText_, names_[i], 30, sf::Color::Cyan,
                           middle + 10.f + static_cast<float>(offset), y);
        }
    });
    drawHintAndFade();
}

void CreditsScreen::showAll() {
    std::fill(offsets_.begin(), offsets_.end(), 0);
    fade_ = 0.f;
}

void CreditsScreen::playIntro() {
    runFadeIn(window_, fade_, [this] { draw(); });
    for (int& offset : offsets_) {
        int angle = 90;
        do {
            offset = slideOffset(angle);
            draw();
            angle = slideInNextAngle(angle, window_.frameTime());
        } while (angle > 0);
        offset = 0;
    }
}

void CreditsScreen::playOutro() {
    for (int& offset : offsets_) {
        int angle = 0;
        for (;;) {
            offset = slideOffset(angle);
            draw();
            angle = slideOutNextAngle(angle, window_.frameTime());
            if (angle > 89)
                break;
        }
        offset = layout::width / 2;
    }
    runFadeOut(window_, fade_, [this] { draw(); });
}
