// text.cpp: lettering through FreeType: glyph layout with kerning, a stroked outline and a
// drop shadow, blended into the picture.
#include "text.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

namespace {

// Blend one rendered glyph bitmap at its pen position.
void blitGlyph(Canvas &canvas, FT_Glyph glyph, Point pen, Colour c, double alpha) {
    if (FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1) != 0) {
        FT_Done_Glyph(glyph);
        return;
    }
    auto *bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(glyph);
    const FT_Bitmap &bm = bitmapGlyph->bitmap;
    for (unsigned row = 0; row < bm.rows; ++row)
        for (unsigned col = 0; col < bm.width; ++col) {
            double cover = bm.buffer[row * bm.pitch + col] / 255.0;
            canvas.blend(static_cast<int>(pen.x) + bitmapGlyph->left + static_cast<int>(col),
                         static_cast<int>(pen.y) - bitmapGlyph->top + static_cast<int>(row), c,
                         cover * alpha);
        }
    FT_Done_Glyph(glyph);
}

struct Layout {
    std::vector<FT_Glyph> glyphs;
    std::vector<double> penX; // pixels from the start of the line
    double width = 0;
};

Layout layOut(FT_Face face, const std::string &text) {
    Layout layout;
    FT_UInt previous = 0;
    double x = 0;
    for (unsigned char ch : text) {
        FT_UInt index = FT_Get_Char_Index(face, ch);
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern);
            x += kern.x / 64.0;
        }
        FT_Glyph glyph;
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP) == 0 &&
            FT_Get_Glyph(face->glyph, &glyph) == 0) {
            layout.glyphs.push_back(glyph);
            layout.penX.push_back(x);
        }
        x += face->glyph->advance.x / 64.0;
        previous = index;
    }
    layout.width = x;
    return layout;
}

// Draw every glyph, stroked by `stroker` when given (the outline), plain otherwise.
void drawLayer(Canvas &canvas, const Layout &layout, Point origin, FT_Stroker stroker, Colour c,
               double alpha) {
    for (size_t i = 0; i < layout.glyphs.size(); ++i) {
        FT_Glyph glyph;
        if (FT_Glyph_Copy(layout.glyphs[i], &glyph) != 0)
            continue;
        if (stroker && FT_Glyph_StrokeBorder(&glyph, stroker, 0, 1) != 0) {
            FT_Done_Glyph(glyph);
            continue;
        }
        blitGlyph(canvas, glyph, {origin.x + layout.penX[i], origin.y}, c, alpha);
    }
}

} // namespace

bool drawText(Canvas &canvas, const std::string &fontPath, const std::string &text, Point at,
              const TextStyle &style) {
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "cannot start FreeType\n");
        return false;
    }
    FT_Face face;
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0 ||
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.pixelSize)) != 0) {
        std::fprintf(stderr, "cannot read the font %s\n", fontPath.c_str());
        FT_Done_FreeType(library);
        return false;
    }
    Layout layout = layOut(face, text);
    Point origin{std::round(at.x - layout.width / 2), std::round(at.y)};
    FT_Stroker stroker = nullptr;
    if (style.outlineWidth > 0 && FT_Stroker_New(library, &stroker) == 0)
        FT_Stroker_Set(stroker, static_cast<FT_Fixed>(style.outlineWidth * 64),
                       FT_STROKER_LINECAP_ROUND, FT_STROKER_LINEJOIN_ROUND, 0);
    Point shadow{origin.x + style.shadowOffset.x, origin.y + style.shadowOffset.y};
    drawLayer(canvas, layout, shadow, stroker, style.outline, 0.5);
    if (stroker)
        drawLayer(canvas, layout, origin, stroker, style.outline, 1.0);
    drawLayer(canvas, layout, origin, nullptr, style.fill, 1.0);
    if (stroker)
        FT_Stroker_Done(stroker);
    for (FT_Glyph g : layout.glyphs)
        FT_Done_Glyph(g);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}
