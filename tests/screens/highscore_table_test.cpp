#include "ScreenTestSupport.hpp"
#include "platform/DataFile.hpp"
#include "screens/HighscoreTable.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::filesystem::path dataFile = "sources/Data/Highscores.data";

std::vector<HighscoreRecord> parse(const std::string& text) {
    std::istringstream in(text);
    return parseHighscores(in);
}

// Records P0, P1, ... with the given points.
std::vector<HighscoreRecord> withPoints(const std::vector<int>& points) {
    std::vector<HighscoreRecord> records;
    for (int p : points)
        records.push_back(
            {std::string("P").append(std::to_string(records.size())), std::to_string(p), "1"});
    return records;
}

} // namespace

TEST(HighscoreFormat, RecordsWhateverTheCountSays) {
    const HighscoreRecord alpha{"Alpha", "5300", "812"}, bravo{"Bravo", "2100", "340"};
    // Whatever the count says, what is there is read; only a first line 0 hides the rest. A cut
    // record repeats the last text read. A line break after the last record adds no empty
    // record; one not last is kept.
    const std::pair<std::string, std::vector<HighscoreRecord>> texts[] = {
        {"1\nAlpha\n5300\n812", {alpha}},
        {"2\r\nAlpha\r\n5300\r\n812\r\nBravo\r\n2100\r\n340", {alpha, bravo}},
        {"0\nAlpha\n5300\n812", {}},
        {"1\nAlpha\n5300\n812\nBravo\n2100\n340", {alpha, bravo}},
        {"9\nAlpha\n5300\n812", {alpha}},
        {"lots\nAlpha\n5300\n812", {alpha}},
        {"", {}},
        {"3", {}},
        {"3\n", {}},
        {"1\nAlpha\n5300", {{"Alpha", "5300", "5300"}}},
        {"2\nAlpha\n5300\n812\nBravo", {alpha, {"Bravo", "Bravo", "Bravo"}}},
        {"1\nAlpha\n5300\n812\n", {alpha}},
        {"1\n\n\n", {}},
        {"2\n\n\n\nAlpha\n5300\n812", {{"", "", ""}, alpha}}};
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(parse(text), expected) << text;

    // Written: the count, then the fields byte for byte, without a final line break and without
    // empty records at the end.
    EXPECT_EQ(formatHighscores({}), "0\n");
    EXPECT_EQ(formatHighscores({alpha, bravo, {"", "", ""}, {"", "", ""}}),
              "2\nAlpha\n5300\n812\nBravo\n2100\n340");
    EXPECT_EQ(formatHighscores({{"", "", ""}, {"a\xFF b", "x", ""}}), "2\n\n\n\na\xFF b\nx\n");

    // Only the start of a field longer than any name is kept; the next line is the next field.
    EXPECT_EQ(parse("1\n" + std::string(100 * 1024, 'x') + "\n1\n2"),
              (std::vector<HighscoreRecord>{{std::string(maxFieldLength, 'x'), "1", "2"}}));
}

TEST(HighscoreTable, AddsBeforeTheFirstWithFewerPointsTrimsAt21AndRewritesTheFileOnEveryUse) {
    const auto records = withPoints({1000, 800});
    // Points that are no number count as 0.
    EXPECT_EQ(placementOf({{"x", "junk", "1"}}, 1), 0u);
    EXPECT_EQ(placementOf({{"x", "junk", "1"}}, 0), 1u);

    ScratchFolder folder;
    {
        writeBytes(dataFile, formatHighscores(records));
        HighscoreTable table;
        table.add("New", 900, 1);
        table.add("Tie", 1000, 2);
        EXPECT_EQ(table.records(),
                  (std::vector<HighscoreRecord>{
                      records[0], {"Tie", "1000", "2"}, {"New", "900", "1"}, records[1]}));
    }
    {
        std::vector<int> points;
        for (int i = 0; i < 20; ++i)
            points.push_back(2000 - i * 100); // the last at 100
        const auto full = withPoints(points);
        writeBytes(dataFile, formatHighscores(full));
        HighscoreTable table;
        table.add("Low", 50, 1);
        EXPECT_EQ(table.records(), full);
        table.add("Mid", 150, 1);
        ASSERT_EQ(table.records().size(), 20u);
        EXPECT_EQ(table.records()[19].name, "Mid");
    }
    {
        // A hand-edited list of 25 under a stated 20: nothing is trimmed.
        std::string text = "20\n";
        for (int i = 0; i < 25; ++i)
            text.append("P\n").append(std::to_string(100 - i)).append(i < 24 ? "\n1\n" : "\n1");
        writeBytes(dataFile, text);
        HighscoreTable table;
        EXPECT_EQ(table.records().size(), 25u);
        table.add("New", 1, 1);
        EXPECT_EQ(table.records().size(), 26u);
    }

    // Every use rewrites the file; a failed save keeps the stored list.
    std::filesystem::remove_all("sources/Data");
    {
        HighscoreTable table; // the missing folder is made
        EXPECT_TRUE(table.records().empty());
        table.add("Alpha", 5300, 812);
    }
    EXPECT_EQ(readBytes(dataFile), "1\nAlpha\n5300\n812");
    writeBytes(dataFile, "0\nAlpha\n5300\n812");
    { HighscoreTable table; }
    EXPECT_EQ(readBytes(dataFile), "0\n");
    writeBytes(dataFile, "2\r\nAlpha\r\n5300\r\n812\r\nBravo\r\n2100\r\n340\r\n");
    { HighscoreTable table; }
    EXPECT_EQ(readBytes(dataFile), "2\nAlpha\n5300\n812\nBravo\n2100\n340");
    writeBytes(dataFile, "0\nX");
    EXPECT_TRUE(replaceFile(dataFile, "0\nY")); // as long, other bytes
    EXPECT_EQ(readBytes(dataFile), "0\nY");

    // A non-empty folder under the file's own name cannot be replaced.
    std::filesystem::remove(dataFile);
    std::filesystem::create_directories("sources/Data/Highscores.data/inside");
    EXPECT_FALSE(replaceFile(dataFile, "0\n"));
    EXPECT_FALSE(std::filesystem::exists("sources/Data/Highscores.data.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory(dataFile));
}
