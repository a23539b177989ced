// profile_cow.cpp: cow 1's model: a side silhouette extruded into two slabs, mirrored across
// the body, dressed with quadric parts and textured with the cow textures.
#include "images/texture_slots.h"
#include "models/cow_pose.h"
#include "models/draw_handlers.h"
#include "models/model_parts.h"
#include "models/primitives.h"
#include "rules/cow.h"

#include <GL/gl.h>
#include <cstddef>
#include <initializer_list>

const float ProfileOuterVertices[40][3] = {
    {-15, 10, 2},  {-15, 10, 6},  {-15, -10, 6}, {-15, -10, 2}, {-14, 12, 2}, {-14, 12, 6},
    {-14, -10, 6}, {-14, -10, 2}, {-10, 12, 2},  {-10, 12, 6},  {-10, 0, 6},  {-10, 0, 2},
    {-9, 12, 2},   {2, 12, 2},    {2, -8, 2},    {-3, -8, 2},   {-9, 0, 2},   {-9, 12, 6},
    {-9, 0, 6},    {-3, -8, 6},   {2, -8, 6},    {2, 12, 6},    {6, 12, 2},   {6, 12, 6},
    {6, -6, 6},    {6, -6, 2},    {6, -10, 6},   {6, -10, 2},   {8, 12, 2},   {8, 12, 6},
    {8, -10, 6},   {8, -10, 2},   {15, 12, 2},   {15, 8, 2},    {11, 0, 2},   {11, 0, 6},
    {15, 12, 6},   {15, 8, 6},    {-13, -10, 6}, {-13, -10, 2},
};

const float ProfileInnerVertices[16][3] = {
    {-15, 10, 0}, {-15, 10, 2}, {-15, -8, 2}, {-15, -6, 0}, {15, 12, 0}, {15, 8, 0},
    {11, 0, 0},   {-14, 12, 0}, {-14, 12, 2}, {-10, 0, 0},  {-10, 0, 2}, {-13, -8, 2},
    {-9, 0, 0},   {-3, -8, 0},  {2, -8, 0},   {6, -6, 0},
};

namespace {

// A slab corner: outer ('O') or inner ('I') vertex table, index, texture coordinates.
struct SlabCorner {
    char table;
    int index;
    float s, t;
};

// One polygon of a slab: its texture slot and up to nine corners.
struct SlabPolygon {
    int texture;
    int count;
    SlabCorner corners[9];
};

const SlabPolygon OuterSlab[] = {
    // outside face (z = 6)
    {TexCowSpots,
     9,
     {{'O', 1, 0, 0},
      {'O', 5, 0, 0.1f},
      {'O', 9, 0, 0.7f},
      {'O', 17, 0, 1},
      {'O', 18, 0.5f, 1},
      {'O', 10, 0.5f, 0.7f},
      {'O', 38, 1, 0.2f},
      {'O', 6, 1, 0.1f},
      {'O', 2, 1, 0}}},
    {TexCowSpots,
     7,
     {{'O', 17, 0, 0},
      {'O', 21, 0, 0.8f},
      {'O', 23, 0, 1},
      {'O', 24, 0.9f, 1},
      {'O', 20, 1, 0.8f},
      {'O', 19, 1, 0.3f},
      {'O', 18, 0.5f, 0}}},
    {TexCowSpots,
     8,
     {{'O', 23, 0, 0},
      {'O', 29, 0, 0.3f},
      {'O', 36, 0, 1},
      {'O', 37, 0.1f, 1},
      {'O', 35, 0.8f, 0.8f},
      {'O', 30, 1, 0.3f},
      {'O', 26, 1, 0},
      {'O', 24, 0.9f, 0}}},
    // inside face of the legs (z = 2)
    {TexCowSpots,
     7,
     {{'O', 0, 0, 0},
      {'O', 4, 0, 0.1f},
      {'O', 8, 0, 1},
      {'O', 11, 0.5f, 1},
      {'O', 39, 1, 0.5f},
      {'O', 7, 1, 0.2f},
      {'O', 3, 1, 0}}},
    {TexCowSpots,
     8,
     {{'O', 22, 0, 0},
      {'O', 28, 0, 0.3f},
      {'O', 32, 0, 1},
      {'O', 33, 0.1f, 1},
      {'O', 34, 0.8f, 0.8f},
      {'O', 31, 1, 0.3f},
      {'O', 27, 1, 0},
      {'O', 25, 0.9f, 0}}},
    // back and rump
    {TexCowSpots, 4, {{'O', 4, 0, 0}, {'O', 13, 0, 1}, {'O', 21, 1, 1}, {'O', 5, 1, 0}}},
    {TexCowSpots, 4, {{'O', 13, 0, 0}, {'O', 32, 0, 1}, {'O', 36, 1, 1}, {'O', 21, 1, 0}}},
    {TexCowSpots, 4, {{'O', 0, 0, 0}, {'O', 4, 0, 1}, {'O', 5, 1, 1}, {'O', 1, 1, 0}}},
    {TexCowSpots, 4, {{'O', 0, 0, 0}, {'O', 1, 0, 1}, {'O', 2, 1, 1}, {'O', 3, 1, 0}}},
    // white underside edges of legs, belly and chest
    {TexWhite, 4, {{'O', 39, 0, 0}, {'O', 11, 0, 1}, {'O', 10, 1, 1}, {'O', 38, 1, 0}}},
    {TexWhite, 4, {{'O', 11, 0, 0}, {'O', 16, 0, 1}, {'O', 18, 1, 1}, {'O', 10, 1, 0}}},
    {TexWhite, 4, {{'O', 16, 0, 0}, {'O', 15, 0, 1}, {'O', 19, 1, 1}, {'O', 18, 1, 0}}},
    {TexWhite, 4, {{'O', 15, 0, 0}, {'O', 14, 0, 1}, {'O', 20, 1, 1}, {'O', 19, 1, 0}}},
    {TexWhite, 4, {{'O', 14, 0, 0}, {'O', 25, 0, 1}, {'O', 24, 1, 1}, {'O', 20, 1, 0}}},
    {TexWhite, 4, {{'O', 25, 0, 0}, {'O', 27, 0, 1}, {'O', 26, 1, 1}, {'O', 24, 1, 0}}},
    {TexWhite, 4, {{'O', 31, 0, 0}, {'O', 34, 0, 1}, {'O', 35, 1, 1}, {'O', 30, 1, 0}}},
    // front of the chest
    {TexCowSpots, 4, {{'O', 34, 0, 0}, {'O', 33, 0, 1}, {'O', 37, 1, 1}, {'O', 35, 1, 0}}},
    {TexCowSpots, 4, {{'O', 33, 0, 0}, {'O', 32, 0, 1}, {'O', 36, 1, 1}, {'O', 37, 1, 0}}},
};

const SlabPolygon InnerSlab[] = {
    {TexCowSpots, 4, {{'I', 3, 0, 0}, {'I', 0, 0, 1}, {'I', 1, 1, 1}, {'I', 2, 1, 0}}},
    {TexCowSpots, 4, {{'I', 0, 0, 0}, {'I', 7, 0, 1}, {'I', 8, 1, 1}, {'I', 1, 1, 0}}},
    {TexCowSpots, 4, {{'I', 7, 0, 0}, {'I', 4, 0, 0.2f}, {'O', 32, 0.2f, 0.2f}, {'I', 8, 0.2f, 0}}},
    {TexWhite, 4, {{'I', 5, 0, 0}, {'I', 6, 0, 1}, {'O', 34, 1, 1}, {'O', 33, 1, 0}}},
    {TexWhite, 4, {{'I', 6, 0, 0}, {'O', 34, 0, 1}, {'O', 25, 1, 1}, {'I', 15, 1, 0}}},
    {TexWhite, 4, {{'I', 15, 0, 0}, {'O', 25, 0, 1}, {'O', 14, 1, 1}, {'I', 14, 1, 0}}},
    {TexWhite, 4, {{'I', 14, 0, 0}, {'O', 14, 0, 1}, {'O', 15, 1, 1}, {'I', 13, 1, 0}}},
    {TexWhite, 4, {{'I', 13, 0, 0}, {'O', 15, 0, 1}, {'O', 16, 1, 1}, {'I', 12, 1, 0}}},
    {TexWhite, 4, {{'I', 12, 0, 0}, {'O', 16, 0, 1}, {'I', 10, 1, 1}, {'I', 9, 1, 0}}},
    {TexWhite, 3, {{'I', 9, 0, 0}, {'I', 10, 0, 1}, {'I', 11, 1, 1}}},
    {TexWhite, 4, {{'I', 9, 0, 0}, {'I', 11, 0, 1}, {'I', 2, 1, 1}, {'I', 3, 1, 0}}},
};

// Colours of the profile cow.
void colourWhite() {
    glColor3f(1, 1, 1);
}
void colourMagenta() {
    glColor3f(1, 0, 1);
}

const float *slabVertex(const SlabCorner &corner) {
    return corner.table == 'O' ? ProfileOuterVertices[corner.index]
                               : ProfileInnerVertices[corner.index];
}

// One slab: white, textured, each polygon with its own texture.
template <std::size_t N> void drawSlab(const SlabPolygon (&polygons)[N]) {
    glPushMatrix();
    colourWhite();
    glEnable(GL_TEXTURE_2D);
    for (const SlabPolygon &polygon : polygons) {
        bindModelTexture(polygon.texture);
        glBegin(GL_POLYGON);
        for (int i = 0; i < polygon.count; i++) {
            glTexCoord2f(polygon.corners[i].s, polygon.corners[i].t);
            glVertex3fv(slabVertex(polygon.corners[i]));
        }
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

// An untextured polygon through the given points.
void plainPolygon(std::initializer_list<const float *> points) {
    glBegin(GL_POLYGON);
    for (const float *point : points)
        glVertex3fv(point);
    glEnd();
}

// Draw `part` once, then once more mirrored across the body (z to -z).
void mirrored(void (*part)()) {
    glPushMatrix();
    part();
    glPopMatrix();
    glPushMatrix();
    glScaled(1, 1, -1);
    part();
    glPopMatrix();
}

void udder() {
    glPushMatrix();
    colourMagenta();
    glScaled(1.3, 1.2, 1);
    glTranslated(-6, -3, 0);
    texturedSphere(4, 10, 10);
    glPopMatrix();
}

void teats() {
    for (double x : {-7.6, -8.6}) {
        glPushMatrix();
        colourMagenta();
        glTranslated(x, -7.8, 0.5);
        glScaled(0.2, 1.8, 0.2);
        texturedSphere(1, 10, 10);
        glPopMatrix();
    }
}

void barrel() {
    glPushMatrix();
    glColor3f(0.8f, 0.8f, 0.8f);
    glEnable(GL_TEXTURE_2D);
    glScaled(1.6, 0.8, 1);
    bindModelTexture(TexCowSpots);
    texturedSphere(8, 30, 30);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

// The three face panels closing the front of one body half.
void faceHalf() {
    const float *o32 = ProfileOuterVertices[32], *o33 = ProfileOuterVertices[33];
    const float *o34 = ProfileOuterVertices[34];
    const float topOuter[3] = {21, 12, 2}, bottomOuter[3] = {21, 8, 2};
    const float topInner[3] = {21, 12, 0}, bottomInner[3] = {21, 8, 0};
    colourWhite();
    plainPolygon({o32, topOuter, bottomOuter, o34, o33, o32});
    glColor3f(0.8f, 0.8f, 0.8f);
    plainPolygon({o32, topOuter, topInner, ProfileInnerVertices[4], o32});
    plainPolygon({o34, bottomOuter, bottomInner, ProfileInnerVertices[6], o34});
}

void face() {
    glPushMatrix();
    faceHalf();
    glScaled(1, 1, -1);
    faceHalf();
    glPopMatrix();
}

void muzzle() {
    glPushMatrix();
    colourWhite();
    glTranslated(23, 10, 0);
    glScaled(0.7, 0.5, 1.2);
    texturedSphere(5, 10, 10);
    glPopMatrix();
}

void jaw() {
    glPushMatrix();
    colourWhite();
    glTranslated(25, 4, 0);
    glScaled(0.7, 0.7, 1.2);
    texturedSphere(3, 10, 10);
    glPopMatrix();
    glPushMatrix();
    colourWhite();
    const float chin[4][3] = {{23, 9, 4}, {23, 9, -4}, {25, 4, -2}, {25, 4, 2}};
    plainPolygon({chin[0], chin[1], chin[2], chin[3]});
    glPopMatrix();
}

void eye() {
    glColor3f(0, 0, 0);
    glTranslated(25.5, 12, 2);
    glRotated(90, 0, 1, 0);
    glScaled(1, 1.3, 0.8);
    drawTorus(0.1, 1, 8, 20);
    glTranslated(0, 0, -0.5);
    drawTorus(0.1, 0.1, 8, 20);
}

void nostril() {
    colourMagenta();
    glTranslated(27.1, 4, 2);
    glRotated(90, 0, 1, 0);
    drawTorus(0.1, 0.7, 8, 20);
}

void ear() {
    colourWhite();
    glEnable(GL_TEXTURE_2D);
    glTranslated(23, 10, 6.3);
    glScaled(0.3, 0.8, 3);
    bindModelTexture(TexHorns);
    texturedSphere(1, 10, 10);
}

void horn() {
    glColor3f(1, 1, 0);
    glEnable(GL_TEXTURE_2D);
    glTranslated(23.5, 12, 4);
    glRotated(-70, 1, 0, 0);
    glScaled(1, 1.3, 0.8);
    bindModelTexture(TexHorns);
    texturedCone(0.5, 1, 8, 20);
}

void colourCollarRed() {
    glColor3f(0.7f, 0.3f, 0.3f);
}

void collarAndBell() {
    glPushMatrix();
    colourCollarRed();
    glTranslated(18, 7, 0);
    glRotated(90, 0, 1, 0);
    glScaled(1, 1.3, 0.8);
    drawTorus(0.3, 5, 8, 20);
    glPopMatrix();
    glPushMatrix();
    colourCollarRed();
    glTranslated(18, -2, 0);
    glScaled(0.5, 0.5, 0.5);
    glRotated(-90, 1, 0, 0);
    texturedCone(3, 5, 10, 10); // the bell, mouth down
    glColor3f(1, 1, 0);
    glRotated(180, 1, 0, 0);
    texturedCylinder(0.25, 0.25, 2, 10, 10); // clapper rod
    glTranslated(0, 0, 1.5);
    texturedSphere(1, 10, 10); // clapper
    glPopMatrix();
}

// From the top of the rump, tilted 15 degrees, to the point (x, 12, 0) of the model.
void alongTailRoot(double x) {
    glTranslated(-14, 12, 0);
    glRotated(15, 0, 1, 0);
    glTranslated(14, -12, 0);
    glTranslated(x, 12, 0);
}

void tail() {
    glPushMatrix(); // stub
    colourWhite();
    glTranslated(-14, 12, 0);
    glRotated(15, 0, 1, 0);
    glRotated(-90, 0, 1, 0);
    texturedCylinder(1, 0.5, 3, 10, 10);
    glPopMatrix();
    glPushMatrix(); // knob
    colourWhite();
    alongTailRoot(-17);
    texturedSphere(0.5, 10, 10);
    glPopMatrix();
    glPushMatrix(); // hanging tail
    colourWhite();
    alongTailRoot(-17.5);
    glRotated(40, 0, 1, 0);
    glRotated(-90, 0, 1, 0);
    glRotated(70, 1, 0, 0);
    texturedCylinder(0.5, 0.1, 7, 10, 10);
    glPopMatrix();
}

void tailHairs() {
    glPushMatrix();
    glColor3f(0, 0, 0);
    alongTailRoot(-17);
    glTranslated(0, -6.5, 0);
    glRotated(30, 0, 1, 0);
    glTranslated(0, 6.5, 0);
    glTranslated(-3, -6.5, 0);
    glBegin(GL_LINES);
    for (int k = -2; k <= 2; k++) {
        glVertex3d(0, 0, 0);
        glVertex3d(-2, -2, k);
    }
    glEnd();
    glPopMatrix();
}

} // namespace

void profileCowModel() {
    glDisable(GL_TEXTURE_2D); // untextured parts show plain colours
    glTranslated(0, 10, 0);   // hooves on y = 0
    glPushMatrix();           // body
    udder();
    teats();
    drawSlab(OuterSlab);
    drawSlab(InnerSlab);
    barrel();
    glPushMatrix(); // the mirror half
    glScaled(1, 1, -1);
    teats();
    drawSlab(OuterSlab);
    drawSlab(InnerSlab);
    glPopMatrix();
    glPopMatrix();
    glPushMatrix(); // head
    face();
    muzzle();
    jaw();
    mirrored(eye);
    mirrored(nostril);
    mirrored(ear);
    glDisable(GL_TEXTURE_2D);
    mirrored(horn);
    glDisable(GL_TEXTURE_2D);
    collarAndBell();
    glPopMatrix();
    glPushMatrix(); // tail
    tail();
    tailHairs();
    glPopMatrix();
}

void drawProfileCow(int, int) {
    glDisable(GL_CULL_FACE);
    if (!cowInView(cow1)) {
        glEnable(GL_CULL_FACE);
        return;
    }
    const CowPose pose = drawnPose(cow1);
    glPushMatrix();
    glTranslated(pose.x, pose.y, pose.z);
    glRotated(90, 1, 0, 0); // model +y becomes world up
    glRotated(pose.facing, 0, 1, 0);
    if (pose.tiltDegrees != 0)
        glRotated(pose.tiltDegrees, 1, 0, 0); // lying on its side
    double scale = modelScaleOf(cow1);
    glScaled(scale, scale, scale);
    static CompiledModel model;
    drawCompiled(model, profileCowModel);
    glPopMatrix();
    glEnable(GL_CULL_FACE);
}
