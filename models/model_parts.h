// model_parts.h: the building blocks the models share (fence panel, gate leaf, foliage,
// pill, syringe, the two cow bodies) and the vertex tables of the profile cow.
#pragma once

#include "images/textures.h"

#include <iterator>

struct Cow;

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

// A fixed model compiled into a display list on its first draw.
struct CompiledModel {
    unsigned int list[2] = {};                               // full, lighter; 0 until compiled
    unsigned int textures[2][std::size(ModelTextures)] = {}; // ModelTextures when compiled
};
// Draw what `build` draws, through `model`'s display list (compiled again when the model
// textures changed since).
void drawCompiled(CompiledModel &model, void (*build)());

// Every point of either cow model lies within this distance of its origin, in model units
// (the profile cow reaches from its tail at -17.5 to its nose at 28, and 24 up).
constexpr float CowModelReach = 40;
// False when `cow`'s model, at its drawing scale, lies wholly outside the current view.
bool cowInView(const Cow *cow);

// Bind ModelTextures[slot] to GL_TEXTURE_2D (slot 0 of the table may be empty: untextured).
void bindModelTexture(int slot);
// Barn red, the colour of the barn, fences and gates.
void colourBarnRed();
