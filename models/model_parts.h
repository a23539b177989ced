// model_parts.h: the building blocks the models share (fence panel, gate leaf, foliage,
// pill, syringe, the two cow bodies) and the vertex tables of the profile cow.
#pragma once

// --- Fixed model data ---
extern const float ProfileOuterVertices[40][3]; // outer slab of the profile cow, model units
extern const float ProfileInnerVertices[16][3]; // inner slab (trunk without legs), model units

void profileCowModel(); // cow 1's model in model space: +x nose, +y up, hooves on y = 0
void quadricCowModel(); // cow 2's model in model space, built facing -z, +y up

void drawFencePanel(); // one red panel along x across the cell, about 1 long
void drawGateLeaf();   // one gate leaf, 0 to 1 along x, 0.75 to 2.25 above the ground
// A textured triangle `width` wide and `height` high, first turned `angle` degrees about
// the axis 'x', 'y' or 'z' (any other character: no turn).
void drawFoliageTriangle(double width, double height, double angle, char axis);
// An upright spinning capsule wrapped in table[slot].
void drawPill(const unsigned int *table, int slot);
// A syringe lying along the cell's diagonal, rolling about its length, labelled table[slot].
void drawSyringe(const unsigned int *table, int slot);

// Bind ModelTextures[slot] to GL_TEXTURE_2D (slot 0 of the table may be empty: untextured).
void bindModelTexture(int slot);
// Barn red, the colour of the barn, fences and gates.
void colourBarnRed();
