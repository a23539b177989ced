// items.cpp: the things a cow can pick up, turning where they lie: hay bale, pills, syringe.
#include "images/texture_slots.h"
#include "models/draw_handlers.h"
#include "models/model_parts.h"
#include "models/primitives.h"
#include "models/draw_passes.h"

#include <GL/gl.h>
#include <initializer_list>
#include <iterator>

namespace {

constexpr int ModelTextureSlots = static_cast<int>(std::size(ModelTextures));
constexpr int StrawGroups = 6;           // groups of four straws round the waist
constexpr double StrawGroupDegrees = 60; // between groups

// Four straws from one point of the waist, slanting up and down, forward and back.
void drawStrawGroup() {
    const double ends[4][3] = {{4.5, 1.3, 4}, {4.5, -1.3, 4}, {4.5, 1.3, -4}, {4.5, -1.3, -4}};
    glBegin(GL_LINES);
    for (const double *end : ends) {
        glVertex3d(3.5, 0, 0);
        glVertex3dv(end);
    }
    glEnd();
}

// A grey syringe part: a cylinder of radius 0.2 and the given length.
void greyCylinder(double length) {
    glColor3f(0.5f, 0.5f, 0.5f);
    texturedCylinder(0.2, 0.2, length, 10, 1);
}

// A hay bale from its spin on: the wobbling tilt, faces, twines and straws.
void hayBaleModel() {
    glColor3f(1, 1, 0);
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexHayRound);
    glPushMatrix();
    glRotated(5, 1, 0, 0); // the tilt that makes the bale wobble as it turns
    glScaled(0.8, 0.8, 0.8);
    texturedDisk(0, 4, 10, 1); // bottom face
    bindModelTexture(TexHaySide);
    texturedCylinder(4, 3, 3.5, 10, 1); // lower half, narrowing to the waist
    glTranslated(0, 0, 3.5);
    glDisable(GL_TEXTURE_2D);
    glTranslated(0, 0, -0.3);
    drawTorus(0.2, 3.5, 10, 10); // lower twine
    glTranslated(0, 0, 0.6);
    drawTorus(0.2, 3.5, 10, 10); // upper twine
    glTranslated(0, 0, -0.3);
    glPushMatrix();
    for (int group = 0; group < StrawGroups; group++) {
        drawStrawGroup();
        glRotated(StrawGroupDegrees, 0, 0, 1);
    }
    glPopMatrix();
    glEnable(GL_TEXTURE_2D);
    bindModelTexture(TexHaySide);
    texturedCylinder(3, 4, 3.5, 10, 1); // upper half
    bindModelTexture(TexHayRound);
    glTranslated(0, 0, 3.5);
    texturedDisk(0, 4, 10, 1); // top face
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

// The texture the next pill model wraps round its body.
unsigned int pillTexture;

// A pill from its spin on: the tilt, two white caps and the wrapped body.
void pillModel() {
    glColor3f(1, 1, 1);
    glPushMatrix();
    glRotated(5, 1, 0, 0);
    glDisable(GL_TEXTURE_2D);
    texturedSphere(1, 10, 10); // lower cap
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, pillTexture);
    texturedCylinder(1, 1, 4, 10, 10);
    glDisable(GL_TEXTURE_2D);
    glTranslated(0, 0, 4);
    texturedSphere(1, 10, 10); // upper cap
    glPopMatrix();
}

// The texture the next syringe model shows on its label.
unsigned int syringeTexture;

// A syringe from its roll on: barrel, label, hub, needle, plunger and grips along local z.
void syringeModel() {
    glRotated(90, 1, 0, 0); // the axis (local z) now lies along -y
    glDisable(GL_TEXTURE_2D);
    texturedCylinder(0.2, 0.2, 2, 10, 1); // barrel, z 0 to 2
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, syringeTexture);
    glTranslated(0, 0, 0.25);
    texturedCylinder(0.21, 0.21, 1.5, 10, 1); // label sleeve, z 0.25 to 1.75
    glTranslated(0, 0, -0.45);
    glDisable(GL_TEXTURE_2D);
    greyCylinder(0.2); // hub, z -0.2 to 0
    glTranslated(0, 0, -1);
    glColor3f(1, 1, 1);
    texturedCylinder(0.01, 0.01, 1, 10, 1); // needle, z -1.2 to -0.2
    glTranslated(0, 0, 3.2);
    greyCylinder(0.4); // plunger end, z 2 to 2.4
    glTranslated(-0.1, 0.2, 0.6);
    glColor3f(0.2f, 0.2f, 0.2f);
    glRotated(90, 0, 1, 0);
    texturedCylinder(0.2, 0.2, 0.2, 10, 1); // finger grip across the plunger
    glTranslated(0, -0.4, 0);
    texturedCylinder(0.2, 0.2, 0.2, 10, 1); // the second grip
}
} // namespace

void drawHayBale(int, int) {
    glScaled(0.15, 0.15, 0.15);
    glTranslated(0, 0, 2.5);
    glRotated(spinAngle, 0, 0, 1);
    static CompiledModel model;
    drawCompiled(model, hayBaleModel);
}

void drawPill(const unsigned int *table, int slot) {
    glScaled(0.2, 0.2, 0.2);
    glTranslated(0, 0, 2.5);
    glRotated(itemSpinAngle, 0, 0, 1);
    pillTexture = table[slot];
    if (table != ModelTextures || slot < 0 || slot >= ModelTextureSlots) {
        pillModel();
        return;
    }
    static CompiledModel models[ModelTextureSlots];
    drawCompiled(models[slot], pillModel);
}

void drawSyringe(const unsigned int *table, int slot) {
    glScaled(0.6, 0.6, 0.6);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glTranslated(-0.75, -0.1, 0);
    glTranslated(0, 0, 0.5);
    glRotated(45, 0, 0, 1);
    glPushMatrix();
    glColor3f(1, 1, 1);
    glTranslated(0, 0.25, 0);
    glRotated(itemSpinAngle, 0, 1, 0); // the roll about its length
    syringeTexture = table[slot];
    if (table != ModelTextures || slot < 0 || slot >= ModelTextureSlots) {
        syringeModel();
    } else {
        static CompiledModel models[ModelTextureSlots];
        drawCompiled(models[slot], syringeModel);
    }
    glPopMatrix();
    glEnable(GL_CULL_FACE);
}

void drawGrowPill(int, int) {
    drawPill(ModelTextures, TexBigPill);
}

void drawHeadPill(int, int) {
    drawPill(ModelTextures, TexHeadPill);
}

void drawSnailPill(int, int) {
    drawPill(ModelTextures, TexSnail);
}

void drawSyringeItem(int, int) {
    drawSyringe(ModelTextures, TexSnail);
}
