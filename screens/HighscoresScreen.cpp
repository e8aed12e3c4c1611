#include "screens/HighscoresScreen.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/SoundFiles.hpp"
#include "platform/Text.hpp"

#include <algorithm>

namespace {} // namespace

std::size_t revealedRowCount(std::size_t recordCount) {
    // A hand-edited file may hold thousands of records: revealing rows nobody can see would keep
    // the screen deaf to every key for minutes.
    return std::min(recordCount, visibleRowCount(highscoreFirstRowY, highscoreRowStep));
}

HighscoresScreen::HighscoresScreen(GameWindow& window)
    : window_(window), clicks_(clickBuffer_), canvas_(PageCanvas::Style::Hatched) {
    loadSoundFile(clickBuffer_, content::clickSound);
    font_.loadOrDefault(content::displayFont);
    loadDefaultFont(builtinFont_);
    label_.setFont(font_);
    rowLabel_.setFont(builtinFont_);
    table_ = std::make_unique<HighscoreTable>();
}

void HighscoresScreen::run() {
    fadeIn();
    reveal();
    while (running_) {
        handleEvents();
        draw();
    }
    fadeOut();
    table_.reset(); // writes the file, emptied if C was pressed
}

void HighscoresScreen::fadeIn() {
    runFadeIn(window_, fade_, [this] { draw(); });
}

void HighscoresScreen::fadeOut() {
    runFadeOut(window_, fade_, [this] { draw(); });
}

void HighscoresScreen::reveal() {
    if (!table_)
        return;
    const std::vector<HighscoreRecord>& records = table_->records();
    const std::size_t count = revealedRowCount(records.size());
    sf::Clock clock;
    for (std::size_t i = shownRows_.size(); i < count; ++i) {
        waitAndRestart(clock, 0.1f);
        shownRows_.push_back(rowFor(i, records[i]));
        canvas_.invalidate();
        draw();
        clicks_.play();
    }
}

void HighscoresScreen::showAll() {
    fade_ = 0.f;
    if (!table_)
        return;
    const std::vector<HighscoreRecord>& records = table_->records();
    for (std::size_t i = shownRows_.size(); i < revealedRowCount(records.size()); ++i)
        shownRows_.push_back(rowFor(i, records[i]));
    canvas_.invalidate();
}

HighscoresScreen::Row HighscoresScreen::rowFor(std::size_t index,
                                               const HighscoreRecord& record) const {
    // Fields are shown as text whatever they hold, cut where they leave the window.
    auto fitted = [this](const std::string& field, float x) {
        const sf::String text = fromCp1252(std::string_view(field).substr(0, maxDrawnCharacters));
        return text.substring(0, fittingPrefixLength(builtinFont_, 20, text, layout::width - x));
    };
    return Row{formatNumber(static_cast<int>(index) + 1) + ".", fitted(record.name, 360.f),
               fitted(record.points, 720.f), fitted(record.seconds, 1080.f)};
}

void HighscoresScreen::handleEvent(const sf::Event& received) {
    const sf::Event event = padAsKey(received, {{PadButton::B, sf::Keyboard::Escape}});
    if (event.type != sf::Event::KeyPressed)
        return;
    if (event.key.code == sf::Keyboard::C) {
        if (table_)
            table_->clear();
        shownRows_.clear();
        canvas_.invalidate();
    } else if (event.key.code == sf::Keyboard::Escape) {
        running_ = false;
    }
}

void HighscoresScreen::handleEvents() {
    sf::Event event;
    while (window_.pollEvent(event))
        handleEvent(event);
}

void HighscoresScreen::draw() {
    canvas_.draw(window_, [this](sf::RenderTarget& target) { drawList(target); });
    drawFade(window_, static_cast<int>(fade_));
    window_.display();
}

void HighscoresScreen::drawList(sf::RenderTarget& target) {
    drawTextCentred(target, label_, "Highscores", 50, sf::Color::White, 10.f);
    if (!table_ || table_->records().empty()) {
        const sf::String empty = "...Keine Highscores-Daten vorhanden...";
        label_.setString(empty);
        label_.setCharacterSize(30);
        drawTextCentred(target, label_, empty, 30, sf::Color::White,
                        layout::height / 2.f - textHeight(label_) / 2.f);
    } else {
        const float columns[4] = {100.f, layout::width / 4.f, layout::width / 2.f,
                                  layout::width - layout::width / 4.f};
        drawTextAt(target, label_, "Platz", 30, sf::Color::Cyan, columns[0], 100.f);
        drawTextAt(target, label_, "Name", 30, sf::Color::Cyan, columns[1], 100.f);
        drawTextAt(target, label_, "Punkte", 30, sf::Color::Cyan, columns[2], 100.f);
        drawTextAt(target, label_, "Gespielte Zeit", 30, sf::Color::Cyan, columns[3], 100.f);
        for (std::size_t i = 0; i < shownRows_.size(); ++i) {
            const float y =
                static_cast<float>(highscoreFirstRowY + highscoreRowStep * static_cast<int>(i));
            if (y >= layout::height)
                break;
            const Row& row = shownRows_[i];
            drawTextAt(target, rowLabel_, row.place, 20, sf::Color::White, columns[0], y);
            drawTextAt(target, rowLabel_, row.name, 20, sf::Color::White, columns[1], y);
            drawTextAt(target, rowLabel_, row.points, 20, sf::Color::White, columns[2], y);
            drawTextAt(target, rowLabel_, row.seconds, 20, sf::Color::White, columns[3], y);
        }
    }
    drawEscapeHint(target, label_);
    drawTextRightAligned(target, label_, fromCp1252("C - L\xF6schen der Liste"), 20,
                         sf::Color::White, layout::width - 10.f, layout::height / 4.f - 60.f);
}
