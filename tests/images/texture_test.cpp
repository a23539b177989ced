// texture_test.cpp: uploads through loadTexture in a real GL context (Mesa under Xvfb), and the
// catalogue's file-to-slot table.
#include "images/bmp.h"
#include "images/textures.h"
#include "gl_harness.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every test runs in the harness's window (its GL context).
class TextureTest : public testing::Test {
  protected:
    void SetUp() override { openTestWindow(); }
};

GLint levelSize(int level, GLenum which) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, which, &value);
    return value;
}

// Level `level` of the bound texture, RGB rows from t = 0, no padding.
std::vector<unsigned char> levelPixels(int level) {
    std::vector<unsigned char> pixels(size_t(levelSize(level, GL_TEXTURE_WIDTH)) *
                                      levelSize(level, GL_TEXTURE_HEIGHT) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::string loadCapturingErrors(const char *fileName, unsigned int *table, int slot, bool *loaded) {
    testing::internal::CaptureStderr();
    *loaded = loadTexture(fileName, table, slot);
    return testing::internal::GetCapturedStderr();
}

TEST_F(TextureTest, BuildsTheWholeMipmapChainWithTheStatedFilters) {
    unsigned int table[4] = {};
    bool loaded;
    EXPECT_EQ(loadCapturingErrors("fixtures/good/t24_100x60.bmp", table, 2, &loaded), "");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(table[0] | table[1] | table[3], 0u);
    ASSERT_TRUE(glIsTexture(table[2]));
    glBindTexture(GL_TEXTURE_2D, table[2]);
    GLint minFilter = 0, magFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(magFilter, GL_LINEAR);

    // 100 x 60 is scaled to powers of two; every level down to 1 x 1 exists
    GLint width = levelSize(0, GL_TEXTURE_WIDTH), height = levelSize(0, GL_TEXTURE_HEIGHT);
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    EXPECT_EQ(width & (width - 1), 0);
    EXPECT_EQ(height & (height - 1), 0);
    int level = 0;
    while (levelSize(level, GL_TEXTURE_WIDTH) > 1 || levelSize(level, GL_TEXTURE_HEIGHT) > 1)
        level++;
    EXPECT_EQ(levelSize(level, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(levelSize(level, GL_TEXTURE_HEIGHT), 1);

    // upright: the picture's bottom row (green 255) at t = 0, its top row (green 0) at t = 1
    std::vector<unsigned char> pixels = levelPixels(0);
    size_t lastRow = size_t(width) * (height - 1) * 3;
    EXPECT_GT(pixels[1], 240);
    EXPECT_LT(pixels[lastRow + 1], 15);
}

TEST_F(TextureTest, AQuadShowsThePictureUpright) {
    unsigned int slot = 0;
    ASSERT_TRUE(loadTexture("fixtures/good/t24_100x60.bmp", &slot, 0));
    beginTestFrame();
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, slot);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS); // the whole window, t = 0 along its bottom edge
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    if (const char *png = std::getenv("PASTURON_SCREENSHOT")) // to look at it: a PNG path
        saveScreenshot(png);
    // the picture: green 255 along its bottom row, 0 along its top; red grows to the right
    Rgb bottomLeft = readPixel(20, 20), topRight = readPixel(780, 580);
    EXPECT_GT(bottomLeft.g, 200);
    EXPECT_LT(bottomLeft.r, 40);
    EXPECT_LT(topRight.g, 40);
    EXPECT_GT(topRight.r, 200);
    EXPECT_TRUE(near(bottomLeft, {bottomLeft.r, bottomLeft.g, 128}, 8)); // blue 128 throughout
}

TEST_F(TextureTest, RowsOfAnyWidthUploadExactly) {
    // 2 pixels a row: 6 bytes, not a multiple of GL's default 4-byte unpack alignment
    ImageRecord *image = loadBmpImage("fixtures/good/t24_2x4.bmp");
    ASSERT_NE(image, nullptr);
    std::vector<unsigned char> expected(image->pixels, image->pixels + 2 * 4 * 3);
    std::free(image->pixels);
    std::free(image);

    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    unsigned int slot = 0;
    ASSERT_TRUE(loadTexture("fixtures/good/t24_2x4.bmp", &slot, 0));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8); // left as the caller had it
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

    glBindTexture(GL_TEXTURE_2D, slot);
    ASSERT_EQ(levelSize(0, GL_TEXTURE_WIDTH), 2);
    ASSERT_EQ(levelSize(0, GL_TEXTURE_HEIGHT), 4);
    EXPECT_EQ(levelPixels(0), expected);
}

TEST_F(TextureTest, FailuresLeaveTheSlotAlone) {
    unsigned int slot = 77;
    bool loaded;
    EXPECT_EQ(loadCapturingErrors(nullptr, &slot, 0, &loaded), ""); // no name: no message
    EXPECT_FALSE(loaded);
    EXPECT_EQ(slot, 77u);
    EXPECT_EQ(loadCapturingErrors("fixtures/bad/trunc_pixels.bmp", &slot, 0, &loaded),
              "Error: DIB file fixtures/bad/trunc_pixels.bmp is shorter than its headers "
              "announce.\n");
    EXPECT_FALSE(loaded);
    EXPECT_EQ(slot, 77u);
}

// A folder holding every catalogue file except `missing`; the slots cleared; the working
// directory moved there until the end of the test.
class CatalogueFolder : public TextureTest {
  protected:
    void prepare(const std::string &missing) {
        home = fs::current_path();
        fs::path fixture = home / "fixtures/good/t24_2x4.bmp";
        folder = fs::temp_directory_path() / ("pasturon-textures-" + std::to_string(getpid()));
        fs::remove_all(folder);
        for (const TextureEntry &entry : TextureCatalogue) {
            fs::create_directories((folder / entry.file).parent_path());
            if (entry.file != missing)
                fs::copy_file(fixture, folder / entry.file);
        }
        fs::current_path(folder);
        std::memset(ModelTextures, 0, sizeof ModelTextures);
        std::memset(TileTextures, 0, sizeof TileTextures);
        SplashTexture = 0;
    }
    std::string loadCatalogue() {
        testing::internal::CaptureStderr();
        loadSplashTexture();
        loadTileTextures();
        loadSceneryTextures();
        loadCowTextures();
        return testing::internal::GetCapturedStderr();
    }
    void TearDown() override {
        TextureTest::TearDown();
        fs::current_path(home);
        fs::remove_all(folder);
    }
    fs::path home, folder;
};

TEST_F(CatalogueFolder, EveryFileFillsItsOwnSlot) {
    prepare("");
    EXPECT_EQ(loadCatalogue(), "");
    std::set<unsigned int> names;
    for (const TextureEntry &entry : TextureCatalogue) {
        SCOPED_TRACE(entry.file);
        EXPECT_TRUE(glIsTexture(*textureSlot(entry)));
        names.insert(*textureSlot(entry));
    }
    EXPECT_EQ(names.size(), std::size(TextureCatalogue));
    for (int slot = 3; slot <= 8; slot++)
        EXPECT_EQ(TileTextures[slot], 0u) << "tile slot " << slot;
    EXPECT_EQ(ModelTextures[18], 0u);
    EXPECT_EQ(ModelTextures[19], 0u);
}

// The layout the drawing code relies on: 23 files, loaded splash, tiles, scenery, cows; the four
// tiles in slots 0, 1, 2 and 9; every model slot 0..17 filled exactly once.
TEST(TextureCatalogue, FillsTheDocumentedSlotsInLoadOrder) {
    ASSERT_EQ(TextureCatalogueSize, 23);
    std::multiset<int> tileSlots, modelSlots;
    for (int i = 0; i < TextureCatalogueSize; i++) {
        const TextureEntry &entry = TextureCatalogue[i];
        EXPECT_STREQ(textureCatalogueFile(i), entry.file) << i;
        if (i > 0) {
            EXPECT_GE(entry.group, TextureCatalogue[i - 1].group) << entry.file;
        }
        (entry.table == TextureTable::Tiles ? tileSlots : modelSlots).insert(entry.slot);
    }
    EXPECT_EQ(tileSlots, (std::multiset<int>{0, 1, 2, 9}));
    std::multiset<int> everyModelSlot;
    for (int slot = 0; slot <= 17; slot++)
        everyModelSlot.insert(slot);
    modelSlots.erase(modelSlots.find(0)); // the splash entry's slot
    EXPECT_EQ(modelSlots, everyModelSlot);
    EXPECT_EQ(textureSlot(TextureCatalogue[0]), &SplashTexture);
    EXPECT_EQ(textureSlot(TextureCatalogue[10]), &ModelTextures[9]); // textures/rock2.bmp
    EXPECT_STREQ(TextureCatalogue[10].file, "textures/rock2.bmp");
    EXPECT_EQ(textureCatalogueFile(TextureCatalogueSize), nullptr);
    EXPECT_EQ(textureCatalogueFile(-1), nullptr);
}

TEST_F(CatalogueFolder, AMissingFileEmptiesOnlyItsSlot) {
    prepare("textures/rock2.bmp");
    EXPECT_EQ(loadCatalogue(), "Error: Failed to open DIB file textures/rock2.bmp.\n");
    for (const TextureEntry &entry : TextureCatalogue)
        EXPECT_EQ(*textureSlot(entry) == 0, std::string(entry.file) == "textures/rock2.bmp")
            << entry.file;
}

} // namespace
