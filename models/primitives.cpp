// primitives.cpp: the textured quadrics, the GLUT solids and the two hand-built solids (the
// half-height box and the triangular prism) that every model is composed from.
#include "models/primitives.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

namespace {

// A quadric with texture coordinates on, deleted when the scope ends.
class TexturedQuadric {
  public:
    TexturedQuadric() : quadric_(gluNewQuadric()) { gluQuadricTexture(quadric_, GL_TRUE); }
    ~TexturedQuadric() { gluDeleteQuadric(quadric_); }
    TexturedQuadric(const TexturedQuadric &) = delete;
    TexturedQuadric &operator=(const TexturedQuadric &) = delete;
    GLUquadric *get() const { return quadric_; }

  private:
    GLUquadric *quadric_;
};

// One corner of a hand-built face: texture coordinate, then position.
struct Corner {
    double s, t;
    double x, y, z;
};

// One GL_POLYGON from its corners, no normals.
template <int N> void drawFace(const Corner (&corners)[N]) {
    glBegin(GL_POLYGON);
    for (const Corner &c : corners) {
        glTexCoord2d(c.s, c.t);
        glVertex3d(c.x, c.y, c.z);
    }
    glEnd();
}

// A four-cornered face that shows the whole texture once: (0,0), (0,1), (1,1), (1,0).
void drawQuadFace(const double (&v)[4][3]) {
    static const double texture[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    const Corner corners[4] = {
        {texture[0][0], texture[0][1], v[0][0], v[0][1], v[0][2]},
        {texture[1][0], texture[1][1], v[1][0], v[1][1], v[1][2]},
        {texture[2][0], texture[2][1], v[2][0], v[2][1], v[2][2]},
        {texture[3][0], texture[3][1], v[3][0], v[3][1], v[3][2]},
    };
    drawFace(corners);
}

} // namespace

bool lighterModels;

namespace {

// A count of slices, stacks or rings as the models are built: halved (at least `least`) for
// the lighter models.
int subdivisions(int count, int least) {
    return lighterModels && count / 2 > least ? count / 2 : count;
}

} // namespace

void cylinderOn(GLUquadric *quadric, double baseRadius, double topRadius, double height, int slices,
                int stacks) {
    gluQuadricDrawStyle(quadric, GLU_FILL);
    // a cylinder's or cone's sides are straight along its length: one stack has their shape
    gluCylinder(quadric, baseRadius, topRadius, height, slices, lighterModels ? 1 : stacks);
}

void texturedCylinder(double baseRadius, double topRadius, double height, int slices, int stacks) {
    TexturedQuadric quadric;
    cylinderOn(quadric.get(), baseRadius, topRadius, height, slices, stacks);
}

void texturedCone(double baseRadius, double height, int slices, int stacks) {
    texturedCylinder(baseRadius, 0.0, height, slices, stacks);
}

void texturedDisk(double innerRadius, double outerRadius, int slices, int loops) {
    TexturedQuadric quadric;
    gluDisk(quadric.get(), innerRadius, outerRadius, slices, lighterModels ? 1 : loops);
}

void sphereOn(GLUquadric *quadric, double radius, int slices, int stacks) {
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluSphere(quadric, radius, subdivisions(slices, 6), subdivisions(stacks, 4));
}

void texturedSphere(double radius, double slices, double stacks) {
    TexturedQuadric quadric;
    sphereOn(quadric.get(), radius, static_cast<int>(slices), static_cast<int>(stacks));
}

void drawCube(double edge) {
    glutSolidCube(edge);
}

void drawTorus(double tubeRadius, double ringRadius, double sides, double rings) {
    glutSolidTorus(tubeRadius, ringRadius, subdivisions(static_cast<int>(sides), 4),
                   subdivisions(static_cast<int>(rings), 6));
}

void texturedHalfBox(double side) {
    const double h = side / 2.0;
    const double faces[6][4][3] = {
        {{-h, h, h}, {-h, -h, h}, {h, -h, h}, {h, h, h}},   // top
        {{-h, h, 0}, {-h, h, h}, {h, h, h}, {h, h, 0}},     // side y = +h
        {{h, h, 0}, {h, h, h}, {h, -h, h}, {h, -h, 0}},     // side x = +h
        {{h, h, 0}, {-h, h, 0}, {-h, -h, 0}, {h, -h, 0}},   // bottom
        {{-h, -h, 0}, {-h, -h, h}, {-h, h, h}, {-h, h, 0}}, // side x = -h
        {{h, -h, 0}, {h, -h, h}, {-h, -h, h}, {-h, -h, 0}}, // side y = -h
    };
    for (const auto &face : faces) {
        glPushMatrix();
        drawQuadFace(face);
        glPopMatrix();
    }
}

void texturedPrism(double width, double height, double depth) {
    const double w = width / 2.0;
    glPushMatrix();
    glDisable(GL_CULL_FACE);
    const Corner nearEnd[3] = {{0, 0, -w, 0, 0}, {1, 0, w, 0, 0}, {0.5, 1, 0, height, 0}};
    const Corner farEnd[3] = {
        {0, 0, -w, 0, depth}, {1, 0, w, 0, depth}, {0.5, 1, 0, height, depth}};
    drawFace(nearEnd);
    drawFace(farEnd);
    const double slopesAndBase[3][4][3] = {
        {{-w, 0, 0}, {-w, 0, depth}, {0, height, depth}, {0, height, 0}}, // left slope
        {{0, height, 0}, {0, height, depth}, {w, 0, depth}, {w, 0, 0}},   // right slope
        {{-w, 0, 0}, {-w, 0, depth}, {w, 0, depth}, {w, 0, 0}},           // base, y = 0
    };
    for (const auto &face : slopesAndBase)
        drawQuadFace(face);
    glPopMatrix();
    glEnable(GL_CULL_FACE);
}
