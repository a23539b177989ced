// model_view.h: fixed orthographic views for drawing one model alone, and the measures the
// rendered model tests take: world extents of what shows, reference images.
#pragma once

#include "gl_harness.h"

#include <string>

// Which way the camera looks at the model. The world is mirrored in x before drawing, as the
// game draws it, so faces are culled the way they are in play.
enum class Look {
    Down,      // from above: screen right is world -x, screen up is world +y
    FromSide,  // from -y: screen right is world -x, screen up is world +z
    FromFront, // from -x: screen right is world +y, screen up is world +z
};

// Start a frame with an orthographic `look` of `pixelsPerUnit`, the point (cx, cy, cz) at the
// window's centre.
void beginModelView(Look look, double pixelsPerUnit, double cx, double cy, double cz);

// World ranges covered by a pixel box of the current view (cells along the screen axes).
struct WorldExtent {
    double across0, across1; // along the world axis that runs across the screen
    double up0, up1;         // along the world axis that runs up the screen
};
WorldExtent worldExtent(const PixelBox &box);
// The extent of everything that is not sky; false when nothing shows.
bool shownExtent(WorldExtent *extent);
// The pixel of the current view where the world point (x, y, z) shows.
void worldToPixel(double x, double y, double z, int *px, int *py);

// Compare the window with the reference image `name` (a PNG in the reference folder): the share of
// pixels that differ by more than a small tolerance. With PASTURON_UPDATE_REFERENCES set the
// reference is written instead (and 0 returned). The current picture is kept in the build
// folder for looking at.
double differenceFromReference(const std::string &name);
// The extent of what shows in the one pixel column where world `across` lies; false when
// nothing does.
bool shownExtentInColumn(double across, WorldExtent *extent);
