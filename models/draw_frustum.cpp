// draw_frustum.cpp: the view volume of the current matrices, which the passes test the
// boxes of tiles and models against to leave out what cannot show.
#include "models/draw_passes.h"

#include <GL/gl.h>
#include <cmath>

bool legacyPasses;
bool cutSkirts = true;

namespace {

constexpr double InsideMargin = 0.01; // world units a box may lie outside and still be drawn

} // namespace

ViewFrustum currentViewFrustum() {
    double projection[16], modelview[16], clip[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    for (int column = 0; column < 4; column++) // clip = projection x modelview (column major)
        for (int row = 0; row < 4; row++) {
            double sum = 0;
            for (int k = 0; k < 4; k++)
                sum += projection[k * 4 + row] * modelview[column * 4 + k];
            clip[column * 4 + row] = sum;
        }
    // each plane is the last row of the clip matrix plus or minus one of the others
    ViewFrustum view;
    for (int i = 0; i < 6; i++) {
        const int axis = i / 2;
        const double sign = i % 2 ? -1 : 1;
        double length = 0;
        for (int k = 0; k < 4; k++) {
            view.planes[i][k] = clip[k * 4 + 3] + sign * clip[k * 4 + axis];
            if (k < 3)
                length += view.planes[i][k] * view.planes[i][k];
        }
        length = std::sqrt(length);
        for (double &coefficient : view.planes[i])
            coefficient = length > 0 ? coefficient / length : 0;
    }
    return view;
}

bool boxInView(const ViewFrustum &view, const float (&lowest)[3], const float (&highest)[3]) {
    for (const double *plane : view.planes) {
        // the corner of the box farthest along the plane's normal
        double distance = plane[3];
        for (int axis = 0; axis < 3; axis++)
            distance += plane[axis] * (plane[axis] >= 0 ? highest[axis] : lowest[axis]);
        if (distance < -InsideMargin)
            return false;
    }
    return true;
}
