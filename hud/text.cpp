// text.cpp: the font set over the game's TrueType file, white flat text, and the
// fixed-width counters the panels show.
#include "hud/fonts.h"
#include "hud/hud.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

FTFont *Fonts[FontSlotCount];
// the HUD faces the eye: the extruded font's sides never show, and its face is the polygon font
int CurrentFont = PolygonFontSlot;
FTFont *InfoFont;
char NumberText[NumberTextSize] = "0";

namespace {

[[noreturn]] void failOpen(const char *fileName) {
    std::fprintf(stderr, "Failed to open font %s", fileName);
    std::exit(1);
}

// `value` clamped to what `digits` digits can show, written with leading zeros.
const char *formatDigits(int value, int digits, int largest) {
    value = std::clamp(value, 0, largest);
    for (int i = digits - 1; i >= 0; i--) {
        NumberText[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    NumberText[digits] = '\0';
    return NumberText;
}

} // namespace

void createFonts(const char *fileName) {
    Fonts[BitmapFontSlot] = new FTGLBitmapFont(fileName);
    Fonts[PixmapFontSlot] = new FTGLPixmapFont(fileName);
    Fonts[OutlineFontSlot] = new FTGLOutlineFont(fileName);
    Fonts[PolygonFontSlot] = new FTGLPolygonFont(fileName);
    Fonts[ExtrudedFontSlot] = new FTGLExtrdFont(fileName);
    Fonts[TextureFontSlot] = new FTGLTextureFont(fileName);
    for (FTFont *font : Fonts) {
        if (font->Error())
            failOpen(fileName);
        if (!font->FaceSize(FontFaceSize, FontResolution)) {
            std::fputs("Failed to set size", stderr);
            std::exit(1);
        }
        font->Depth(FontDepth);
        font->CharMap(ft_encoding_unicode);
    }
    InfoFont = new FTGLPixmapFont(fileName);
    if (InfoFont->Error())
        failOpen(fileName);
    InfoFont->FaceSize(InfoFaceSize, FontResolution); // a refused size here does no harm
}

void drawText(const char *text) {
    if (CurrentFont == TextureFontSlot) {
        glEnable(GL_TEXTURE_2D);
        glDisable(GL_DEPTH_TEST);
        glNormal3f(0, 0, 1);
    }
    glColor3f(1, 1, 1);
    glTranslatef(0, 0, 10);
    if (Fonts[CurrentFont]) // tools and tests may draw a frame without the font set
        Fonts[CurrentFont]->Render(text);
    glDisable(GL_BLEND);
}

const char *formatThreeDigits(int value) {
    return formatDigits(value, 3, 999);
}

const char *formatTwoDigits(int value) {
    return formatDigits(value, 2, 99);
}
