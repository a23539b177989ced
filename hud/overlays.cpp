// overlays.cpp: flat text and plates drawn over the picture in window pixels.
#include "hud/overlays.h"
#include "hud/fonts.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>
#include <algorithm>

namespace {

// Greys of the plates under the text: red, green, blue, opacity.
constexpr float DarkPlate[4] = {0, 0, 0, 0.6f};
constexpr float KeyTestBackground[4] = {0.08f, 0.1f, 0.12f, 1};

FTFont *overlayFont() {
    return Fonts[PolygonFontSlot]; // flat letters; null in programs that made no fonts
}

// Start drawing in `rect` with (0, 0) its lower left pixel and no depth, culling or texture.
void beginOverlay(const ScreenRect &rect) {
    glPushAttrib(GL_ENABLE_BIT | GL_VIEWPORT_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT |
                 GL_POLYGON_BIT | GL_TRANSFORM_BIT);
    glViewport(rect.x, rect.y, rect.width, rect.height);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, rect.width, 0, rect.height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glFrontFace(GL_CCW);
}

void endOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

void plate(float x0, float y0, float x1, float y1, const float colour[4]) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4fv(colour);
    glBegin(GL_QUADS);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
    glDisable(GL_BLEND);
}

// Width in pixels of `text` set `size` pixels high (the font's em).
float textWidth(const char *text, float size) {
    FTFont *font = overlayFont();
    return font ? font->Advance(text) * size / FontFaceSize : 0;
}

// White `text`, `size` pixels high, its baseline starting at (x, y).
void textAt(float x, float y, float size, const char *text) {
    FTFont *font = overlayFont();
    if (!font)
        return;
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(size / FontFaceSize, size / FontFaceSize, 1);
    glColor3f(1, 1, 1);
    font->Render(text);
    glPopMatrix();
}

// The size that sets `text` `width` pixels wide, no larger than `most`.
float sizeToFit(const char *text, float width, float most) {
    const float atOne = textWidth(text, 1);
    return atOne > 0 ? std::min(most, width / atOne) : most;
}

void centredText(float centreX, float y, float size, const char *text) {
    textAt(centreX - textWidth(text, size) / 2, y, size, text);
}

} // namespace

void drawPauseBanner(const ScreenRect &view, const char *goOn) {
    beginOverlay(view);
    const float w = static_cast<float>(view.width), h = static_cast<float>(view.height);
    const float big = sizeToFit("PAUSED", 0.6f * w, 0.16f * h);
    const float small = sizeToFit(goOn, 0.8f * w, 0.4f * big);
    const float middle = h / 2;
    plate(0, middle - 1.1f * small - 0.3f * big, w, middle + 1.0f * big, DarkPlate);
    centredText(w / 2, middle, big, "PAUSED");
    centredText(w / 2, middle - 0.25f * big - small * 0.8f, small, goOn);
    endOverlay();
}

void drawScreenNote(const ScreenRect &window, const char *text) {
    beginOverlay(window);
    const float w = static_cast<float>(window.width), h = static_cast<float>(window.height);
    const float size = std::min(0.06f * h, 0.05f * w);
    const float half = textWidth(text, size) / 2 + 0.4f * size;
    const float top = h - 0.3f * size;
    plate(w / 2 - half, top - 1.1f * size, w / 2 + half, top, DarkPlate);
    centredText(w / 2, top - 0.85f * size, size, text);
    endOverlay();
}

void drawKeyTestScreen(const ScreenRect &window, const char *hint,
                       const std::vector<KeyTestColumn> &columns) {
    beginOverlay(window);
    const float w = static_cast<float>(window.width), h = static_cast<float>(window.height);
    plate(0, 0, w, h, KeyTestBackground);
    const float title = std::min(0.09f * h, 0.08f * w);
    centredText(w / 2, h - 1.2f * title, title, "KEY TEST");
    const float hintSize = sizeToFit(hint, 0.94f * w, 0.4f * title);
    centredText(w / 2, h - 1.2f * title - 1.6f * hintSize, hintSize, hint);
    const float line = std::min(0.045f * h, 0.7f * title);
    const float columnWidth = columns.empty() ? w : w / static_cast<float>(columns.size());
    for (size_t c = 0; c < columns.size(); c++) {
        const float left = columnWidth * static_cast<float>(c) + 0.05f * columnWidth;
        float y = h - 1.6f * title - 2.2f * hintSize - 1.5f * line;
        const float heading = sizeToFit(columns[c].heading.c_str(), 0.9f * columnWidth, line);
        textAt(left, y, heading, columns[c].heading.c_str());
        for (const std::string &text : columns[c].lines) {
            y -= 1.3f * line;
            textAt(left, y, sizeToFit(text.c_str(), 0.9f * columnWidth, line), text.c_str());
        }
    }
    endOverlay();
}
