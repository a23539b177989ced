// text_test.cpp: the counters' digit strings and the font set's start-up checks.
#include "hud/fonts.h"
#include "hud/hud.h"
#include "test_data.h"

#include <FTGL/ftgl.h>
#include <gtest/gtest.h>
#include <string>

namespace {

const char *const ScalableFont = testFontPath();

TEST(Counters, DigitsKeepLeadingZeros) {
    EXPECT_STREQ(formatThreeDigits(0), "000");
    EXPECT_STREQ(formatThreeDigits(7), "007");
    EXPECT_STREQ(formatThreeDigits(60), "060");
    EXPECT_STREQ(formatThreeDigits(123), "123");
    EXPECT_STREQ(formatThreeDigits(999), "999");
    EXPECT_STREQ(formatTwoDigits(0), "00");
    EXPECT_STREQ(formatTwoDigits(3), "03");
    EXPECT_STREQ(formatTwoDigits(10), "10");
    EXPECT_STREQ(formatTwoDigits(99), "99");
}

TEST(Counters, ValuesOutOfReachAreClampedToTheNearestShown) {
    EXPECT_STREQ(formatThreeDigits(-4), "000");
    EXPECT_STREQ(formatThreeDigits(-1000000), "000");
    EXPECT_STREQ(formatThreeDigits(1000), "999");
    EXPECT_STREQ(formatThreeDigits(2147483647), "999");
    EXPECT_STREQ(formatTwoDigits(-1), "00");
    EXPECT_STREQ(formatTwoDigits(100), "99");
    EXPECT_STREQ(formatTwoDigits(-2147483647 - 1), "00");
}

TEST(FontSet, MissingFileIsReportedOnceWithoutNewlineAndStatusOne) {
    EXPECT_EXIT(createFonts("fonts/no-such-font.ttf"), testing::ExitedWithCode(1),
                "^Failed to open font fonts/no-such-font\\.ttf$");
}

TEST(FontSet, AFontWithoutTheFaceSizeIsRefused) {
    // a bitmap font of one fixed size cannot be set to 144 points
    EXPECT_EXIT(createFonts("fonts/fixed8.bdf"), testing::ExitedWithCode(1),
                "^Failed to set size$");
}

TEST(FontSet, SixStylesInSlotOrderAtTheirSizes) {
    createFonts(ScalableFont);
    EXPECT_NE(dynamic_cast<FTBitmapFont *>(Fonts[BitmapFontSlot]), nullptr);
    EXPECT_NE(dynamic_cast<FTPixmapFont *>(Fonts[PixmapFontSlot]), nullptr);
    EXPECT_NE(dynamic_cast<FTOutlineFont *>(Fonts[OutlineFontSlot]), nullptr);
    EXPECT_NE(dynamic_cast<FTPolygonFont *>(Fonts[PolygonFontSlot]), nullptr);
    EXPECT_NE(dynamic_cast<FTExtrudeFont *>(Fonts[ExtrudedFontSlot]), nullptr);
    EXPECT_NE(dynamic_cast<FTTextureFont *>(Fonts[TextureFontSlot]), nullptr);
    for (FTFont *font : Fonts) {
        EXPECT_EQ(font->Error(), 0);
        EXPECT_EQ(font->FaceSize(), FontFaceSize);
    }
    EXPECT_EQ(CurrentFont, PolygonFontSlot); // the extruded font's face, without its sides
    ASSERT_NE(dynamic_cast<FTPixmapFont *>(InfoFont), nullptr);
    EXPECT_EQ(InfoFont->FaceSize(), InfoFaceSize);
    // glyph advances are in font units at 144 points: a wide capital is about 100 of them
    EXPECT_GT(Fonts[PixmapFontSlot]->Advance("W"), 100.0f);
}

} // namespace
