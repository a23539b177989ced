// textures.cpp: the texture catalogue (not written yet: the images work fills it).
#include "images/textures.h"

unsigned int ModelTextures[20];
unsigned int TileTextures[10];
unsigned int SplashTexture;

bool loadTexture(const char *, unsigned int *, int) { return false; }
void loadSplashTexture() {}
void loadTileTextures() {}
void loadSceneryTextures() {}
void loadCowTextures() {}
