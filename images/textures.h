// textures.h: the fixed catalogue of mipmapped textures, loaded once at start-up.
#pragma once

#include "images/texture_slots.h"

// Load a BMP file into a new mipmapped texture stored in table[slot]; false (slot untouched)
// for a null name or an image that cannot be loaded.
bool loadTexture(const char *fileName, unsigned int *table, int slot);

// The catalogue's files in load order (index 0 .. TextureCatalogueSize - 1), or null.
const char *textureCatalogueFile(int index);

void loadSplashTexture();   // splashscreen.bmp
void loadTileTextures();    // tiles/*.bmp
void loadSceneryTextures(); // scenery and item textures
void loadCowTextures();     // cow textures
