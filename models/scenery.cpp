// scenery.cpp: the farmyard's fixed objects: barn, silo, tree, fences, rock, gates, the stray
// object, the invisible markers and the home beacon.
#include "images/texture_slots.h"
#include "models/draw_handlers.h"
#include "models/model_parts.h"
#include "models/neighbours.h"
#include "models/primitives.h"
#include "rules/cow.h"

#include <GL/gl.h>
#include <initializer_list>

namespace {

// A GL matrix that places the plane of a cell as `placement` says, leaving z alone.
void multiplyPlacement(const Placement2D &p) {
    const double matrix[16] = {p.xx, p.yx, 0, 0, p.xy, p.yy, 0, 0, 0, 0, 1, 0, p.tx, p.ty, 0, 1};
    glMultMatrixd(matrix);
}

// A unit shape moved to (x, y, z), turned `turnDegrees` about +z, then scaled.
void placedPiece(void (*shape)(), double x, double y, double z, double turnDegrees, double sx,
                 double sy, double sz) {
    glPushMatrix();
    glTranslated(x, y, z);
    if (turnDegrees != 0)
        glRotated(turnDegrees, 0, 0, 1);
    glScaled(sx, sy, sz);
    shape();
    glPopMatrix();
}

void unitHalfBox() {
    texturedHalfBox(1);
}
void unitCube() {
    drawCube(1);
}

// One half-height box piece of the barn.
void barnBlock(double x, double y, double z, double turnDegrees, double sx, double sy, double sz) {
    placedPiece(unitHalfBox, x, y, z, turnDegrees, sx, sy, sz);
}

// One cube of a fence panel or gate leaf.
void placedCube(double x, double y, double z, double turnDegrees, double sx, double sy, double sz) {
    placedPiece(unitCube, x, y, z, turnDegrees, sx, sy, sz);
}

// One gable of the barn, a triangle standing on the wall top at the +x end.
void barnGable() {
    glTranslated(3.8, 0, 1.5);
    glRotated(90, 1, 0, 0);
    glRotated(90, 0, 1, 0);
    glScaled(6, 1, 0.45);
    texturedPrism(1, 1, 1);
}

// One slab of the barn roof, from the eave at y = 3.3 up to the ridge.
void roofSlab(float red) {
    glColor4f(red, 0.1f, 0.1f, 0.9f);
    glTranslated(0, 3.3, 1.4);
    glRotated(70, 1, 0, 0);
    glScaled(8.5, 0.2, 7);
    texturedHalfBox(1);
}

// The fences of kind '#' or 'F': panels joined to the neighbours.
void drawJoinedFence(int column, int row, char kind) {
    FencePanels panels = fencePanels(column, row, kind);
    if (panels.alongY) {
        glPushMatrix();
        glRotated(90, 0, 0, 1);
        drawFencePanel();
        glPopMatrix();
    }
    for (int i = 0; i < panels.alongX; i++) {
        glPushMatrix();
        drawFencePanel();
        glPopMatrix();
    }
}

// The gates of `owner`: open while it stands at its own gate or after the rival broke them.
void drawGateOf(const Cow *owner, int column, int row, char kind) {
    bool open = owner && (owner->atOwnGate || owner->gateBroken);
    glPushMatrix();
    multiplyPlacement(gateLeafPlacement(column, row, kind, open));
    drawGateLeaf();
    glPopMatrix();
}

// The barn, drawn by drawBarn.
void drawBarnModel() {
    glTranslated(0, 0, 1.5);
    colourBarnRed();
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexBarn);
    // long walls, two blocks high
    for (double y : {3.0, -3.0})
        for (double z : {0.0, -1.5})
            barnBlock(0, y, z, 0, 8, 0.5, 3);
    // end walls with a doorway in the middle
    for (double x : {4.0, -4.0})
        for (double y : {2.4, -2.4})
            for (double z : {0.0, -1.5})
                barnBlock(x, y, z, 90, 12.0 / 7.0, 0.45, 3);
    glPushMatrix();
    barnGable();
    glPopMatrix();
    glPushMatrix();
    glScaled(-1, 1, 1);
    barnGable();
    glPopMatrix();
    // translucent roof, added onto what lies behind
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    bindModelTexture(TexSilo);
    glPushMatrix();
    roofSlab(0.4f);
    glPopMatrix();
    glPushMatrix();
    glScaled(1, -1, 1);
    roofSlab(0.3f);
    glPopMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

// The silo, drawn by drawSilo.
void drawSiloModel() {
    glScaled(0.5, 0.5, 0.3);
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexSilo);
    glPushMatrix();
    texturedCylinder(5, 5, 10, 20, 1);
    glTranslated(0, 0, 10);
    texturedCylinder(5, 5, 10, 20, 1);
    glTranslated(0, 0, 10);
    // the dome
    glDisable(GL_TEXTURE_2D);
    glScaled(1, 1, 0.5);
    glRotated(-90, 1, 0, 0);
    glColor3f(0.5f, 0.5f, 0.5f);
    texturedSphere(5, 20, 20);
    // the ladder rails, from the ground up
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexBark);
    glRotated(90, 1, 0, 0);
    glScaled(1, 1, 2);
    glTranslated(-1, 5.5, -20);
    texturedCylinder(0.2, 0.2, 20, 10, 1);
    glTranslated(2, 0, 0);
    texturedCylinder(0.2, 0.2, 20, 10, 1);
    glPopMatrix();
    // the rungs, 2 apart
    glPushMatrix();
    glTranslated(1, 5.5, 0);
    glRotated(-90, 0, 1, 0);
    for (int rung = 0; rung < 10; rung++) {
        glTranslated(2, 0, 0);
        texturedCylinder(0.2, 0.2, 2, 10, 1);
    }
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

// A tree, drawn by drawTree.
void drawTreeModel() {
    glScaled(0.2, 0.2, 0.2);
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexBark);
    texturedCylinder(2, 0, 20, 10, 10); // the trunk, a cone
    glDisable(GL_TEXTURE_2D);
    // two crossed triangles at two heights
    for (double z : {15.0, 17.0}) {
        glPushMatrix();
        glTranslated(0, 0, z);
        drawFoliageTriangle(10, 5, 90, 'x');
        glPopMatrix();
        glPushMatrix();
        glTranslated(0, 0, z);
        glRotated(90, 0, 1, 0);
        drawFoliageTriangle(10, 5, 90, 'z');
        glPopMatrix();
    }
}

// One fence panel, drawn by drawFencePanel.
void drawFencePanelModel() {
    glScaled(0.2, 0.2, 0.2);
    glDisable(GL_TEXTURE_2D);
    colourBarnRed();
    glPushMatrix();
    glTranslated(-2.7, 0, 4);
    glScaled(5, 5, 5);
    glRotated(-90, 1, 0, 0);
    placedCube(0.33, 0.5, 0, 0, 0.2, 0.5, 0.05);   // post
    placedCube(0.67, 0.5, 0, 0, 0.2, 0.5, 0.05);   // post
    placedCube(0.5, 0.5, 0.05, 0, 1, 0.15, 0.05);  // lower rail
    placedCube(0.5, 0.25, 0.05, 0, 1, 0.15, 0.05); // upper rail
    glPopMatrix();
}

// A rock, drawn by drawRock.
void drawRockModel() {
    glScaled(0.2, 0.2, 0.2);
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexRock2);
    glPushMatrix();
    glScaled(0.9, 0.8, 0.6);
    texturedSphere(2, 10, 10);
    glPopMatrix();
    glPushMatrix();
    glTranslated(1, 0, 0);
    glScaled(0.5, 0.8, 0.8);
    texturedSphere(2, 10, 10);
    glPopMatrix();
    // three pebbles
    const double pebbles[3][3] = {{-1, -1, 0.5}, {-1.3, -1.6, 0.3}, {2.3, -0.2, 0.3}};
    for (const double *pebble : pebbles) {
        glPushMatrix();
        glTranslated(pebble[0], pebble[1], 0);
        texturedSphere(pebble[2], 10, 10);
        glPopMatrix();
    }
    glDisable(GL_TEXTURE_2D);
}

// One gate leaf, drawn by drawGateLeaf.
void drawGateLeafModel() {
    glScaled(1, 1, 1.5);
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexBarn);
    colourBarnRed();
    glPushMatrix();
    glTranslated(0, 0, 0.5);
    glRotated(90, 1, 0, 0);
    placedCube(0, 0.5, 0, 0, 0.2, 1, 0.1);       // hinge post
    placedCube(1, 0.5, 0, 0, 0.2, 1, 0.1);       // far post
    placedCube(0.5, 0.1, 0.1, 0, 1, 0.2, 0.1);   // bottom rail
    placedCube(0.5, 0.9, 0.1, 0, 1, 0.2, 0.1);   // top rail
    placedCube(0.5, 0.5, 0.1, 45, 1, 0.2, 0.1);  // brace
    placedCube(0.5, 0.5, 0.1, -45, 1, 0.2, 0.1); // brace
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

} // namespace

void bindModelTexture(int slot) {
    glBindTexture(GL_TEXTURE_2D, ModelTextures[slot]);
}

void colourBarnRed() {
    glColor3f(0.3f, 0.1f, 0.1f);
}

void drawBarn(int, int) {
    static CompiledModel model;
    drawCompiled(model, drawBarnModel);
}

void drawSilo(int, int) {
    static CompiledModel model;
    drawCompiled(model, drawSiloModel);
}

void drawFoliageTriangle(double width, double height, double angle, char axis) {
    glPushMatrix();
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexTriTree);
    if (axis == 'x')
        glRotated(angle, 1, 0, 0);
    else if (axis == 'y')
        glRotated(angle, 0, 1, 0);
    else if (axis == 'z')
        glRotated(angle, 0, 0, 1);
    glBegin(GL_POLYGON);
    glTexCoord2f(0, 0);
    glVertex3d(-width / 2, 0, 0);
    glTexCoord2f(1, 0);
    glVertex3d(width / 2, 0, 0);
    glTexCoord2f(0.5f, 1);
    glVertex3d(0, height, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glPopMatrix();
}

void drawTree(int, int) {
    static CompiledModel model;
    drawCompiled(model, drawTreeModel);
}

void drawFencePanel() {
    static CompiledModel model;
    drawCompiled(model, drawFencePanelModel);
}

void drawFence(int column, int row) {
    drawJoinedFence(column, row, '#');
}

void drawTallFence(int column, int row) {
    glScaled(1, 1, 3);
    drawJoinedFence(column, row, 'F');
}

void drawRock(int, int) {
    static CompiledModel model;
    drawCompiled(model, drawRockModel);
}

void drawGateLeaf() {
    static CompiledModel model;
    drawCompiled(model, drawGateLeafModel);
}

void drawGateOfCow1(int column, int row) {
    drawGateOf(cow1, column, row, '\\');
}

void drawGateOfCow2(int column, int row) {
    drawGateOf(cow2, column, row, '/');
}

void drawStrayObject(int, int) {
    drawCube(0.5);
}

void drawNothing(int, int) {}

void drawHomeBeacon(double height) {
    glPushMatrix();
    glColor4f(0.6f, 0.6f, 1, 0.2f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    texturedCylinder(2, 1, height, 20, 1);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}
