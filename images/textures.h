// textures.h: the fixed catalogue of mipmapped textures, loaded once at start-up.
#pragma once

// --- Filled once at start-up, live until the process ends ---
extern unsigned int ModelTextures[20]; // scenery, items, cows; slots 18 and 19 stay 0
extern unsigned int TileTextures[10];  // slots 0, 1, 2, 9 filled
extern unsigned int SplashTexture;     // the splash screen

// ModelTextures slots by file.
enum ModelTextureSlot {
    TexTriTree = 0,   // textures/tritree64.bmp
    TexBark = 1,      // textures/bark64.bmp
    TexCowSpots = 2,  // textures/cowspots.bmp
    TexWhite = 3,     // textures/white.bmp
    TexHorns = 4,     // textures/horns.bmp
    TexCowHide = 5,   // textures/cowhide.bmp
    TexHayRound = 6,  // textures/hayround.bmp
    TexHaySide = 7,   // textures/hay2B.bmp
    TexRock1 = 8,     // textures/rock1.bmp
    TexRock2 = 9,     // textures/rock2.bmp
    TexRock3 = 10,    // textures/rock3.bmp
    TexBigPill = 11,  // textures/big_pillx.bmp
    TexHeadPill = 12, // textures/head_pillx2.bmp
    TexSnail = 13,    // textures/snail1.bmp
    TexSilo = 14,     // textures/silo1.bmp
    TexSiloTop = 15,  // textures/silo_top.bmp
    TexBlank = 16,    // textures/blank.bmp
    TexBarn = 17,     // textures/Barn.bmp
};

// TileTextures slots.
enum TileTextureSlot { TileGrass = 0, TileDirt = 1, TileWater = 2, TileWall = 9 };

// Load a BMP file into a new mipmapped texture stored in table[slot]; false (slot untouched)
// for a null name or an image that cannot be loaded.
bool loadTexture(const char *fileName, unsigned int *table, int slot);

// The catalogue's files in load order (index 0 .. TextureCatalogueSize - 1), or null.
constexpr int TextureCatalogueSize = 23;
const char *textureCatalogueFile(int index);

void loadSplashTexture();   // splashscreen.bmp
void loadTileTextures();    // tiles/*.bmp
void loadSceneryTextures(); // scenery and item textures
void loadCowTextures();     // cow textures
