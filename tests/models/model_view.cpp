// model_view.cpp: orthographic model views, world extents and reference images.
#include "model_view.h"
#include "shell/camera.h"
#include "shell/game.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>

namespace {

// The current view: which world axes the screen axes show, and its scale.
struct ViewState {
    int acrossAxis, acrossSign, upAxis;
    double pixelsPerUnit;
    double centre[3];
} view;

// World coordinate along an axis of the screen, from a pixel edge of the window.
double acrossAt(double pixelEdge) {
    return view.centre[view.acrossAxis] +
           view.acrossSign * (pixelEdge - windowWidth / 2.0) / view.pixelsPerUnit;
}
double upAt(double pixelEdge) {
    return view.centre[view.upAxis] + (pixelEdge - windowHeight / 2.0) / view.pixelsPerUnit;
}

} // namespace

void beginModelView(Look look, double pixelsPerUnit, double cx, double cy, double cz) {
    beginTestFrame();
    view = {0, -1, 1, pixelsPerUnit, {cx, cy, cz}};
    glMatrixMode(GL_PROJECTION);
    double halfWidth = windowWidth / 2.0 / pixelsPerUnit;
    double halfHeight = windowHeight / 2.0 / pixelsPerUnit;
    glOrtho(-halfWidth, halfWidth, -halfHeight, halfHeight, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    if (look == Look::FromSide) {
        glRotated(-90, 1, 0, 0);
        view.upAxis = 2;
    } else if (look == Look::FromFront) {
        glRotated(-90, 1, 0, 0);
        glRotated(-90, 0, 0, 1);
        view.acrossAxis = 1;
        view.acrossSign = 1;
        view.upAxis = 2;
    }
    mirrorWorld(); // as the game draws the world
    glTranslated(-cx, -cy, -cz);
}

WorldExtent worldExtent(const PixelBox &box) {
    double a = acrossAt(box.left), b = acrossAt(box.right + 1.0);
    WorldExtent extent;
    extent.across0 = a < b ? a : b;
    extent.across1 = a < b ? b : a;
    extent.up0 = upAt(box.bottom);
    extent.up1 = upAt(box.top + 1.0);
    return extent;
}

bool shownExtent(WorldExtent *extent) {
    PixelBox box;
    if (!boundingBox(SkyBlue, &box))
        return false;
    *extent = worldExtent(box);
    return true;
}

void worldToPixel(double x, double y, double z, int *px, int *py) {
    const double world[3] = {x, y, z};
    double across = (world[view.acrossAxis] - view.centre[view.acrossAxis]) * view.acrossSign;
    double up = world[view.upAxis] - view.centre[view.upAxis];
    *px = static_cast<int>(windowWidth / 2.0 + across * view.pixelsPerUnit);
    *py = static_cast<int>(windowHeight / 2.0 + up * view.pixelsPerUnit);
}

double differenceFromReference(const std::string &name) {
    std::string reference = std::string(ModelsReferenceDir) + "/" + name + ".png";
    std::string current = std::string(ModelsOutputDir) + "/" + name + ".png";
    saveScreenshot(current);
    if (std::getenv("PASTURON_UPDATE_REFERENCES")) {
        saveScreenshot(reference);
        return 0;
    }
    // ImageMagick counts the pixels that differ by more than the fuzz
    std::string command =
        "compare -metric AE -fuzz 6% '" + reference + "' '" + current + "' null: 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return 1;
    double differing = -1;
    if (std::fscanf(pipe, "%lf", &differing) != 1)
        differing = -1;
    pclose(pipe);
    if (differing < 0)
        return 1; // missing or unreadable reference
    return differing / (static_cast<double>(windowWidth) * windowHeight);
}

bool shownExtentInColumn(double across, WorldExtent *extent) {
    int x = static_cast<int>(windowWidth / 2.0 + (across - view.centre[view.acrossAxis]) *
                                                     view.acrossSign * view.pixelsPerUnit);
    PixelBox box = {x, windowHeight, x, -1};
    for (int y = 0; y < windowHeight; y++) {
        if (near(readPixel(x, y), SkyBlue))
            continue;
        box.bottom = y < box.bottom ? y : box.bottom;
        box.top = y > box.top ? y : box.top;
    }
    if (box.top < 0)
        return false;
    *extent = worldExtent(box);
    return true;
}
