// detail.cpp: the detail setting: the texture filters, the smaller picture of low detail and
// the advice to software renderers.
#include "shell/detail.h"
#include "images/texture_slots.h"
#include "models/primitives.h"
#include "shell/game.h"
#include "shell/screen_flow.h"

#include <GL/gl.h>
#include <cstring>
#include <iterator>

namespace {

constexpr int LowDetailDivisor = 2;   // low detail draws at the window's size / this
constexpr double FallingBehind = 0.9; // of the tick rate: pictures slower than this lag
const char *const SoftwareRenderers[] = {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"};

// --- Process lifetime ---
Detail detail = Detail::High;
bool advised;
bool detailGiven;                              // --detail: settings.conf's line does not change it
unsigned int pictureTexture;                   // low detail's picture, copied from the back buffer
int pictureTextureWidth, pictureTextureHeight; // its size, powers of two
int fullWidth, fullHeight;                     // the window, while the halves draw smaller

int powerOfTwoAtLeast(int size) {
    int power = 1;
    while (power < size)
        power *= 2;
    return power;
}

void setFilters(const unsigned int *table, size_t count) {
    const bool low = detail == Detail::Low;
    for (size_t i = 0; i < count; i++) {
        if (!table[i])
            continue;
        glBindTexture(GL_TEXTURE_2D, table[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                        low ? GL_NEAREST_MIPMAP_NEAREST : GL_LINEAR_MIPMAP_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, low ? GL_NEAREST : GL_LINEAR);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

bool softwareRenderer() {
    const char *renderer = reinterpret_cast<const char *>(glGetString(GL_RENDERER));
    if (!renderer)
        return false;
    for (const char *name : SoftwareRenderers)
        if (std::strstr(renderer, name))
            return true;
    return false;
}

// Low detail's picture texture, at least `width` x `height`, bound.
void bindPictureTexture(int width, int height) {
    if (!pictureTexture)
        glGenTextures(1, &pictureTexture);
    glBindTexture(GL_TEXTURE_2D, pictureTexture);
    if (pictureTextureWidth >= width && pictureTextureHeight >= height)
        return;
    pictureTextureWidth = powerOfTwoAtLeast(width);
    pictureTextureHeight = powerOfTwoAtLeast(height);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, pictureTextureWidth, pictureTextureHeight, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

// "high" or "low" into *level; false with `error` set for anything else.
bool readDetail(const char *value, Detail *level, std::string &error) {
    if (std::strcmp(value, "high") == 0 || std::strcmp(value, "low") == 0) {
        *level = value[0] == 'h' ? Detail::High : Detail::Low;
        return true;
    }
    error = std::string("expected high or low, not '") + value + "'";
    return false;
}

} // namespace

bool takeDetailOption(const char *value, std::string &error) {
    detailGiven = true;
    return readDetail(value, &detail, error);
}

bool takeDetailSetting(const std::string &value, std::string &reason) {
    Detail level;
    if (!readDetail(value.c_str(), &level, reason))
        return false;
    if (!detailGiven)
        detail = level;
    return true;
}

std::string detailSetting() {
    return detail == Detail::Low ? "low" : "high";
}

Detail currentDetail() {
    return detail;
}

void setDetail(Detail level) {
    detail = level;
    lighterModels = level == Detail::Low;
    setFilters(TileTextures, std::size(TileTextures));
    setFilters(ModelTextures, std::size(ModelTextures));
}

void beginHalves() {
    fullWidth = windowWidth;
    fullHeight = windowHeight;
    if (detail != Detail::Low)
        return;
    windowWidth = fullWidth / LowDetailDivisor > 0 ? fullWidth / LowDetailDivisor : 1;
    windowHeight = fullHeight / LowDetailDivisor > 0 ? fullHeight / LowDetailDivisor : 1;
}

void endHalves() {
    if (detail != Detail::Low)
        return;
    const int width = windowWidth, height = windowHeight;
    windowWidth = fullWidth;
    windowHeight = fullHeight;
    bindPictureTexture(width, height);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
    glViewport(0, 0, fullWidth, fullHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    const float s = static_cast<float>(width) / pictureTextureWidth;
    const float t = static_cast<float>(height) / pictureTextureHeight;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(s, 0);
    glVertex2f(1, -1);
    glTexCoord2f(s, t);
    glVertex2f(1, 1);
    glTexCoord2f(0, t);
    glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
}

const char *detailAdvice(double picturesPerSecond) {
    if (advised || !playing || detail == Detail::Low ||
        picturesPerSecond >= FallingBehind * 1000.0 / TickMs || !softwareRenderer())
        return "";
    advised = true;
    return " (drawn in software, behind the game: try --detail low)";
}
