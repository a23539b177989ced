// map_loader_test.cpp: reading map files byte by byte, every refusal, and the teardown.
#include "rules/cow.h"
#include "tests/world/map_text.h"
#include "world/grids.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

// The lines joined, each ended by a line feed.
std::string lines(const std::vector<std::string> &rows) {
    std::string text;
    for (const std::string &row : rows)
        text += row + "\n";
    return text;
}

// A 4 x 3 farm: hay, a rock, water, both cows.
const std::string SmallMap = lines({"_1_*.o~ ", "_ e E .*", "_ _ _2~ "});

class MapLoader : public ::testing::Test {
  protected:
    void SetUp() override { freeWorld(); }
    void TearDown() override { freeWorld(); }
};

TEST_F(MapLoader, ReadsTilesObjectsAndCows) {
    ASSERT_TRUE(loadMapText(SmallMap));
    EXPECT_EQ(mapColumns, 4);
    EXPECT_EQ(mapRows, 3);
    EXPECT_TRUE(worldIsConsistent());
    EXPECT_EQ(TileGrid[0][0]->kind, '_');
    EXPECT_EQ(TileGrid[3][0]->kind, '~');
    EXPECT_EQ(TileGrid[1][1]->kind, 'e');
    EXPECT_EQ(ObjectGrid[1][0]->kind, '*');
    EXPECT_EQ(ObjectGrid[2][0]->kind, 'o');
    EXPECT_EQ(ObjectGrid[3][1]->kind, '*');
    // tile + space, and the cows' own cells, hold no object
    EXPECT_EQ(ObjectGrid[3][0], nullptr);
    EXPECT_EQ(ObjectGrid[0][0], nullptr);
    EXPECT_EQ(ObjectGrid[2][2], nullptr);
    EXPECT_EQ(cow1->kind, '1');
    EXPECT_EQ(cow2->kind, '2');
    EXPECT_EQ(cow1->homeCol, 0);
    EXPECT_EQ(cow1->homeRow, 0);
    EXPECT_EQ(cow2->homeCol, 2);
    EXPECT_EQ(cow2->homeRow, 2);
}

TEST_F(MapLoader, LineEndsAndOddLinesReadAsTheFormatSays) {
    // CR LF reads as LF; a CR not before a LF is data (a wall block)
    std::string crlf = "_1_*.o~ \r\n_ e E .*\r\n_ _ _2~ \r\n";
    ASSERT_TRUE(loadMapText(crlf));
    EXPECT_EQ(mapColumns, 4);
    EXPECT_EQ(mapRows, 3);
    EXPECT_EQ(TileGrid[3][0]->kind, '~');
    ASSERT_TRUE(loadMapText("\r1_2\n"));
    EXPECT_EQ(TileGrid[0][0]->kind, '\r');
    EXPECT_EQ(mapColumns, 2);

    // a final line without a line feed is created but not visited
    ASSERT_TRUE(loadMapText(SmallMap + "..*o"));
    EXPECT_EQ(mapRows, 3);
    ASSERT_NE(TileGrid[1][3], nullptr);
    EXPECT_EQ(ObjectGrid[1][3]->kind, 'o');
    // a tile character that ends the file has no object
    ASSERT_TRUE(loadMapText(SmallMap + "_"));
    ASSERT_NE(TileGrid[0][3], nullptr);
    EXPECT_EQ(ObjectGrid[0][3], nullptr);

    // a longer line's extra cells are created, mapColumns comes from the last line
    ASSERT_TRUE(loadMapText(lines({"_1_2_*_o", "____"})));
    EXPECT_EQ(mapColumns, 2);
    EXPECT_EQ(ObjectGrid[3][0]->kind, 'o');

    // an empty line counts as a row of no cells and sets mapColumns to 0
    ASSERT_TRUE(loadMapText(lines({"_1_2", ""})));
    EXPECT_EQ(mapRows, 2);
    EXPECT_EQ(mapColumns, 0);
    EXPECT_NE(cow1, nullptr);
}

TEST_F(MapLoader, TheLastCowCharacterMakesTheCow) {
    ASSERT_TRUE(loadMapText(lines({"_1_2_1", "_2_ _ "})));
    EXPECT_EQ(cow1->homeCol, 2);
    EXPECT_EQ(cow1->homeRow, 0);
    EXPECT_EQ(cow2->homeCol, 0);
    EXPECT_EQ(cow2->homeRow, 1);
    EXPECT_EQ(cow1->other, cow2);
    EXPECT_EQ(ObjectGrid[2][0], nullptr);
}

TEST_F(MapLoader, NewMapClearsCellsOfTheOldOne) {
    std::string wide(2 * 40, '_');
    wide[1] = '1';
    wide[3] = '2';
    wide[79] = '*';
    ASSERT_TRUE(loadMapText(lines({wide, std::string(80, '_'), std::string(80, '_')})));
    ASSERT_NE(ObjectGrid[39][0], nullptr);
    ASSERT_TRUE(loadMapText(lines({"_1_2"})));
    for (int c = 0; c < GridSize; c++)
        for (int r = 0; r < GridSize; r++)
            if (c >= 2 || r >= 1) {
                ASSERT_TRUE(TileGrid[c][r] == nullptr && ObjectGrid[c][r] == nullptr)
                    << c << "," << r;
            }
}

// One refused map: the text, the line the message must name and a word of its reason.
struct Refusal {
    const char *what;
    std::string text;
    const char *expected;
};

std::string repeated(const std::string &piece, int times) {
    std::string text;
    for (int i = 0; i < times; i++)
        text += piece;
    return text;
}

TEST_F(MapLoader, RefusedMapsSayWhereAndWhyAndLeaveTheWorldAlone) {
    std::string row256 = "_1_2" + repeated("__", 254);
    std::string rows256 = lines({"_1_2"}) + repeated("____\n", 255);
    const Refusal refusals[] = {
        {"no cow 1", lines({"_ _2", "____"}), "Map test.map: there is no cow 1 ('1')\n"},
        {"no cow 2", lines({"_1_ ", "____"}), "Map test.map: there is no cow 2 ('2')\n"},
        {"257 cells", lines({"____", row256 + "__"}),
         "Map test.map, line 2: the line holds more than 256 cells\n"},
        {"257 rows", rows256 + "____\n",
         "Map test.map, line 257: the map has more than 256 rows\n"},
        {"257 empty rows", rows256 + "\n",
         "Map test.map, line 257: the map has more than 256 rows\n"},
        {"short line", lines({"_1_2__", "____", "______"}),
         "Map test.map, line 2: the line holds 2 cells, fewer than the 3 of the map's last line\n"},
        {"empty line inside", lines({"_1_2", "", "____"}),
         "Map test.map, line 2: the line holds 0 cells, fewer than the 2 of the map's last line\n"},
        {"odd line", lines({"_1_2", "___", "____"}),
         "Map test.map, line 1: the line holds 2 cells, fewer than the 4 of the map's last line "
         "(line 2 has an odd number of bytes, which shifts the pairs after it)\n"},
        {"silo near the top",
         lines({"_1_2______", "_____I____", "__________", "__________", "__________"}),
         "Map test.map, line 2: the silo ('I') at column 2, row 1 puts markers outside the map "
         "(it needs 2 cells on every side)\n"},
        {"barn near the side",
         lines({"_1_2" + repeated("__", 8), repeated("__", 10), repeated("__", 10),
                "_______B" + repeated("_", 12), repeated("__", 10), repeated("__", 10),
                repeated("__", 10)}),
         "Map test.map, line 4: the barn ('B') at column 3, row 3 puts markers outside the map "
         "(it needs 4 columns left and right and 3 rows above and below)\n"},
        {"silo's marker on an unvisited cell",
         lines({"_1_2______", "__________", "__________", "_____I____", "__________"}) +
             "__________",
         "Map test.map, line 4: the silo ('I') at column 2, row 3 puts markers outside the map "
         "(it needs 2 cells on every side)\n"},
    };
    ASSERT_TRUE(loadMapText(SmallMap));
    Tile *tile = TileGrid[1][1];
    WorldObject *hay = ObjectGrid[1][0];
    Cow *firstCow = cow1;
    for (const Refusal &refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        std::string errors;
        EXPECT_FALSE(loadMapTextCapturing(refusal.text, &errors));
        EXPECT_EQ(errors, refusal.expected);
        EXPECT_EQ(mapColumns, 4);
        EXPECT_EQ(mapRows, 3);
        EXPECT_EQ(TileGrid[1][1], tile);
        EXPECT_EQ(ObjectGrid[1][0], hay);
        EXPECT_EQ(cow1, firstCow);
        EXPECT_TRUE(worldIsConsistent());
    }
    // the largest map the grids hold is accepted
    EXPECT_TRUE(loadMapText(lines({row256}) + repeated(repeated("__", 256) + "\n", 255)));
    EXPECT_EQ(mapColumns, 256);
    EXPECT_EQ(mapRows, 256);
}

TEST_F(MapLoader, FilesThatCannotBeOpenedOrReadAreRefused) {
    ASSERT_TRUE(loadMapText(SmallMap));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadMap("no/such/file.map"));
    EXPECT_FALSE(loadMap("."));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Map no/such/file.map: the file cannot be opened\n"
              "Map ., line 1: the file cannot be read\n");
    EXPECT_EQ(mapColumns, 4);
    EXPECT_TRUE(worldIsConsistent());
}

// Bytes the program holds from the heap now (0 under the sanitizers, which keep their own).
size_t heapInUse() {
    return mallinfo2().uordblks;
}

TEST_F(MapLoader, ReloadsFreeEverythingTheyMade) {
    // objects taken out by play, cows made and dropped by repeated characters, markers that
    // replace objects, cells beyond the visited area: the heap must not grow over 1000 reloads
    // (and LeakSanitizer watches the sanitizer build)
    std::string map =
        lines({"_1_*_*_2_1", "_*_x_*_*_*", "_*_*_!_+_@", "_*_*_*_*_*", "__________"}) + "_*_*";
    auto reload = [&]() {
        ASSERT_TRUE(loadMapText(map));
        removeObjectAt(1, 0);
        removeObjectAt(2, 2);
        EXPECT_EQ(ObjectGrid[1][0], nullptr);
    };
    reload();
    freeWorld();
    size_t before = heapInUse();
    for (int i = 0; i < 1000; i++) {
        reload();
        if (i % 2)
            releaseRemovedObjects();
    }
    EXPECT_TRUE(worldIsConsistent());
    freeWorld();
    EXPECT_LE(heapInUse(), before + 4096) << before;
}

} // namespace
