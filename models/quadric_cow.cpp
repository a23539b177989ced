// quadric_cow.cpp: cow 2's model, built only from GLU and GLUT shapes in plain colours.
#include "models/cow_pose.h"
#include "models/draw_handlers.h"
#include "models/model_parts.h"
#include "models/primitives.h"
#include "rules/cow.h"

#include <GL/gl.h>
#include <initializer_list>
#include <GL/glu.h>

namespace {

// A new GLU quadric with texture coordinates, for one part routine (deleted at its end).
GLUquadric *newPartQuadric() {
    GLUquadric *quadric = gluNewQuadric();
    gluQuadricTexture(quadric, GL_TRUE);
    return quadric;
}

void colourWhite() {
    glColor3f(1, 1, 1);
}
void colourPaleBlue() {
    glColor3f(0.7f, 0.7f, 0.9f);
} // teats and collar

// Head space: +x forward, +y up.
void head() {
    GLUquadric *q = newPartQuadric();
    glPushMatrix();
    glRotated(-45, 0, 0, 1);
    glScaled(1, 0.7, 0.8);
    sphereOn(q, 5, 20, 20);
    glPopMatrix();
    for (int side : {1, -1}) { // ears
        glPushMatrix();
        glTranslated(-2, 3, 3.75 * side);
        glRotated(20 * side, 1, 0, 0);
        glScaled(0.3, 1, 1.75);
        sphereOn(q, 1, 20, 20);
        glPopMatrix();
    }
    for (int side : {1, -1}) { // eyes
        glPushMatrix();
        glTranslated(1.2, 3, 2 * side);
        colourWhite();
        sphereOn(q, 0.5, 20, 20);
        glTranslated(0.4, 0, 0);
        glColor3f(0, 0, 0.5f);
        texturedSphere(0.3, 20, 20); // pupil
        glPopMatrix();
    }
    colourWhite();
    for (int side : {1, -1}) { // horns
        glPushMatrix();
        glTranslated(-2.5, 4, 2 * side);
        glRotated(-110 * side, 1, 0, 0);
        glScaled(0.2, 0.2, 1);
        sphereOn(q, 1, 20, 20);
        glPopMatrix();
    }
    gluDeleteQuadric(q);
}

void body() {
    GLUquadric *q = newPartQuadric();
    colourWhite();
    glPushMatrix();
    cylinderOn(q, 7, 7, 20, 20, 10);
    glPopMatrix();
    glPushMatrix(); // front cap
    glScaled(1, 1, 0.5);
    sphereOn(q, 7, 20, 20);
    glPopMatrix();
    glPushMatrix(); // rear cap
    glTranslated(0, 0, 20);
    glScaled(1, 1, 0.3);
    glRotated(180, 0, 0, 1);
    sphereOn(q, 7, 20, 20);
    glPopMatrix();
    gluDeleteQuadric(q);
}

// One leg segment hanging down from (x, y, z): turned to point down, tilted back by `tilt`
// degrees, squeezed across by `squeezeX`.
void legSegment(GLUquadric *q, double x, double y, double z, double tilt, double squeezeX,
                double baseRadius, double topRadius, double length, int stacks) {
    glPushMatrix();
    glTranslated(x, y, z);
    glRotated(90, 1, 0, 0);
    if (tilt != 0)
        glRotated(tilt, 1, 0, 0);
    if (squeezeX != 1)
        glScaled(squeezeX, 1, 1);
    cylinderOn(q, baseRadius, topRadius, length, 10, stacks);
    glPopMatrix();
}

void foreleg() {
    GLUquadric *q = newPartQuadric();
    legSegment(q, -2, 1, -0.8, 0, 0.6, 2, 0.6, 6, 10);      // upper leg
    legSegment(q, -2, -4.8, -0.8, -10, 1, 0.5, 0.3, 5, 10); // lower leg
    legSegment(q, -2, -9.5, 0, -5, 1, 0.5, 0.5, 1, 4);      // hoof
    gluDeleteQuadric(q);
}

void hindLeg() {
    GLUquadric *q = newPartQuadric();
    legSegment(q, 2, 3, -2, -10, 0.6, 3, 0.6, 8, 10);    // thigh
    legSegment(q, 2, -4.5, -0.5, 0, 1, 0.5, 0.3, 5, 10); // shank
    legSegment(q, 2, -9, -0.5, -5, 1, 0.5, 0.5, 1, 4);   // hoof
    gluDeleteQuadric(q);
}

// A chain of segments, each hinged at the end of the previous one.
void tail() {
    GLUquadric *q = newPartQuadric();
    glRotated(10, 1, 0, 0);
    glPushMatrix();
    glScaled(0.8, 1, 1);
    cylinderOn(q, 1, 0.27, 1.42, 10, 10); // root
    glPopMatrix();
    glTranslated(0, 0.2, 1.2);
    glRotated(65, 1, 0, 0);
    cylinderOn(q, 0.25, 0.2, 2, 10, 10);
    glTranslated(0, 0, 1.9);
    glRotated(10, 1, 0, 0);
    cylinderOn(q, 0.2, 0.2, 2, 10, 10);
    glTranslated(0, 0, 1.9);
    glRotated(5, 1, 0, 0);
    cylinderOn(q, 0.2, 0.3, 2, 10, 10);
    glTranslated(0, 0, 1.9);
    sphereOn(q, 0.3, 10, 10); // the tuft
    gluDeleteQuadric(q);
}

void udder() {
    glColor3f(0.8f, 0.8f, 1);
    glPushMatrix();
    glTranslated(0, -3, 7.5);
    glScaled(0.5, 0.7, 1);
    texturedSphere(2, 20, 20);
    glPopMatrix();
    colourPaleBlue();
    for (double z : {8.25, 7.7, 6.75}) { // teats
        glPushMatrix();
        glTranslated(0, -4.3, z);
        glScaled(0.2, 1, 0.2);
        texturedSphere(0.5, 10, 5);
        glPopMatrix();
    }
}

// Head space, like the head.
void collarAndBell() {
    colourPaleBlue();
    glPushMatrix();
    glTranslated(-2.7, -2, 0);
    glRotated(90, 0, 1, 0);
    glRotated(-35, 1, 0, 0);
    glScaled(0.7, 1, 1);
    drawTorus(0.2, 4, 20, 20);
    glPopMatrix();
    glColor3f(0.7f, 0.3f, 0.3f);
    glPushMatrix();
    glTranslated(-0.4, -5.2, 0);
    glRotated(90, 1, 0, 0);
    glRotated(10, 0, 1, 0);
    texturedCylinder(0.75, 1.25, 1.5, 20, 1);
    glPopMatrix();
}

// Into head space: in front of and above the body, facing -z.
void toHeadSpace() {
    glTranslated(0, 3, -2.5);
    glScaled(0.55, 0.55, 0.55);
    glRotated(90, 0, 1, 0);
}

// A leg at (x, y, z) of the cow, slimmed across and along.
void placedLeg(void (*leg)(), double x, double y, double z) {
    glPushMatrix();
    glTranslated(x, y, z);
    glScaled(0.6, 0.6, 1);
    colourWhite();
    leg();
    glPopMatrix();
}

} // namespace

void quadricCowModel() {
    glDisable(GL_TEXTURE_2D); // plain colours only
    glTranslated(0, 8.5, -4);
    glRotated(3, 1, 0, 0);
    glPushMatrix();
    toHeadSpace();
    colourWhite();
    head();
    glPopMatrix();
    glPushMatrix();
    glScaled(0.64, 0.5, 0.5);
    glScaled(0.5, 1, 1);
    body();
    glPopMatrix();
    placedLeg(foreleg, 0.2, -2, 2);
    placedLeg(foreleg, 2.25, -2, 2);
    placedLeg(hindLeg, -0.2, -2, 9.8);
    placedLeg(hindLeg, -2.25, -2, 9.8);
    glPushMatrix();
    glTranslated(0, 2.5, 9.8);
    colourWhite();
    tail();
    glPopMatrix();
    glPushMatrix();
    udder();
    glPopMatrix();
    glPushMatrix();
    toHeadSpace();
    collarAndBell();
    glPopMatrix();
}

void drawQuadricCow(int, int) {
    if (!cowInView(cow2))
        return;
    const CowPose pose = drawnPose(cow2);
    glPushMatrix();
    glTranslated(pose.x, pose.y, pose.z);
    glRotated(90, 1, 0, 0);
    glRotated(-90, 0, 1, 0); // the model faces -z; this turns it to face +x
    glRotated(pose.facing, 0, 1, 0);
    double scale = modelScaleOf(cow2);
    glScaled(scale, scale, scale);
    if (pose.tiltDegrees != 0)
        glRotated(pose.tiltDegrees, 0, 0, 1); // rolled onto its side about its length
    static CompiledModel model;
    drawCompiled(model, quadricCowModel);
    glPopMatrix();
}
