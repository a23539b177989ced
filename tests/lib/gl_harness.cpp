// gl_harness.cpp: the rendered tests' window and pixel read-back.
#include "gl_harness.h"
#include "shell/game.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

int window;
int width, height;

void noDisplay() {}

void pumpEvents() {
    for (int i = 0; i < 20; i++)
        glutMainLoopEvent();
}

void readBack(std::vector<unsigned char> &rgb) {
    rgb.resize(static_cast<size_t>(width) * height * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
}

} // namespace

void openTestWindow(int w, int h) {
    if (!window) {
        int argc = 1;
        char name[] = "pasturon-test";
        char *argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(w, h);
        glutInitWindowPosition(0, 0);
        window = glutCreateWindow("Pasturon test");
        glutDisplayFunc(noDisplay);
        width = w, height = h;
        pumpEvents();
    } else if (w != width || h != height) {
        resizeTestWindow(w, h);
    }
    windowWidth = width;
    windowHeight = height;
    glClearColor(0.6f, 0.8f, 1.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
}

void resizeTestWindow(int w, int h) {
    glutReshapeWindow(w, h);
    for (int i = 0;
         i < 100 && (glutGet(GLUT_WINDOW_WIDTH) != w || glutGet(GLUT_WINDOW_HEIGHT) != h); i++)
        glutMainLoopEvent();
    pumpEvents();
    width = w, height = h;
    windowWidth = w;
    windowHeight = h;
}

void beginTestFrame() {
    glViewport(0, 0, width, height);
    glClearColor(0.6f, 0.8f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

Rgb readPixel(int x, int y) {
    unsigned char p[3] = {0, 0, 0};
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

bool near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

bool boundingBox(Rgb background, PixelBox *box, int tolerance) {
    std::vector<unsigned char> rgb;
    readBack(rgb);
    bool found = false;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            const unsigned char *p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            if (near({p[0], p[1], p[2]}, background, tolerance))
                continue;
            if (!found) {
                *box = {x, y, x, y};
                found = true;
            }
            if (x < box->left)
                box->left = x;
            if (x > box->right)
                box->right = x;
            if (y < box->bottom)
                box->bottom = y;
            if (y > box->top)
                box->top = y;
        }
    return found;
}

int countPixels(Rgb colour, int x0, int y0, int x1, int y1, int tolerance) {
    std::vector<unsigned char> rgb;
    readBack(rgb);
    int count = 0;
    for (int y = y0; y < y1 && y < height; y++)
        for (int x = x0; x < x1 && x < width; x++) {
            if (x < 0 || y < 0)
                continue;
            const unsigned char *p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            if (near({p[0], p[1], p[2]}, colour, tolerance))
                count++;
        }
    return count;
}

RgbPicture readWindow() {
    std::vector<unsigned char> rgb;
    readBack(rgb);
    RgbPicture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.resize(rgb.size());
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; y++) // GL reads from the bottom row up
        std::copy_n(&rgb[static_cast<size_t>(height - 1 - y) * rowBytes], rowBytes,
                    &picture.rgb[static_cast<size_t>(y) * rowBytes]);
    return picture;
}

void saveScreenshot(const std::string &pngPath) {
    if (!writePng(pngPath, readWindow()))
        std::fprintf(stderr, "could not write %s\n", pngPath.c_str());
}
